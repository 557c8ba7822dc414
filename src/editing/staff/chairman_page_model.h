#pragma once

#include <string>

namespace tallo {

class CPlayer;

// The chairman page (CDlgChairman): the board's stability, 0 (crazy) to 4 (long-term planning),
// held in the person's player value B (2, normal, for a new person). A change is stored at once.
class ChairmanPageModel {
public:
    static constexpr int kMaxStability = 4;

    // Binds the page to a person (null: nothing).
    void SetPerson(CPlayer* person) { person_ = person; }
    CPlayer* Person() const { return person_; }

    // The stability shown: the stored value bounded to 0-4 (0 without a person).
    int Stability() const;
    // Bounds the value to 0-4 and stores it into the person at once (nothing without one).
    void SetStability(int value);
    // The stability's text (string-table entries 329 to 333); empty without a person.
    std::string StabilityText() const;
    static std::string StabilityText(int value);

private:
    CPlayer* person_ = nullptr;
};

} // namespace tallo
