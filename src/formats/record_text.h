#pragma once

#include "platform/code_page.h"

#include <string>

namespace tallo {

// A string-table text that the program writes into a record (a new competition's name, the
// placeholder names of a missing league or cup, the default names of a new person): the text of
// the interface language in the 8-bit code page of the records. A text the code page cannot
// spell (Russian in Windows-1252) is written in English instead, never as question marks.
std::string RecordText(int id);
std::string RecordText(int id, CodePage page);

} // namespace tallo
