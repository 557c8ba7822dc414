#include "competitions/competition_keywords.h"

namespace tallo {

bool RelegationRule::AllowsSize(uint8_t rule, int32_t size) {
    switch (rule) {
    case kEngland1:
    case kEngland2:
    case kEngland3:
        return size >= 8;
    case kScotland:
        return size == 12;
    case kHolland:
        return false;
    case kIndoor:
        return size == 0 || size == 1 || size == 2 || size == 3 || size == 6 || size == 8;
    default:
        return rule <= 5 || rule == kSwitzerland;
    }
}

const KeywordTable& CompetitionKindKeywords() {
    static const KeywordTable table{
        {"ROOT", 0},
        {"LEAGUE", 1},
        {"FA_CUP", 3},
        {"LE_CUP", 4},
        {"CHALLENGE_SHIELD", 5},
        {"CONFERENCE_CUP", 6},
        {"SUPERCUP", 7},
        {"RELEGATION", 8},
        {"CHAMPIONSLEAGUE", 9},
        {"UEFA_CUP", 10},
        {"TOYOTA", 11},
        {"EURO_SUPERCUP", 12},
        {"WORLD_CLUB_CHAMP", 13},
        {"UIC", 14},
        {"QUALI_WC", 15},
        {"QUALI_EC", 16},
        {"WORLD_CUP", 17},
        {"EURO_CUP", 18},
        {"REL1", 19},
        {"REL2", 20},
        {"REL3", 21},
        {"INDOOR", 22},
        {"FRIENDLY", 23},
        {"SCOTT1", 24},
        {"SCOTT2", 25},
        {"SWITZERLAND", 26},
    };
    return table;
}

const KeywordTable& NodeKindKeywords() {
    static const KeywordTable table{{"DB_ROOT", 0}, {"DB_LEAGUE", 1}, {"DB_SPARE", 2},
                                    {"DB_CUP", 3},  {"DB_ROUND", 4},  {"DB_POOL", 5}};
    return table;
}

const KeywordTable& RelegationRuleKeywords() {
    static const KeywordTable table{
        {"REL_RULE_0", 0},
        {"REL_RULE_1", 1},
        {"REL_RULE_2", 2},
        {"REL_RULE_3", 3},
        {"REL_RULE_4", 4},
        {"REL_RULE_5", 5},
        {"REL_RULE_ENGLAND1", 6},
        {"REL_RULE_ENGLAND2", 7},
        {"REL_RULE_ENGLAND3", 8},
        {"REL_RULE_SCOTLAND", 9},
        {"REL_RULE_SWITZERLAND", 10},
        {"REL_RULE_HOLLAND", 11},
        {"REL_RULE_INDOOR", 12},
    };
    return table;
}

const KeywordTable& RoundKindKeywords() {
    static const KeywordTable table{
        {"ROUND_QUALI", 1},     {"ROUND_1", 2},
        {"ROUND_2", 3},         {"ROUND_3", 4},
        {"ROUND_4", 5},         {"ROUND_PREROUND1", 6},
        {"ROUND_LAST_16", 7},   {"ROUND_QUARTERFINAL", 8},
        {"ROUND_SEMIFINAL", 9}, {"ROUND_FINAL", 10},
        {"ROUND_GROUP1", 12},   {"ROUND_GROUP2", 13},
    };
    return table;
}

const KeywordTable& PoolSortKeywords() {
    static const KeywordTable table{{"POOL_SORT_INDOOR", 1},
                                    {"POOL_SORT_NAT_UEFA5", 2},
                                    {"POOL_SORT_MAP_NORTH_SOUTH", 3},
                                    {"POOL_SORT_MAP_WEST_EAST", 4}};
    return table;
}

const KeywordTable& StageIdKeywords() {
    static const KeywordTable table{
        {"ID_QUALI", 1},    {"ID_ROUND1", 2},       {"ID_ROUND2", 3},    {"ID_ROUND3", 4},
        {"ID_LAST_16", 5},  {"ID_QUARTERFINAL", 6}, {"ID_SEMIFINAL", 7}, {"ID_FINAL", 8},
        {"ID_GROUP_A", 9},  {"ID_GROUP_B", 10},     {"ID_GROUP_C", 11},  {"ID_GROUP_D", 12},
        {"ID_GROUP_E", 13}, {"ID_GROUP_F", 14},     {"ID_GROUP_G", 15},  {"ID_GROUP_H", 16},
        {"ID_GROUP_1", 17}, {"ID_GROUP_2", 18},     {"ID_GROUP_3", 19},  {"ID_GROUP_4", 20},
    };
    return table;
}

const KeywordTable& MatchFlagKeywords() {
    static const KeywordTable table{
        {"BEG_1ST_LEG", 0},
        {"BEG_2ND_LEG", 1},
        {"BEG_WITH_REPLAY", 2},
        {"BEG_WITH_EXTRA_TIME", 4},
        {"BEG_WITH_GOALDEN_GOAL", 8},
        {"BEG_WITH_PENALTY", 16},
        {"BEG_END", 32},
        {"BEG_1ST_PLAYED", 256},
        {"BEG_2ND_PLAYED", 512},
        {"BEG_EXTRA_TIME", 4096},
        {"BEG_GOALDEN_GOAL", 8192},
        {"BEG_PENALTY", 16384},
        {"BEG_FINISHED", 32768},
        {"BEG_WITHOUT_AWAY_GOAL", 134217728},
    };
    return table;
}

std::string MatchFlagsToText(uint32_t flags) {
    std::string text;
    for (int bit = 0; bit < 32; ++bit) {
        uint32_t value = uint32_t{1} << bit;
        if ((flags & value) == 0) {
            continue;
        }
        std::string_view keyword = MatchFlagKeywords().KeywordOf(static_cast<int32_t>(value));
        if (keyword.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += keyword;
    }
    return text.empty() ? "0" : text;
}

uint32_t MatchFlagsFromText(std::string_view text) {
    uint32_t flags = 0;
    while (true) {
        size_t comma = text.find(',');
        int32_t value = 0;
        if (MatchFlagKeywords().Find(text.substr(0, comma), value)) {
            flags |= static_cast<uint32_t>(value);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    return flags;
}

} // namespace tallo
