#include "competitions/competition_id.h"

#include "competitions/competition_keywords.h"
#include "competitions/number_text.h"

namespace tallo::CompetitionId {

std::string ToText(uint32_t id) {
    std::string text = "{ ";
    text += std::to_string(CountryOf(id));
    text += ", ";
    text += CompetitionKindKeywords().KeywordOf(static_cast<int32_t>(KindOf(id)));
    text += ", ";
    text += std::to_string(NumberOf(id));
    text += " }";
    return text;
}

uint32_t Parse(std::string_view text, size_t* end) {
    size_t brace = text.find('{');
    if (brace == std::string_view::npos) {
        if (end != nullptr) {
            *end = text.size();
        }
        return 0;
    }
    std::string_view rest = text.substr(brace + 1);
    int64_t country = LeadingNumber(rest);
    uint32_t kind = 0;
    int64_t number = 0;
    size_t comma = rest.find(',');
    if (comma != std::string_view::npos) {
        rest.remove_prefix(comma + 1);
        kind = static_cast<uint32_t>(CompetitionKindKeywords().Lookup(rest, 0));
        comma = rest.find(',');
        if (comma != std::string_view::npos) {
            rest.remove_prefix(comma + 1);
            number = LeadingNumber(rest);
        }
    }
    if (end != nullptr) {
        size_t close = text.find('}', brace);
        *end = close == std::string_view::npos ? text.size() : close + 1;
    }
    return Make(static_cast<uint32_t>(country), kind, static_cast<uint32_t>(number));
}

std::string ListToText(const uint32_t* ids, size_t count, uint32_t countryOverride) {
    std::string text;
    for (size_t i = 0; i < count && ids[i] != 0; ++i) {
        if (!text.empty()) {
            text += ",";
        }
        text += ToText(Override(ids[i], countryOverride));
    }
    return text.empty() ? "0" : text;
}

std::vector<uint32_t> ParseList(std::string_view text, size_t limit) {
    std::vector<uint32_t> ids;
    while (ids.size() < limit) {
        size_t brace = text.find('{');
        if (brace == std::string_view::npos) {
            break;
        }
        text.remove_prefix(brace);
        size_t end = 0;
        uint32_t id = Parse(text, &end);
        if (id != 0) {
            ids.push_back(id);
        }
        text.remove_prefix(end > 0 ? end : 1);
    }
    return ids;
}

} // namespace tallo::CompetitionId
