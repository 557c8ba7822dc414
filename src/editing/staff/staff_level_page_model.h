#pragma once

#include <string>

namespace tallo {

class CPlayer;

// The staff level page (CDlgStaffAtClub): the level of a staff member, 0 ("Выше среднего") to 4
// ("Специалист с высокой репутацией"). A choice is written into the person at once.
class StaffLevelPageModel {
public:
    static constexpr int kLevels = 5;

    // Binds the page to a person (null: nothing).
    void SetPerson(CPlayer* person) { person_ = person; }
    CPlayer* Person() const { return person_; }

    // The level whose button is checked: the stored level, -1 without a person or for a level
    // outside 0-4 (no button checked).
    int Level() const;
    // Writes a level of 0-4 into the person at once; nothing without a person or for another
    // value.
    void SetLevel(int level);
    // The names of the levels and of their group.
    static std::string LevelText(int level);
    static std::string GroupText();

private:
    CPlayer* person_ = nullptr;
};

} // namespace tallo
