#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/stadium.h"

namespace tallo {

class CCountry;
struct CountryEditContext;

// The stadium list page of the country settings editor (CDlgStadiumList): the country's
// stadiums in key order and the commands new, change and delete, each acting on the country at
// once (the editor's open change holds the country already).
//
// Clubs (main and alternative stadium), the country's national stadium and the final venues of
// the international rules refer to stadiums by key. A stadium key is saved as the stadium's
// place in the list, so a reference left behind by a deletion would not stay empty: it would
// lead to the stadium before it once the database is saved and read again. Delete therefore
// clears every reference to the stadium (as the load check clears references that lead
// nowhere); the page asks first when there are any (ReferenceText).
class StadiumListModel {
public:
    // One row, every text in UTF-8.
    struct Row {
        uint32_t key = 0;
        std::string name;
        std::string city;
        std::string capacity; // "22.500"
    };

    // What refers to one stadium.
    struct References {
        int clubs = 0;         // clubs of the country with it as main or alternative stadium
        bool national = false; // the country's national stadium
        int finals = 0;        // final venues of the international rules
        bool Any() const { return clubs > 0 || national || finals > 0; }
    };

    explicit StadiumListModel(const CountryEditContext& context);

    // Rebuilds the rows from the country's stadiums.
    void Refresh();
    const std::vector<Row>& Rows() const { return rows_; }
    size_t Count() const;

    // False when the country holds the most stadiums it can (500).
    bool CanAdd() const;
    // Adds a stadium under the smallest free key; 0 when the country is full.
    uint32_t Add(const Stadium& stadium);
    const Stadium* Find(uint32_t key) const;
    // Writes a changed stadium back; false when there is no stadium under the key.
    bool Replace(uint32_t key, const Stadium& stadium);

    References ReferencesTo(uint32_t key) const;
    // The question asked before deleting (UTF-8): the stadium's name and what refers to it;
    // empty when nothing does.
    std::string DeleteQuestion(uint32_t key) const;
    // Clears every reference to the stadium and removes it. False when there is none.
    bool Delete(uint32_t key);

private:
    CCountry* Country() const;
    bool IsFinalVenue(uint32_t reference, uint32_t key) const;

    const CountryEditContext& context_;
    std::vector<Row> rows_;
};

} // namespace tallo
