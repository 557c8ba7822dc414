#pragma once

namespace tallo {

// The sort of an assistant's list: a click on a column heading sorts by that column, ascending
// when the column changes and the other way round when the same column is clicked again.
struct ListSort {
    int column = 0;
    bool ascending = true;

    void Click(int clicked) {
        if (clicked == column) {
            ascending = !ascending;
        } else {
            column = clicked;
            ascending = true;
        }
    }
    // A comparison's result in the sort's direction.
    int Directed(int compared) const { return ascending ? compared : -compared; }
};

} // namespace tallo
