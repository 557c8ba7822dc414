// countries.sav: the fixed list of the 206 countries, six plain text lines per country.

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/path_resolver.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr size_t kMaxListFileSize = size_t{16} * 1024 * 1024;
// Longest part of a line that is looked at; the rest of a longer line is dropped (it never
// spills into the next line).
constexpr size_t kMaxLineLength = 998;
constexpr int kLinesPerCountry = 6;
constexpr int kMaxPieces = 9;
constexpr uint32_t kMaxContinent = 5;

// Splits the file into lines: LF or CR LF ends a line, a byte 0x1A ends the data, and one
// trailing control character (the CR of CR LF) is removed.
std::vector<std::string_view> SplitLines(std::string_view data) {
    std::vector<std::string_view> lines;
    lines.reserve(CWorld::kCountryCount * kLinesPerCountry + 1);
    size_t end = data.find('\x1A');
    if (end != std::string_view::npos) {
        data = data.substr(0, end);
    }
    size_t start = 0;
    while (start < data.size()) {
        size_t lineEnd = data.find('\n', start);
        size_t next = lineEnd == std::string_view::npos ? data.size() : lineEnd + 1;
        std::string_view line =
            data.substr(start, (lineEnd == std::string_view::npos ? data.size() : lineEnd) - start);
        if (!line.empty() && static_cast<unsigned char>(line.back()) >= 1 &&
            static_cast<unsigned char>(line.back()) <= 31) {
            line.remove_suffix(1);
        }
        if (line.size() > kMaxLineLength) {
            line = line.substr(0, kMaxLineLength);
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

// The pieces of a line split at runs of commas (empty pieces are skipped), at most nine.
std::vector<std::string_view> SplitPieces(std::string_view line) {
    std::vector<std::string_view> pieces;
    size_t start = 0;
    while (start < line.size() && static_cast<int>(pieces.size()) < kMaxPieces) {
        size_t comma = line.find(',', start);
        size_t end = comma == std::string_view::npos ? line.size() : comma;
        if (end > start) {
            pieces.push_back(line.substr(start, end - start));
        }
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return pieces;
}

// A decimal number at the start of the line (leading blanks and a sign allowed), 0 without
// digits; saturated to the 32-bit range.
int64_t ParseNumber(std::string_view line) {
    size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) {
        negative = line[i] == '-';
        ++i;
    }
    int64_t value = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        if (value < 0x80000000LL) {
            value = value * 10 + (line[i] - '0');
        }
        ++i;
    }
    return negative ? -value : value;
}

uint8_t ByteOf(std::string_view line) {
    int64_t value = ParseNumber(line);
    return value >= 0 && value <= 255 ? static_cast<uint8_t>(value) : 0;
}

// The first piece goes into all five slots; pieces 2 to 5 replace slots 1 to 4.
template <class Setter> void SetSlotTexts(std::string_view line, Setter set) {
    std::vector<std::string_view> pieces = SplitPieces(line);
    std::string_view first = pieces.empty() ? std::string_view() : pieces[0];
    for (int slot = 0; slot < CCountry::kLanguageSlots; ++slot) {
        set(slot, first);
    }
    for (size_t i = 1; i < pieces.size() && i < CCountry::kLanguageSlots; ++i) {
        set(static_cast<int>(i), pieces[i]);
    }
}

// Whether a line holds one decimal number and nothing else (blanks around it allowed).
bool IsNumberLine(std::string_view line) {
    size_t i = 0;
    auto skipBlanks = [&line, &i] {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
    };
    skipBlanks();
    if (i < line.size() && (line[i] == '-' || line[i] == '+')) {
        ++i;
    }
    const size_t digits = i;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
        ++i;
    }
    if (i == digits) {
        return false;
    }
    skipBlanks();
    return i == line.size();
}

// Why the lines cannot be the country list ("<line>: what"), or empty when they can: six lines
// for every country, the last four of them numbers.
std::string CheckListLines(const std::vector<std::string_view>& lines) {
    const size_t needed = static_cast<size_t>(CWorld::kCountryCount) * kLinesPerCountry;
    for (size_t index = 0; index < needed && index < lines.size(); ++index) {
        if (index % kLinesPerCountry >= 2 && !IsNumberLine(lines[index])) {
            return std::to_string(index + 1) + ": a number was expected (country " +
                   std::to_string(index / kLinesPerCountry + 1) + ")";
        }
    }
    if (lines.size() < needed) {
        return std::to_string(lines.size() + 1) + ": the list ends after " +
               std::to_string(lines.size()) + " lines; " + std::to_string(needed) +
               " are needed for the " + std::to_string(CWorld::kCountryCount) + " countries";
    }
    return std::string();
}

} // namespace

bool CWorld::LoadCountryList(const std::string& path) {
    ResetCountries();
    countryListError_.clear();
    std::string data;
    bool read = ReadWholeFile(ResolvePath(path), data, kMaxListFileSize);
    std::vector<std::string_view> lines;
    if (!read) {
        countryListError_ = path + ": cannot be read: " + FileErrorText(errno);
    } else {
        lines = SplitLines(data);
        const std::string problem = CheckListLines(lines);
        if (!problem.empty()) {
            // A damaged list would give every country (and its national team) wrong names.
            countryListError_ = path + ":" + problem;
            read = false;
        }
    }
    auto lineAt = [&lines](size_t index) {
        return index < lines.size() ? lines[index] : std::string_view();
    };
    for (int number = 1; number <= kCountryCount; ++number) {
        CCountry& country = *countries_[number];
        if (read) {
            size_t base = static_cast<size_t>(number - 1) * kLinesPerCountry;
            SetSlotTexts(lineAt(base), [&country](int slot, std::string_view text) {
                country.SetName(slot, text);
            });
            SetSlotTexts(lineAt(base + 1), [&country](int slot, std::string_view text) {
                country.SetAbbreviation(slot, text);
            });
            int64_t continent = ParseNumber(lineAt(base + 2));
            country.continent =
                continent >= 0 && continent <= kMaxContinent ? static_cast<uint32_t>(continent) : 0;
            country.languages[0] = ByteOf(lineAt(base + 3));
            country.mainLanguage = country.languages[0];
            country.languages[1] = ByteOf(lineAt(base + 4));
            country.worldValueG = ByteOf(lineAt(base + 5));
        }
        country.EnsureNationalTeam();
        country.CreateCompetitionTree(true);
        country.nationalCupMode = 1;
    }
    loaded_ = 1;
    return read;
}

} // namespace tallo
