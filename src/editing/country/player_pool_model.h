#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tallo {

class CCountry;
struct CountryEditContext;
struct PlayerPoolEntry;

// The young-player pool page (CDlgPlayerpool): the entries of the country's pool that are in
// use (those with a surname), in pool order, and the commands new, change and delete.
//
// New takes the first entry not in use, growing the pool by one club's share (22 entries, at
// most CCountry::kMaxPlayerPool in all) when every entry is in use; the entry is only in use
// once it is given a surname. Delete clears the entry back to a new one (no name, the
// country's nationality), so that it is no longer in use; the other entries keep their places.
class PlayerPoolModel {
public:
    static constexpr size_t kGrowth = 22;

    // One row of the list, every text in UTF-8: the name ("Surname, F."), position, special
    // skill and the favourite club's name.
    struct Row {
        size_t entry = 0; // place in the pool
        std::string name;
        std::string position;
        std::string skill;
        std::string club;
    };

    explicit PlayerPoolModel(const CountryEditContext& context);

    // Rebuilds the rows from the country's pool.
    void Refresh();
    const std::vector<Row>& Rows() const { return rows_; }

    // The pool entry a new player goes into: the first entry not in use, after growing the
    // pool when there is none; std::nullopt when the pool is at its largest and full.
    std::optional<size_t> NewEntry();
    // Clears the entry so that it is no longer in use. False for an entry not in the pool.
    bool Delete(size_t entry);

    // The text of a position (0 none, 1 goalkeeper, 2 defender, 3 midfielder, 4 forward) and
    // of a special skill (0 to 15), in the interface language.
    static std::string PositionText(int position);
    static std::string SkillText(int skill);

private:
    CCountry* Country() const;

    const CountryEditContext& context_;
    std::vector<Row> rows_;
};

} // namespace tallo
