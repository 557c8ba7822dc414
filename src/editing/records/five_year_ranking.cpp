#include "editing/records/five_year_ranking.h"

#include <algorithm>
#include <cstdio>

#include "platform/code_page.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

// The last country of the ranking: 206 is never a European club country.
constexpr int kLastRankedCountry = 205;
constexpr uint32_t kEurope = 0;

// A line is split into columns at tab characters: a control character in a name (the names are
// free 8-bit text) would shift or break the columns, so it is shown as a blank.
std::string ColumnSafe(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return text;
}

} // namespace

int FirstSeasonPoints(const std::array<uint16_t, RankingLine::kYears>& values) {
    int points = 0;
    for (int year = 1; year < RankingLine::kYears; ++year) {
        points += values[static_cast<size_t>(year)];
    }
    return points;
}

std::array<uint16_t, RankingLine::kYears> RankingValues(const CCountry& country) {
    std::array<uint16_t, RankingLine::kYears> values{};
    std::copy(std::begin(country.valuesM), std::end(country.valuesM), values.begin());
    return values;
}

bool InFiveYearRanking(const CCountry& country) {
    return country.Number() >= 1 && country.Number() <= kLastRankedCountry &&
           country.continent == kEurope;
}

std::vector<RankingLine> FiveYearRanking(const CWorld& world, int languageSlot) {
    std::vector<RankingLine> lines;
    for (int number = 1; number <= kLastRankedCountry; ++number) {
        const CCountry* country = world.GetCountry(number);
        if (country == nullptr || !InFiveYearRanking(*country)) {
            continue;
        }
        RankingLine line;
        line.country = number;
        line.name = ColumnSafe(ToUtf8(country->Name(languageSlot), ActiveCodePage()));
        line.values = RankingValues(*country);
        line.points = FirstSeasonPoints(line.values);
        lines.push_back(std::move(line));
    }
    std::sort(lines.begin(), lines.end(), [](const RankingLine& a, const RankingLine& b) {
        return a.points != b.points ? a.points > b.points : a.country > b.country;
    });
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i].place = static_cast<int>(i) + 1;
    }
    return lines;
}

std::string RankingLineText(const RankingLine& line) {
    const auto value = [&line](int year) { return line.values[static_cast<size_t>(year)] / 100.0; };
    // The place, the name, the six years and the points, two decimals each.
    const auto print = [&](char* buffer, size_t size) {
        return std::snprintf(buffer, size,
                             "%i. %s\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%2.2f\t%3.2f", line.place,
                             line.name.c_str(), value(0), value(1), value(2), value(3), value(4),
                             value(5), line.points / 100.0);
    };
    const int length = print(nullptr, 0);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    print(text.data(), text.size());
    text.resize(static_cast<size_t>(length));
    return text;
}

std::string FormatHundredths(int hundredths) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", hundredths / 100.0);
    return buffer;
}

} // namespace tallo
