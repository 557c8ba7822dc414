#pragma once

#include <string>
#include <string_view>

namespace tallo {

// The 8-bit code pages that record text may be written in. Record files keep their text as
// bytes; conversion to and from UTF-8 happens only where text meets the user.
enum class CodePage { Windows1252, Windows1251 };

// Every byte has a character: bytes the code page leaves undefined map to the C1 control
// character of the same number, so that any byte string survives a round trip.
std::string ToUtf8(std::string_view bytes, CodePage page);

// Characters the code page cannot spell, and bytes that are not valid UTF-8, become "?" and
// make *lossless false (true otherwise).
std::string FromUtf8(std::string_view utf8, CodePage page, bool* lossless = nullptr);

// True when every character of valid UTF-8 text has a byte in the code page.
bool CanEncode(std::string_view utf8, CodePage page);

// The code page of the whole process; Windows-1252 until set otherwise. Safe across threads.
CodePage ActiveCodePage();
void SetActiveCodePage(CodePage page);

} // namespace tallo
