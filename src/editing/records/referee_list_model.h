#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/referee.h"

namespace tallo {

class CCountry;
struct CountryEditContext;

// The referee page of the country settings editor (CDlgRefereeList): the country's referees
// in ID order, each by its display name, and the commands new, change and delete. The page
// edits the country in place (the editor has the country in its open change already).
//
// New is refused when the country has its most referees (256); a new referee is all zero and
// is only added once its editor is confirmed (Add).
class RefereeListModel {
public:
    // One row of the list, texts in UTF-8.
    struct Row {
        uint32_t id = 0;
        std::string name;  // "Surname, F."
        std::string trait; // the characteristic's text
    };

    explicit RefereeListModel(const CountryEditContext& context);

    // Rebuilds the rows from the country's referees.
    void Refresh();
    const std::vector<Row>& Rows() const { return rows_; }
    // The row index of referee `id`; -1 when it is not listed.
    int RowOf(uint32_t id) const;

    size_t Count() const;
    // Whether a new referee can still be added.
    bool CanAdd() const;

    // The referee stored under `id`, or null.
    const Referee* Find(uint32_t id) const;
    // Adds `referee` under the smallest free ID and returns it; 0 (nothing added) at the limit.
    uint32_t Add(const Referee& referee);
    // Writes a changed referee back; false when there is no referee `id`.
    bool Replace(uint32_t id, const Referee& referee);
    // Removes referee `id`; false when there is none.
    bool Delete(uint32_t id);

    // The message that refuses a new referee at the limit (UTF-8).
    static std::string FullMessage();

private:
    CCountry* Country() const;

    const CountryEditContext& context_;
    std::vector<Row> rows_;
};

} // namespace tallo
