#include "editing/records/five_year_ranking_change_model.h"

#include <algorithm>
#include <cctype>

#include "world/country.h"

namespace tallo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

FiveYearRankingChangeModel::FiveYearRankingChangeModel(const CCountry& country)
    : country_(static_cast<int>(country.Number())), values_(RankingValues(country)) {}

int FiveYearRankingChangeModel::Value(int year) const {
    return year >= 0 && year < kYears ? values_[static_cast<size_t>(year)] : 0;
}

void FiveYearRankingChangeModel::SetValue(int year, int hundredths) {
    if (year >= 0 && year < kYears) {
        values_[static_cast<size_t>(year)] =
            static_cast<uint16_t>(std::clamp(hundredths, 0, kMaxHundredths));
    }
}

bool FiveYearRankingChangeModel::SetValueText(int year, std::string_view text) {
    const std::optional<int> value = ParseHundredths(text);
    if (!value.has_value()) {
        return false;
    }
    SetValue(year, *value);
    return true;
}

std::string FiveYearRankingChangeModel::ValueText(int year) const {
    return FormatHundredths(Value(year));
}

int FiveYearRankingChangeModel::FirstSeasonPoints() const {
    return tallo::FirstSeasonPoints(values_);
}

std::string FiveYearRankingChangeModel::FirstSeasonPointsText() const {
    return FormatHundredths(FirstSeasonPoints());
}

bool FiveYearRankingChangeModel::Differs(const CCountry& country) const {
    return RankingValues(country) != values_;
}

bool FiveYearRankingChangeModel::Apply(CCountry& country, ChangeJournal::OpenChange& change) const {
    if (static_cast<int>(country.Number()) != country_ || !Differs(country)) {
        return false;
    }
    change.IncludeCountry(country_);
    std::copy(values_.begin(), values_.end(), std::begin(country.valuesM));
    return true;
}

std::optional<int> FiveYearRankingChangeModel::ParseHundredths(std::string_view text) {
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    // Whole part, capped well above the range so that no digit count overflows.
    constexpr long long kCap = 1'000'000;
    long long whole = 0;
    size_t digits = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at, ++digits) {
        whole = std::min(kCap, whole * 10 + (text[at] - '0'));
    }
    // Fraction: two places kept, the third rounds.
    int fraction = 0;
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        int places = 0;
        for (; at < text.size() && IsDigit(text[at]); ++at, ++digits, ++places) {
            const int digit = text[at] - '0';
            if (places == 0) {
                fraction += digit * 10;
            } else if (places == 1) {
                fraction += digit;
            } else if (places == 2 && digit >= 5) {
                fraction += 1;
            }
        }
    }
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    if (digits == 0 || at != text.size()) {
        return std::nullopt;
    }
    if (negative) {
        return 0;
    }
    const long long hundredths = whole * 100 + fraction;
    return static_cast<int>(std::min<long long>(hundredths, kMaxHundredths));
}

} // namespace tallo
