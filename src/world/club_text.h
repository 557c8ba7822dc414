#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tallo::club_text {

// Rules that keep the club's texts readable from a record file exactly as they were written:
// each text fills one line, and a line must not start like a comment (';') or a marker ('%').

// One-line text: no line break, end-of-file byte or zero byte, no leading ';' or '%'. Texts
// written in quoted lists must also hold no double quote.
bool IsSafeLine(std::string_view text, bool quoted);

// Multi-line text as the club keeps it: every line break (CR LF, a lone CR or a lone LF) as CR
// LF, cut to at most `maxLength` bytes without splitting a CR LF. False (and `out` untouched)
// for a text the file could not carry: a tab (the file's line break), an end-of-file or zero
// byte, another control character, or a leading ';' or '%'.
bool NormaliseMultiLine(std::string_view text, size_t maxLength, std::string& out);

// The one-line form a multi-line text is written in: carriage returns removed, line feeds
// turned into tabs.
std::string EncodeMultiLine(std::string_view text);
// The way back: every tab becomes CR LF; the result is cut to `maxLength` bytes without
// splitting a CR LF.
std::string DecodeMultiLine(std::string_view line, size_t maxLength);

// Badge file of a club section: the first "badges" (any case) loses its final "s", and
// slashes become back slashes. For files without a version, an ending ".bmp" (any case) of a
// name longer than 3 characters becomes ".tga".
std::string NormaliseBadgeFile(std::string_view badge, bool oldFile);

} // namespace tallo::club_text
