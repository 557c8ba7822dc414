#include "editing/country/cup_page_model.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_cup.h"
#include "competitions/db_league_base.h"
#include "formats/dialog_text.h"
#include "world/country.h"

namespace tallo {

namespace {

constexpr uint8_t kScheduleBits = 0x7F;
constexpr uint8_t kYellowAfterRedBit = 0x80;
constexpr uint8_t kVariableBanBit = 0x10;
constexpr uint8_t kLowerLeagueAtHomeBit = 0x01;
constexpr uint8_t kOneClubBit = 0x02;
constexpr uint32_t kSchemeMask = 0xFFFFu;

void StoreBit(uint8_t& field, uint8_t bit, bool on) {
    field = static_cast<uint8_t>(on ? field | bit : field & ~bit);
}

// A yes/no byte: written only when its truth changes, so an odd value read from a file stays
// while the box is left alone.
void StoreFlag(uint8_t& field, bool on) {
    if ((field != 0) != on) {
        field = on ? 1 : 0;
    }
}

// A whole number of at most 10 characters that fits a 32-bit value; blanks around it allowed.
bool ParseBonus(const std::string& text, int32_t& value) {
    size_t first = text.find_first_not_of(' ');
    size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos || last - first + 1 > CupPageModel::kBonusLength) {
        return false;
    }
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    auto [stop, error] = std::from_chars(begin, end, value);
    return error == std::errc() && stop == end;
}

std::string NumberText(int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return buffer;
}

} // namespace

const std::vector<CupPageModel::Item>& CupPageModel::ModeItems(Cup cup) {
    static const std::vector<Item> national{{335, 1}, {336, 2}, {337, 3},
                                            {820, 4}, {648, 5}, {895, 0}};
    static const std::vector<Item> league{
        {415, 6}, {416, 7}, {417, 7 | kAllLeaguesFlag}, {418, 8}, {419, 0}};
    static const std::vector<Item> super{{412, 15}, {413, 16}, {414, 0}};
    switch (cup) {
    case kLeagueCup:
        return league;
    case kSuperCup:
        return super;
    default:
        return national;
    }
}

const std::vector<CupPageModel::Item>& CupPageModel::CardScheduleItems() {
    static const std::vector<Item> items{{480, 0}, {481, 1}, {482, 2},
                                         {483, 3}, {484, 4}, {801, 5}};
    return items;
}

const std::vector<CupPageModel::Item>& CupPageModel::BanStartItems() {
    static const std::vector<Item> items{{420, 0}, {421, 1}};
    return items;
}

uint32_t CupPageModel::CupKind(Cup cup) {
    switch (cup) {
    case kLeagueCup:
        return CompetitionKind::kLeCup;
    case kSuperCup:
        return CompetitionKind::kSuperCup;
    default:
        return CompetitionKind::kFaCup;
    }
}

const std::string& CupPageModel::BonusLabel(int round) {
    switch (round) {
    case 0:
        return DialogText("cup.round.1");
    case 1:
        return DialogText("cup.round.2");
    case 2:
        return DialogText("cup.round.3");
    case 3:
        return DialogText("cup.round.4");
    case 4:
        return DialogText("cup.round.5");
    case 5:
        return DialogText("cup.round.quarter");
    case 6:
        return DialogText("cup.round.semi");
    default:
        return DialogText("cup.round.final");
    }
}

CDBCup* CupPageModel::FindCup(CCountry& country, Cup cup) {
    CCompetitionTree* tree = CompetitionTreeOf(country);
    return tree == nullptr ? nullptr : dynamic_cast<CDBCup*>(tree->FindOwn(CupKind(cup), 0));
}

const CDBCup* CupPageModel::FindCup(const CCountry& country, Cup cup) {
    const CCompetitionTree* tree = CompetitionTreeOf(country);
    return tree == nullptr ? nullptr : dynamic_cast<CDBCup*>(tree->FindOwn(CupKind(cup), 0));
}

