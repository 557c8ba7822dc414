#pragma once

#include <vector>

namespace tallo {

// What a change of a database may alter, so that the change journal can keep it beforehand.
// A change must name every country whose records it touches (clubs, persons listed by its
// clubs, competitions, settings, stadiums, ...); what it does not name is not kept and cannot
// be put back.
struct ChangeScope {
    // Country numbers 1 to 206, each at most once.
    std::vector<int> countries;
    // The rules (Rules.sav).
    bool rules = false;
    // The players without a club (Without.sav) and their person records.
    bool playersWithoutClub = false;

    static ChangeScope Country(int number) {
        ChangeScope scope;
        scope.countries.push_back(number);
        return scope;
    }
    static ChangeScope AllCountries() {
        ChangeScope scope;
        for (int number = 1; number <= 206; ++number) {
            scope.countries.push_back(number);
        }
        return scope;
    }
    bool Empty() const { return countries.empty() && !rules && !playersWithoutClub; }
};

} // namespace tallo
