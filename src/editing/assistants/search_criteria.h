#pragma once

#include <string>

namespace tallo {

// The three texts of the player search dialog (record texts, 8-bit). The opener keeps one of
// these from one search to the next, so the dialog shows the last criteria again.
struct SearchCriteria {
    std::string firstName;
    std::string surname;
    std::string nickname; // matched against the nickname, else the pseudonym

    bool Empty() const { return firstName.empty() && surname.empty() && nickname.empty(); }
};

// The criteria in the form they are matched in: folded (accents taken off, at most 127
// characters) and upper-cased. An empty key accepts every name.
struct SearchKeys {
    std::string firstName;
    std::string surname;
    std::string nickname;

    static SearchKeys From(const SearchCriteria& criteria);
    bool Empty() const { return firstName.empty() && surname.empty() && nickname.empty(); }
};

} // namespace tallo
