#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tallo {

// Reading and writing the texts of the club pages' edit fields. The pages keep what the user
// typed as text and turn it into numbers only when they store, so that a malformed entry can
// be refused with a message instead of turning into a wrong number.

// The most characters an edit accepts: its own limit, but never fewer than the text it was
// filled with (a longer value read from a file is shown whole and not cut by merely opening
// the page).
size_t EditLengthFor(size_t limit, std::string_view filled);

// A whole number of at most `maxDigits` digits, blanks around it allowed; an empty text reads
// as 0. Nothing for any other text (signs, letters, too many digits).
std::optional<int32_t> ReadDigits(std::string_view text, size_t maxDigits);

// A list of years as the titles keep them: years of 1 to 4 digits separated by commas
// (blanks around them allowed), e.g. "1950, 1951". Gives the list without blanks
// ("1950,1951"), an empty text for an empty list; nothing for a malformed list (an empty item,
// a letter, a number of more than 4 digits).
std::optional<std::string> ReadYearList(std::string_view text);

// A match result typed as "3:1" (also "3-1"); goals 0 to 99 each. An empty text reads as 0:0.
std::optional<std::pair<int, int>> ReadMatchResult(std::string_view text);
std::string FormatMatchResult(int goalsA, int goalsB);

// A number as the edits show it: "0" shown as an empty text when `emptyForZero`.
std::string NumberText(int64_t value, bool emptyForZero = false);

// Multi-line record text to the form an edit shows (line breaks as "\n") and back is done by
// the club itself; this turns CR LF and lone CR into "\n" for showing.
std::string LinesForEdit(std::string_view text);

} // namespace tallo
