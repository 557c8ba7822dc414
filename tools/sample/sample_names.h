#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sample_random.h"

namespace tallo::sample {

// The flavour of the names of a country's people and places.
enum class NameStyle { kGermanic, kRomance, kSlavic, kNordic, kWorld, kStyleCount };

// Builds names from small syllable tables. Every text it returns is 8-bit Windows-1252 text, as
// the record files hold it; some syllables carry accents (é, ü, ñ, ø, š, ß ...), so that the
// sample exercises the 8-bit paths of readers, writers and comparisons.
class SampleNames {
public:
    SampleNames();

    std::string FirstName(SampleRandom& random, NameStyle style) const; // at most 15 bytes
    std::string Surname(SampleRandom& random, NameStyle style) const;   // at most 19 bytes
    // A woman's first name (for the name files), at most 15 bytes.
    std::string FemaleFirstName(SampleRandom& random, NameStyle style) const;
    std::string Place(SampleRandom& random) const;       // at most 20 bytes
    std::string CountryName(SampleRandom& random) const; // at most 20 bytes
    // A club name built around a place, at most 29 bytes.
    std::string ClubName(SampleRandom& random, const std::string& place) const;
    std::string FanName(SampleRandom& random) const;                      // at most 19 bytes
    std::string Mascot(SampleRandom& random) const;                       // at most 19 bytes
    std::string Nickname(SampleRandom& random) const;                     // at most 19 bytes
    std::string SponsorName(SampleRandom& random, NameStyle style) const; // at most 28 bytes
    std::string StadiumName(SampleRandom& random, NameStyle style, const std::string& place) const;
    std::string Newspaper(SampleRandom& random, const std::string& place) const;
    std::string Magazine(SampleRandom& random, const std::string& country) const;

private:
    struct Syllables {
        std::vector<std::string> starts;
        std::vector<std::string> ends;
    };
    struct Style {
        Syllables first;
        Syllables surname;
        std::vector<std::string> femaleEnds; // endings of women's names after `first.starts`
    };

    Style styles_[static_cast<int>(NameStyle::kStyleCount)];
    Syllables place_;
    std::vector<std::string> placeMiddles_;
    Syllables country_;
    std::vector<std::string> countryMiddles_;
    std::vector<std::string> clubPrefixes_;
    std::vector<std::string> clubSuffixes_;
    std::vector<std::string> fanNames_;
    std::vector<std::string> mascots_;
    std::vector<std::string> nicknames_;
    std::vector<std::string> sponsorTrades_;
    std::vector<std::string> stadiumWords_;
    std::vector<std::string> newspaperPatterns_;
};

// The text cut to `maxLength` bytes, without blanks at its ends and without double blanks
// (names are tidied that way when they are read back).
std::string Fit(std::string_view text, size_t maxLength);

// ASCII letters of a text in lower case, other bytes dropped (for web addresses and files).
std::string AsciiSlug(std::string_view text);

// ASCII letters upper-cased; other bytes kept.
std::string UpperAscii(std::string_view text);

} // namespace tallo::sample
