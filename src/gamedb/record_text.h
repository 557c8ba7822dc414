#pragma once

#include <string>

#if defined(__GNUC__)
#define TALLO_RECORD_PRINTF __attribute__((format(printf, 1, 2)))
#else
#define TALLO_RECORD_PRINTF
#endif

namespace tallo {

// printf-style formatting into a string, for the lines of the console text lists. The format
// is always a literal of the program; record texts only ever enter as arguments.
std::string RecordPrintf(const char* format, ...) TALLO_RECORD_PRINTF;

} // namespace tallo