bool CupPageModel::OneLeaguePerLevel(const CCountry& country) {
    const CCompetitionTree* tree = CompetitionTreeOf(country);
    if (tree == nullptr) {
        return false;
    }
    for (int level = 0; level < kLeagueLevels; ++level) {
        if (country.firstLeagueIndex[level] != level ||
            country.endLeagueIndex[level] != level + 1 ||
            tree->League(static_cast<uint32_t>(level)) == nullptr) {
            return false;
        }
    }
    return true;
}

int CupPageModel::FindItem(Cup cup, uint32_t mode, bool allLeagues) const {
    if (cup == kLeagueCup && !allLeagues) {
        // All leagues asked for where the leagues are not one per level: the plain scheme.
        mode &= ~kAllLeaguesFlag;
    }
    const std::vector<Item>& items = ModeItems(cup);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].value == mode) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void CupPageModel::Fill(const CCountry& country) {
    oneLeaguePerLevel_ = OneLeaguePerLevel(country);
    const uint32_t modes[kCupCount] = {country.nationalCupMode, country.leagueCupMode,
                                       country.superCupMode};
    for (int which = 0; which < kCupCount; ++which) {
        const Cup cup = static_cast<Cup>(which);
        CupValues& values = cups[which];
        values = CupValues();
        values.mode = FindItem(cup, modes[which], oneLeaguePerLevel_);
        filledModes_[which] = values.mode;
        if (const CDBCup* node = FindCup(country, cup)) {
            values.name = std::string(node->Name());
            values.consoleName = std::string(node->ShortName());
            for (int round = 0; round < kBonusRounds; ++round) {
                values.bonuses[round] = NumberText(node->GetRoundValue(kBonusValueIndex, round));
            }
        }
        filledBonuses_[which] = values.bonuses;
    }
    bonusCup = kNationalCup;

    auto schedule = [](uint8_t rule) {
        const int value = rule & kScheduleBits;
        return value < static_cast<int>(CardScheduleItems().size()) ? value : -1;
    };
    leagueCards = schedule(country.leagueCardRule);
    cupCards = schedule(country.cupCardRule);
    leagueYellowAfterRed = (country.leagueCardRule & kYellowAfterRedBit) != 0;
    cupYellowAfterRed = (country.cupCardRule & kYellowAfterRedBit) != 0;
    banStart = country.banStart < BanStartItems().size() ? country.banStart : -1;
    for (int scope = 0; scope < kBanScopes; ++scope) {
        banInAllCompetitions[scope] = (country.banScopeFlags & (1u << scope)) != 0;
    }
    variableRedCardBan = (country.redCardBanRule & kVariableBanBit) != 0;
    for (int level = 0; level < kLeagueLevels; ++level) {
        cupEntryLevels[level] = (country.cupEntryLevels & (1u << level)) != 0;
    }
    lowerLeagueAtHome = (country.cupFlags & kLowerLeagueAtHomeBit) != 0;
    oneClubPerCompetition = (country.cupFlags & kOneClubBit) != 0;
    winterBreak = country.winterBreak != 0;
    indoorTournaments = winterBreak && country.indoorTournaments != 0;
}

bool CupPageModel::ItemSelectable(Cup cup, int item) const {
    if (item < 0 || item >= static_cast<int>(ModeItems(cup).size())) {
        return false;
    }
    return cup != kLeagueCup || item != kAllLeaguesItem || oneLeaguePerLevel_;
}

uint32_t CupPageModel::SelectedMode(Cup cup) const {
    const int item = cups[cup].mode;
    if (item < 0 || item >= static_cast<int>(ModeItems(cup).size())) {
        return 0;
    }
    return ModeItems(cup)[static_cast<size_t>(item)].value;
}

bool CupPageModel::BonusRoundUsed(Cup cup, int round) const {
    const uint32_t scheme = SelectedMode(cup) & kSchemeMask;
    if (scheme == 0 || round < 0 || round >= kBonusRounds) {
        return false;
    }
    const int rounds = static_cast<int>(CupSchemeRounds(scheme).size());
    return round >= kBonusRounds - rounds;
}

