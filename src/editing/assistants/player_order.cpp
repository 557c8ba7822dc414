#include "editing/assistants/player_order.h"

#include "editing/main_window/record_name_order.h"
#include "editing/player/player_positions_names.h"
#include "world/date_text.h"
#include "world/player.h"

namespace tallo {

namespace {

template <typename T> int Sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

} // namespace

int CompareBySurname(const CPlayer& a, const CPlayer& b) {
    const int surname = CompareRecordNames(a.Surname(), b.Surname());
    return surname != 0 ? surname : CompareRecordNames(a.FirstName(), b.FirstName());
}

int CompareByFirstName(const CPlayer& a, const CPlayer& b) {
    const int first = CompareRecordNames(a.FirstName(), b.FirstName());
    return first != 0 ? first : CompareRecordNames(a.Surname(), b.Surname());
}

int CompareByPosition(const CPlayer& a, const CPlayer& b) {
    return Sign(a.MainPosition(), b.MainPosition());
}

int CompareByLevel(const CPlayer& a, const CPlayer& b) {
    return Sign(a.GetRating(), b.GetRating());
}

int CompareByBirthDate(const CPlayer& a, const CPlayer& b) {
    return Sign(a.BirthDate().dayNumber, b.BirthDate().dayNumber);
}

std::string PositionText(const CPlayer& player) {
    return PositionName(player.MainPosition());
}

std::string BirthDateText(const CPlayer& player) {
    return FormatDate(player.BirthDate(), false);
}

std::string LevelText(const CPlayer& player) {
    return RatingText(player.GetRating());
}

} // namespace tallo
