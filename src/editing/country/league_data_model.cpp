#include "editing/country/league_data_model.h"

#include <algorithm>
#include <cstdio>

#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/league_formats.h"
#include "formats/dialog_text.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

const std::string& MoneyLabel(int which) {
    switch (which) {
    case LeagueDataModel::kTelevisionBonus:
        return DialogText("league.data.tv_bonus");
    case LeagueDataModel::kFirstPlaceBonus:
        return DialogText("league.data.first_bonus");
    default:
        return DialogText("league.data.place_payment");
    }
}

// A label without its closing colon, as the messages name the field.
std::string FieldName(const std::string& label) {
    return !label.empty() && label.back() == ':' ? label.substr(0, label.size() - 1) : label;
}

} // namespace

LeagueDataModel::LeagueDataModel(const CountryEditContext& context, uint32_t leagueNumber)
    : context_(context), leagueNumber_(leagueNumber) {}

CCountry* LeagueDataModel::Country() const {
    return context_.EditedCountry();
}

CDBLeagueBase* LeagueDataModel::League() const {
    CCountry* country = Country();
    CCompetitionTree* tree = country != nullptr ? CompetitionTreeOf(*country) : nullptr;
    return tree != nullptr ? tree->League(leagueNumber_) : nullptr;
}

std::vector<int32_t> LeagueDataModel::SizeChoices() {
    std::vector<int32_t> sizes;
    for (int32_t size = kSmallestSize; size <= kLargestSize; ++size) {
        sizes.push_back(size);
    }
    return sizes;
}

std::optional<int> LeagueDataModel::ParseMultiplier(std::string_view text, bool* clamped) {
    if (clamped != nullptr) {
        *clamped = false;
    }
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    const size_t point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if ((whole.empty() && decimals.empty()) || (!whole.empty() && !IsDigits(whole)) ||
        (!decimals.empty() && !IsDigits(decimals))) {
        return std::nullopt;
    }
    // Decimal digits, not a floating-point product: "1.15" is 115, never 114.
    long long value = 0;
    for (char c : whole) {
        value = std::min<long long>(value * 10 + (c - '0'), 1000000);
    }
    value *= 100;
    if (decimals.size() >= 1) {
        value += 10 * (decimals[0] - '0');
    }
    if (decimals.size() >= 2) {
        value += decimals[1] - '0';
    }
    if (value > kLargestMultiplier) {
        if (clamped != nullptr) {
            *clamped = true;
        }
        value = kLargestMultiplier;
    }
    return static_cast<int>(value);
}

std::string LeagueDataModel::MultiplierText(int hundredths) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%02d", hundredths / 100, hundredths % 100);
    return text;
}

std::string LeagueDataModel::ForeignRuleLabel(int rule) {
    switch (rule) {
    case 0:
        return DialogText("league.foreign.0");
    case 1:
        return DialogText("league.foreign.1");
    case 2:
        return DialogText("league.foreign.2");
    case 3:
        return DialogText("league.foreign.3");
    case 4:
        return DialogText("league.foreign.4");
    default:
        return std::string();
    }
}

std::string LeagueDataModel::TieBreakLabel(int order) {
    switch (order) {
    case 0:
        return DialogText("league.tiebreak.0");
    case 1:
        return DialogText("league.tiebreak.1");
    default:
        return std::string();
    }
}

bool LeagueDataModel::Fill() {
    CCountry* country = Country();
    const CDBLeagueBase* league = League();
    if (country == nullptr || league == nullptr) {
        return false;
    }
    level_ = std::clamp(league->Level(), 0, kLeagueLevelCount - 1);
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        if (leagueNumber_ >= country->firstLeagueIndex[level] &&
            leagueNumber_ < country->endLeagueIndex[level]) {
            level_ = level;
            break;
        }
    }
    name = std::string(league->Name()).substr(0, kNameLength);
    shortName = std::string(league->ShortName()).substr(0, kShortNameLength);
    size = league->Size();
    rounds = league->Rounds();
    attendance = MultiplierText(league->AttendanceMultiplier());
    transfer = MultiplierText(league->TransferMultiplier());
    for (int which = 0; which < kMoneyValueCount; ++which) {
        money[which] = std::to_string(league->GetValue(kMoneyValueIndex[which]));
    }
    foreignRule = std::min<int>(country->foreignPlayerRules[level_], kForeignRuleCount - 1);
    tieBreak = std::min<int>(country->tieBreakRules[level_], kTieBreakCount - 1);
    ruleChoices_ = AllowedRules(LeagueFormatOf(*country), level_);
    const auto current =
        std::find(ruleChoices_.begin(), ruleChoices_.end(), country->relegationRules[level_]);
    ruleIndex =
        current != ruleChoices_.end() ? static_cast<int>(current - ruleChoices_.begin()) : -1;
    reserveTeams = level_ >= country->firstReserveLevel;
    return true;
}

