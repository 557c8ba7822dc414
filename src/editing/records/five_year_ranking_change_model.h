#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editing/journal/change_journal.h"
#include "editing/records/five_year_ranking.h"

namespace tallo {

class CCountry;

// The five-year ranking change editor (CDlgFiveYearRankingChange): a country's six yearly
// values, entered as decimals with two places from 0.00 to 655.35 (the values are kept in
// hundredths in 16 bits), and the points for the first season that follow from them.
//
// The model works on its own values, filled from the country; Apply writes them into the
// country, which it first includes in the open change of the window around it.
class FiveYearRankingChangeModel {
public:
    static constexpr int kYears = RankingLine::kYears;
    static constexpr int kMaxHundredths = 65535;

    explicit FiveYearRankingChangeModel(const CCountry& country);

    int Country() const { return country_; }

    // The value of a year (0 last year ... 5 six years ago) in hundredths; 0 outside.
    int Value(int year) const;
    // Sets a year's value, brought into 0 to 655.35.
    void SetValue(int year, int hundredths);
    // Sets a year's value from a typed decimal ("12.5", "12,50"); false when the text holds no
    // number (the value stays). A number outside the range is set to the nearer end.
    bool SetValueText(int year, std::string_view text);
    // The value as the field shows it ("12.50").
    std::string ValueText(int year) const;

    // The points that count for the first season (hundredths) and their text.
    int FirstSeasonPoints() const;
    std::string FirstSeasonPointsText() const;

    // Whether any value differs from the country's.
    bool Differs(const CCountry& country) const;
    // Writes the values into the country, including it in `change` first; nothing is written
    // (and nothing included) when no value differs. True when the country was changed.
    bool Apply(CCountry& country, ChangeJournal::OpenChange& change) const;

    // A typed decimal in hundredths: optional blanks and sign, digits, "." or "," and more
    // digits; rounded to the nearest hundredth and brought into 0 to 655.35. std::nullopt
    // when the text is not such a number.
    static std::optional<int> ParseHundredths(std::string_view text);

private:
    int country_ = 0;
    std::array<uint16_t, kYears> values_{};
};

} // namespace tallo
