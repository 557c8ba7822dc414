#pragma once

#include "formats/table_format.h"

#include "formats/interface_language.h"

#include <cstdio>
#include <string>
#include <vector>

namespace tallo {

// The program's string table: every user-interface text by its number, in UTF-8, in the
// interface language (Russian or English; both have every number). An unknown number gives an
// empty text. The reference stays valid for the life of the process.
const std::string& LoadString(int id);
// The text in a given language, whichever the interface shows.
const std::string& LoadString(int id, InterfaceLanguage language);

// True when the table has an entry of that number.
bool HasString(int id);

// Formats a table entry printf-style with the given arguments (numbers and C strings), in the
// interface language. The format comes from the compiled-in table, never from a file.
template <class... Args> std::string FormatString(int id, Args... args) {
    return FormatTableText(LoadString(id), args...);
}

} // namespace tallo