void CupPageModel::StoreCup(CCountry& country, Cup cup, std::vector<std::string>& refused) const {
    const CupValues& values = cups[cup];
    uint32_t* modes[kCupCount] = {&country.nationalCupMode, &country.leagueCupMode,
                                  &country.superCupMode};
    uint32_t& mode = *modes[cup];
    const uint32_t oldScheme = mode & kSchemeMask;
    if (values.mode != filledModes_[cup] && ItemSelectable(cup, values.mode)) {
        mode = SelectedMode(cup);
    }
    const uint32_t scheme = mode & kSchemeMask;
    CCompetitionTree* tree = CompetitionTreeOf(country);
    if (tree == nullptr) {
        return;
    }
    CDBCup* node = FindCup(country, cup);
    bool fresh = false;
    if (scheme != oldScheme) {
        // A new format makes a new cup; the round values (the bonuses) go over to it.
        std::array<int32_t, CDBCup::kRoundSlots * CDBCup::kRoundValues> kept{};
        const bool carry = node != nullptr;
        if (carry) {
            node->GetExtraValues(kept.data());
        }
        node = tree->ReplaceNationalCup(CupKind(cup), scheme);
        if (node != nullptr && carry) {
            node->SetExtraValues(kept.data());
        }
        fresh = true;
    }
    if (node == nullptr) {
        return;
    }
    // A cup made just now keeps its own name where the page had none to give.
    if (values.name != node->Name() && !(fresh && values.name.empty())) {
        node->SetName(values.name.substr(0, std::min(values.name.size(), kNameLength)));
    }
    if (values.consoleName != node->ShortName() && !(fresh && values.consoleName.empty())) {
        node->SetShortName(
            values.consoleName.substr(0, std::min(values.consoleName.size(), kConsoleNameLength)));
    }
    for (int round = 0; round < kBonusRounds; ++round) {
        const std::string& text = values.bonuses[round];
        if (text == filledBonuses_[cup][round]) {
            continue;
        }
        int32_t value = 0;
        if (ParseBonus(text, value)) {
            node->SetRoundValue(kBonusValueIndex, round, value);
        } else {
            refused.push_back(BonusLabel(round));
        }
    }
}

std::vector<std::string> CupPageModel::Store(CCountry& country) const {
    std::vector<std::string> refused;
    for (int which = 0; which < kCupCount; ++which) {
        StoreCup(country, static_cast<Cup>(which), refused);
    }

    auto storeSchedule = [](uint8_t& rule, int entry, bool yellowAfterRed) {
        if (entry >= 0 && entry < static_cast<int>(CardScheduleItems().size())) {
            rule = static_cast<uint8_t>((rule & ~kScheduleBits) |
                                        CardScheduleItems()[static_cast<size_t>(entry)].value);
        }
        StoreBit(rule, kYellowAfterRedBit, yellowAfterRed);
    };
    storeSchedule(country.leagueCardRule, leagueCards, leagueYellowAfterRed);
    storeSchedule(country.cupCardRule, cupCards, cupYellowAfterRed);
    if (banStart >= 0 && banStart < static_cast<int>(BanStartItems().size())) {
        country.banStart =
            static_cast<uint8_t>(BanStartItems()[static_cast<size_t>(banStart)].value);
    }
    for (int scope = 0; scope < kBanScopes; ++scope) {
        StoreBit(country.banScopeFlags, static_cast<uint8_t>(1u << scope),
                 banInAllCompetitions[scope]);
    }
    StoreBit(country.redCardBanRule, kVariableBanBit, variableRedCardBan);
    for (int level = 0; level < kLeagueLevels; ++level) {
        StoreBit(country.cupEntryLevels, static_cast<uint8_t>(1u << level), cupEntryLevels[level]);
    }
    StoreBit(country.cupFlags, kLowerLeagueAtHomeBit, lowerLeagueAtHome);
    StoreBit(country.cupFlags, kOneClubBit, oneClubPerCompetition);
    StoreFlag(country.winterBreak, winterBreak);
    StoreFlag(country.indoorTournaments, winterBreak && indoorTournaments);
    return refused;
}

} // namespace tallo