std::vector<std::string> LeagueDataModel::Store() {
    std::vector<std::string> messages;
    CCountry* country = Country();
    CDBLeagueBase* league = League();
    CCompetitionTree* tree = country != nullptr ? CompetitionTreeOf(*country) : nullptr;
    if (league == nullptr || tree == nullptr) {
        return messages;
    }

    league->SetName(std::string_view(name).substr(0, kNameLength));
    league->SetShortName(std::string_view(shortName).substr(0, kShortNameLength));

    // Rounds, then the size; SetSize and SetRounds set the rounds back to 2 when the league
    // would need more than 46 matchdays. A fixture list of another shape would point at teams
    // past the league's end or leave matchdays empty: it is made anew from the template.
    const int32_t oldSize = league->Size();
    const int32_t oldRounds = league->Rounds();
    league->SetRounds(rounds);
    if (size >= kSmallestSize && size <= kLargestSize) {
        league->SetSize(size);
    }
    if (league->Size() != oldSize || league->Rounds() != oldRounds) {
        league->FillFixturesFromTemplate();
    }

    auto storeMultiplier = [&](const std::string& text, const std::string& label, auto set) {
        bool clamped = false;
        const std::optional<int> value = ParseMultiplier(text, &clamped);
        if (!value) {
            messages.push_back(
                FormatDialogText("league.data.refused.multiplier", FieldName(label).c_str()));
            return;
        }
        set(static_cast<uint8_t>(*value));
        if (clamped) {
            messages.push_back(FormatDialogText("league.data.clamped.multiplier",
                                                FieldName(label).c_str(),
                                                MultiplierText(*value).c_str()));
        }
    };
    storeMultiplier(attendance, DialogText("league.data.attendance"),
                    [&](uint8_t value) { league->SetAttendanceMultiplier(value); });
    storeMultiplier(transfer, DialogText("league.data.transfer"),
                    [&](uint8_t value) { league->SetTransferMultiplier(value); });

    for (int which = 0; which < kMoneyValueCount; ++which) {
        const std::string& text = money[which];
        if (!IsDigits(text) || text.size() > kValueDigits) {
            messages.push_back(FormatDialogText("league.data.refused.number",
                                                FieldName(MoneyLabel(which)).c_str(),
                                                static_cast<int>(kValueDigits)));
            continue;
        }
        league->SetValue(kMoneyValueIndex[which], std::stoi(text));
    }

    country->foreignPlayerRules[level_] =
        static_cast<uint8_t>(std::clamp(foreignRule, 0, kForeignRuleCount - 1));
    country->tieBreakRules[level_] =
        static_cast<uint8_t>(std::clamp(tieBreak, 0, kTieBreakCount - 1));

    // The level's relegation rule; one the league's size does not allow becomes 0. A changed
    // rule takes its play-offs with it.
    const uint8_t oldRule = country->relegationRules[level_];
    uint8_t rule = ruleIndex >= 0 && static_cast<size_t>(ruleIndex) < ruleChoices_.size()
                       ? ruleChoices_[static_cast<size_t>(ruleIndex)]
                       : oldRule;
    if (!RelegationRule::AllowsSize(rule, league->Size())) {
        rule = RelegationRule::kNone;
    }
    if (rule != oldRule || rule != league->RelegationRule()) {
        country->relegationRules[level_] = rule;
        for (uint32_t number : tree->LeagueNumbersOfLevel(level_)) {
            tree->League(number)->SetRelegationRule(rule);
        }
        std::array<bool, CCompetitionTree::kLeagueLevels> changed{};
        changed[static_cast<size_t>(level_)] = true;
        tree->BuildRelegation(changed);
    }

    // Reserve teams: allowed from the country's first reserve level down.
    const auto level = static_cast<uint8_t>(level_);
    if (reserveTeams) {
        country->firstReserveLevel = std::min(country->firstReserveLevel, level);
    } else if (country->firstReserveLevel <= level) {
        country->firstReserveLevel = static_cast<uint8_t>(level + 1);
    }
    return messages;
}

} // namespace tallo
