#include "world/player.h"

#include <algorithm>

#include "formats/interface_language.h"
#include "formats/record_text.h"
#include "platform/code_page.h"
#include "world/bounded_array.h"
#include "world/player_world.h"

namespace tallo {

namespace {

constexpr int kDefaultFirstNameString = 791; // "First %d"
constexpr int kDefaultSurnameString = 792;   // "Last %d"

template <class T> T ClampValue(T value, T low, T high) {
    return std::clamp(value, low, high);
}

// A reference that cannot lead to a club: no country (0 or beyond 206) or club number 0.
bool IsMalformedClubReference(uint32_t reference) {
    const uint8_t country = ClubReferenceCountry(reference);
    return country == 0 || country > CPlayer::kMaxCountry || (reference & 0xFFFFu) == 0;
}

// A default name: the table text with its number put in place of "%d". Players are made by
// the hundred thousand when a database loads, so this stays clear of printf, and each thread
// keeps the text around the number for as long as the language and the code page stay.
std::string DefaultName(int stringId, int number) {
    struct Split {
        int stringId = -1;
        InterfaceLanguage language{};
        CodePage page{};
        std::string before;
        std::string after;
        bool numbered = false;
    };
    thread_local Split splits[2];
    Split& split = splits[stringId == kDefaultFirstNameString ? 0 : 1];
    const InterfaceLanguage language = CurrentInterfaceLanguage();
    const CodePage page = ActiveCodePage();
    if (split.stringId != stringId || split.language != language || split.page != page) {
        std::string text = RecordText(stringId, page);
        const size_t at = text.find("%d");
        split.numbered = at != std::string::npos;
        split.before = split.numbered ? text.substr(0, at) : text;
        split.after = split.numbered ? text.substr(at + 2) : std::string();
        split.stringId = stringId;
        split.language = language;
        split.page = page;
    }
    if (!split.numbered) {
        return split.before;
    }
    return split.before + std::to_string(number) + split.after;
}
// The year of the current game date. Players are made and checked by the hundred thousand while
// the date stays the same, so each thread keeps the year of the date it split last.
int CurrentGameYear() {
    thread_local GameDate split;
    thread_local int year = 0;
    const GameDate today = CurrentGameDate();
    if (today != split) {
        year = today.Year();
        split = today;
    }
    return year;
}
} // namespace

CPlayer::CPlayer() : CPlayer(nullptr, kRolePlayer, 0) {}

CPlayer::CPlayer(IPlayerWorld* world, uint8_t role, uint8_t nationality)
    : CPlayer(world, role, nationality, Unnamed{}) {
    const int number = static_cast<int>((world != nullptr ? world->PlayerCount() : 0) + 1);
    SetDefaultNames(number, true, true);
}

void CPlayer::SetDefaultNames(int number, bool firstName, bool surname) {
    if (firstName) {
        SetFirstName(DefaultName(kDefaultFirstNameString, number));
    }
    if (surname) {
        SetSurname(DefaultName(kDefaultSurnameString, number));
    }
}

CPlayer::CPlayer(IPlayerWorld* world, uint8_t role, uint8_t nationality, Unnamed)
    : world_(world), role_(role), nationality_(nationality) {
    static const int32_t kDefaultBirthDay = MakeDayNumber(1980, 1, 1);
    static const int32_t kDefaultContractStart = MakeDayNumber(2003, 7, 1);
    static const int32_t kDefaultContractEnd = MakeDayNumber(2004, 6, 30);
    birthDate_ = GameDate(kDefaultBirthDay);
    abilities_.fill(4);
    traits_.fill(kNormalTrait);
    contractStartDate_ = GameDate(kDefaultContractStart);
    contractEndDate_ = GameDate(kDefaultContractEnd);
    const int year = CurrentGameYear();
    yearJoined_ = static_cast<int16_t>(year - 1);
    contractEnd_ = static_cast<int16_t>(year);
    if (world != nullptr) {
        const int language = world->CountryFirstLanguage(nationality);
        if (language >= 0 && language <= kMaxLanguage) {
            languages_[0] = static_cast<uint8_t>(language);
        }
    }
}

// Arrays ------------------------------------------------------------------------------------

uint8_t CPlayer::Ability(int index) const {
    return ValueAt(abilities_, index);
}

void CPlayer::SetAbility(int index, uint8_t value) {
    SetAt(abilities_, index, value);
}

uint8_t CPlayer::Trait(int index) const {
    return ValueAt(traits_, index);
}

void CPlayer::SetTrait(int index, uint8_t value) {
    SetAt(traits_, index, value);
}

uint8_t CPlayer::TraitMaximum(int index) {
    return index == kConsistency || index == kFairness || index == kImage ? 2 : 3;
}

uint8_t CPlayer::OtherPosition(int slot) const {
    return slot >= 0 && slot < 2 ? otherPositions_[slot] : 0;
}

void CPlayer::SetOtherPosition(int slot, uint8_t position) {
    if (slot >= 0 && slot < 2) {
        otherPositions_[slot] = position;
    }
}

uint8_t CPlayer::PositionRating(int group) const {
    return ValueAt(positionRatings_, group);
}

void CPlayer::SetPositionRating(int group, uint8_t value) {
    SetAt(positionRatings_, group, value);
}

uint8_t CPlayer::Bonus(int index) const {
    return ValueAt(bonus_, index);
}

void CPlayer::SetBonus(int index, uint8_t value) {
    SetAt(bonus_, index, value);
}

void CPlayer::SetLanguageByte(int slot, uint8_t language) {
    SetAt(languages_, slot, language);
}

void CPlayer::SetLanguage(int slot, int language) {
    if (slot < 0 || slot > 2 || language < 0 || language > 255) {
        return;
    }
    for (int earlier = 0; earlier < slot; ++earlier) {
        if (languages_[earlier] == language) {
            return;
        }
    }
    languages_[slot] = static_cast<uint8_t>(language);
}

void CPlayer::TidyLanguages() {
    for (int i = 1; i < kLanguageSlots; ++i) {
        for (int earlier = 0; earlier < i; ++earlier) {
            if (languages_[i] != 0 && languages_[i] == languages_[earlier]) {
                languages_[i] = 0;
            }
        }
    }
    std::stable_partition(languages_.begin(), languages_.end(),
                          [](uint8_t language) { return language != 0; });
}

// Looks -------------------------------------------------------------------------------------

uint8_t CPlayer::GetHeight() const {
    return ClampValue<uint8_t>(height_, 150, 220);
}

uint8_t CPlayer::GetWeight() const {
    return ClampValue<uint8_t>(weight_, 50, 150);
}

// Checks --------------------------------------------------------------------------------------

void CPlayer::ClampLoadedValues() {
    // Country numbers index the world's 206 countries further on (game database build); a
    // number beyond them means none.
    if (nationality_ > kMaxCountry) {
        nationality_ = 0;
    }
    if (secondNationality_ > kMaxCountry) {
        secondNationality_ = 0;
    }
    if (favouriteCountry_ > kMaxCountry) {
        favouriteCountry_ = 0;
    }
    for (uint8_t& language : languages_) {
        if (language > kMaxLanguage) {
            language = 0;
        }
    }
    for (uint32_t* reference : {&firstClub_, &previousClub_, &favouriteClub_, &clubReferenceE_,
                                &loanClub_, &neverJoinClub_}) {
        if (*reference != 0 && IsMalformedClubReference(*reference)) {
            *reference = 0;
        }
    }
    // The bonus values are 4-bit fields of the game database.
    for (uint8_t& bonus : bonus_) {
        bonus = std::min<uint8_t>(bonus, 15);
    }
    if (hairStyle_ == 255) {
        hairStyle_ = 5;
    }
    if (relatedPlayer_ >= kMaxRelatedPlayer) {
        relatedPlayer_ = 0;
    }
}

void CPlayer::ClampRanges() {
    ClampLoadedValues();
    talent_ = std::min<uint8_t>(talent_, 4);
    staffLevel_ = std::min<uint8_t>(staffLevel_, 4);
    mainPosition_ = ClampValue<uint8_t>(mainPosition_, 1, kPositionCount);
    for (uint8_t& position : otherPositions_) {
        position = std::min<uint8_t>(position, kPositionCount);
    }
    for (uint8_t& rating : positionRatings_) {
        rating = std::min<uint8_t>(rating, 6);
    }
    for (uint8_t& ability : abilities_) {
        ability = ClampValue<uint8_t>(ability, 1, 10);
    }
    shoeType_ = std::min<uint8_t>(shoeType_, 5);
    for (int i = 0; i < kTraitCount; ++i) {
        traits_[i] = std::min(traits_[i], TraitMaximum(i));
    }
    leagueExperience_ = std::min<uint8_t>(leagueExperience_, 6);
    internationalExperience_ = std::min<uint8_t>(internationalExperience_, 4);
    tacticalEducation_ = std::min<uint8_t>(tacticalEducation_, 8);

    const int year = CurrentGameYear();
    if (yearJoined_ > year || yearJoined_ < kFirstYearJoined) {
        yearJoined_ = kFirstYearJoined;
    }
    if (contractEnd_ < year) {
        contractEnd_ = static_cast<int16_t>(year);
    }
    if (contractEnd_ > kLastContractEnd) {
        contractEnd_ = kLastContractEnd;
    }
}

uint32_t CPlayer::WorldReferenceValue(WorldReference which) const {
    switch (which) {
    case WorldReference::kFirstClub:
        return firstClub_;
    case WorldReference::kPreviousClub:
        return previousClub_;
    case WorldReference::kFavouriteClub:
        return favouriteClub_;
    case WorldReference::kClubReferenceE:
        return clubReferenceE_;
    case WorldReference::kLoanClub:
        return loanClub_;
    case WorldReference::kNeverJoinClub:
        return neverJoinClub_;
    case WorldReference::kSpecialFace:
        return specialFace_;
    case WorldReference::kRelatedPlayer:
        return relatedPlayer_;
    }
    return 0;
}

unsigned CPlayer::WorldReferenceValues(std::array<uint32_t, kWorldReferenceCount>& values) const {
    values = {firstClub_, previousClub_,  favouriteClub_, clubReferenceE_,
              loanClub_,  neverJoinClub_, specialFace_,   relatedPlayer_};
    unsigned present = 0;
    for (int i = 0; i < kWorldReferenceCount; ++i) {
        present |= (values[i] != 0 ? 1u : 0u) << i;
    }
    return present;
}

bool CPlayer::KeepsWorldReference(IPlayerWorld& world, WorldReference which, uint32_t value) {
    switch (which) {
    case WorldReference::kSpecialFace:
        return world.IsSpecialFace(static_cast<uint16_t>(value));
    case WorldReference::kRelatedPlayer:
        return world.FindPlayer(value) != nullptr;
    default:
        return world.ClubExists(value) || world.IsClubUnknown(value);
    }
}

void CPlayer::DropWorldReference(WorldReference which) {
    switch (which) {
    case WorldReference::kFirstClub:
        firstClub_ = 0;
        break;
    case WorldReference::kPreviousClub:
        previousClub_ = 0;
        break;
    case WorldReference::kFavouriteClub:
        favouriteClub_ = 0;
        break;
    case WorldReference::kClubReferenceE:
        clubReferenceE_ = 0;
        break;
    case WorldReference::kLoanClub:
        loanClub_ = 0;
        break;
    case WorldReference::kNeverJoinClub:
        neverJoinClub_ = 0;
        break;
    case WorldReference::kSpecialFace:
        specialFace_ = 0;
        break;
    case WorldReference::kRelatedPlayer:
        relatedPlayer_ = 0;
        break;
    }
}

void CPlayer::PostLoadCheck() {
    ClampRanges();
    if (world_ == nullptr) {
        return;
    }
    for (int i = 0; i < kWorldReferenceCount; ++i) {
        const auto which = static_cast<WorldReference>(i);
        const uint32_t value = WorldReferenceValue(which);
        if (value != 0 && !KeepsWorldReference(*world_, which, value)) {
            DropWorldReference(which);
        }
    }
}

// Derived values ------------------------------------------------------------------------------

int CPlayer::GetDetailValue() const {
    int value = 0;
    for (uint8_t ability : abilities_) {
        value += ability != 1 ? 1 : 0;
    }
    for (uint8_t trait : traits_) {
        value += trait != kNormalTrait ? 1 : 0;
    }
    return value;
}

} // namespace tallo
