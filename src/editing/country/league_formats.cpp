#include "editing/country/league_formats.h"

#include "competitions/competition_tree.h"
#include "formats/dialog_text.h"
#include "world/country.h"

namespace tallo {

namespace {

constexpr uint16_t Rules(std::initializer_list<int> rules) {
    uint16_t bits = 0;
    for (int rule : rules) {
        bits = static_cast<uint16_t>(bits | (1u << rule));
    }
    return bits;
}

constexpr uint16_t RuleRange(int last) {
    return static_cast<uint16_t>((1u << (last + 1)) - 1u);
}

// The rule sets the format table is made of.
constexpr uint16_t S1 = RuleRange(5) | Rules({9});
constexpr uint16_t S2 = RuleRange(10);
constexpr uint16_t S3 = RuleRange(8) | Rules({10});
constexpr uint16_t S4 = RuleRange(8);
constexpr uint16_t S5 = Rules({0, 2, 4});
constexpr uint16_t S6 = RuleRange(5);
constexpr uint16_t S7 = Rules({0, 3});
constexpr uint16_t S8 = Rules({0, 4});
constexpr uint16_t S9 = Rules({0, 5});

constexpr LeagueFormat kFormats[kLeagueFormatCount] = {
    {"-", {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    {"1", {1, 0, 0, 0, 0}, {S1, 0, 0, 0, 0}},
    {"1-1", {1, 1, 0, 0, 0}, {S2, S1, 0, 0, 0}},
    {"1-2", {1, 2, 0, 0, 0}, {S5, S6, 0, 0, 0}},
    {"1-3", {1, 3, 0, 0, 0}, {S7, S6, 0, 0, 0}},
    {"1-4", {1, 4, 0, 0, 0}, {S8, S6, 0, 0, 0}},
    {"1-1-1", {1, 1, 1, 0, 0}, {S3, S3, S6, 0, 0}},
    {"1-1-2", {1, 1, 2, 0, 0}, {S4, S5, S6, 0, 0}},
    {"1-1-3", {1, 1, 3, 0, 0}, {S4, S7, S6, 0, 0}},
    {"1-1-4", {1, 1, 4, 0, 0}, {S4, S8, S6, 0, 0}},
    {"1-1-5", {1, 1, 5, 0, 0}, {S2, S9, S6, 0, 0}},
    {"1-2-2", {1, 2, 2, 0, 0}, {S5, S6, S6, 0, 0}},
    {"1-2-4", {1, 2, 4, 0, 0}, {S5, S5, S6, 0, 0}},
    {"1-2-8", {1, 2, 8, 0, 0}, {S5, S8, S6, 0, 0}},
    {"1-4-4", {1, 4, 4, 0, 0}, {S8, S6, S6, 0, 0}},
    {"1-1-1-1", {1, 1, 1, 1, 0}, {S4, S4, S4, S6, 0}},
    {"1-1-1-2", {1, 1, 1, 2, 0}, {S4, S4, S5, S6, 0}},
    {"1-1-1-3", {1, 1, 1, 3, 0}, {S4, S4, S7, S6, 0}},
    {"1-1-1-4", {1, 1, 1, 4, 0}, {S2, S4, S8, S6, 0}},
    {"1-1-2-2", {1, 1, 2, 2, 0}, {S2, S5, S6, S6, 0}},
    {"1-1-2-4", {1, 1, 2, 4, 0}, {S2, S5, S5, S6, 0}},
    {"1-1-2-8", {1, 1, 2, 8, 0}, {S2, S5, S8, S6, 0}},
    {"1-1-2-10", {1, 1, 2, 10, 0}, {S2, S5, S9, S6, 0}},
    {"1-1-3-3", {1, 1, 3, 3, 0}, {S2, S7, S6, S6, 0}},
    {"1-1-3-6", {1, 1, 3, 6, 0}, {S4, S7, S5, S6, 0}},
    {"1-1-3-9", {1, 1, 3, 9, 0}, {S4, S7, S7, S6, 0}},
    {"1-1-4-4", {1, 1, 4, 4, 0}, {S4, S8, S6, S6, 0}},
    {"1-1-1-1-1", {1, 1, 1, 1, 1}, {S4, S4, S4, S4, S6}},
    {"1-1-1-1-2", {1, 1, 1, 1, 2}, {S4, S4, S4, S5, S6}},
    {"1-1-1-1-4", {1, 1, 1, 1, 4}, {S4, S4, S4, S8, S6}},
    {"1-1-1-2-4", {1, 1, 1, 2, 4}, {S4, S4, S5, S5, S6}},
    {"1-1-1-3-3", {1, 1, 1, 3, 3}, {S4, S4, S7, S6, S6}},
    {"1-1-1-4-4", {1, 1, 1, 4, 4}, {S4, S4, S8, S6, S6}},
};

// Every format fits the grid: no level holds more leagues than it has cells.
constexpr bool FormatsFitTheGrid() {
    for (const LeagueFormat& format : kFormats) {
        for (int level = 0; level < kLeagueLevelCount; ++level) {
            if (format.counts[level] > kLeagueGridCells[level]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(FormatsFitTheGrid());

} // namespace

const LeagueFormat& LeagueFormatAt(int index) {
    return index >= 0 && index < kLeagueFormatCount ? kFormats[index] : kFormats[0];
}

int FindLeagueFormat(const LeagueCounts& counts) {
    for (int index = 0; index < kLeagueFormatCount; ++index) {
        if (kFormats[index].counts == counts) {
            return index;
        }
    }
    return -1;
}

int FindLeagueFormat(std::string_view text) {
    for (int index = 0; index < kLeagueFormatCount; ++index) {
        if (text == kFormats[index].text) {
            return index;
        }
    }
    return -1;
}

LeagueCounts LeagueCountsOf(const CCountry& country) {
    LeagueCounts counts{};
    const CCompetitionTree* tree = CompetitionTreeOf(country);
    if (tree == nullptr) {
        return counts;
    }
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        counts[level] = static_cast<int>(tree->LeagueNumbersOfLevel(level).size());
    }
    return counts;
}

int LeagueFormatOf(const CCountry& country) {
    const int format = FindLeagueFormat(LeagueCountsOf(country));
    return format < 0 ? 0 : format;
}

bool RuleAllowed(int format, int transition, uint8_t rule) {
    if (transition < 0 || transition >= kLeagueLevelCount || rule > kLastOfferedRule) {
        return false;
    }
    return (LeagueFormatAt(format).allowedRules[transition] & (1u << rule)) != 0;
}

std::vector<uint8_t> AllowedRules(int format, int transition) {
    std::vector<uint8_t> rules;
    for (uint8_t rule = 0; rule <= kLastOfferedRule; ++rule) {
        if (RuleAllowed(format, transition, rule)) {
            rules.push_back(rule);
        }
    }
    return rules;
}

TransitionRules ShownRules(const CCountry& country, int format) {
    TransitionRules rules{};
    for (int transition = 0; transition < kLeagueLevelCount; ++transition) {
        const uint8_t rule = country.relegationRules[transition];
        rules[transition] = RuleAllowed(format, transition, rule) ? rule : 0;
    }
    return rules;
}

std::string RelegationRuleLabel(uint8_t rule) {
    switch (rule) {
    case 0:
        return DialogText("league.rule.0");
    case 1:
        return DialogText("league.rule.1");
    case 2:
        return DialogText("league.rule.2");
    case 3:
        return DialogText("league.rule.3");
    case 4:
        return DialogText("league.rule.4");
    case 5:
        return DialogText("league.rule.5");
    case 6:
        return DialogText("league.rule.6");
    case 7:
        return DialogText("league.rule.7");
    case 8:
        return DialogText("league.rule.8");
    case 9:
        return DialogText("league.rule.9");
    case 10:
        return DialogText("league.rule.10");
    default:
        return std::string();
    }
}

} // namespace tallo
