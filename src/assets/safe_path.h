#pragma once

#include <string_view>

namespace tallo {

// Whether a name taken from an archive (a BIG entry, a world archive chunk) may be used as a
// path below a target folder. Both "\\" and "/" separate folders, as either may appear in
// stored names. A name is refused when it
//   - is empty or holds a zero byte;
//   - is absolute: starts with a separator (also "\\\\server\\share");
//   - names a drive or a stream: holds a ":" anywhere ("C:", "C:file", "name:stream");
//   - has a folder level made only of dots and blanks with two dots or more ("..", "...",
//     ".. "), which climbs out of the folder or does so once Windows strips the trailing
//     dots and blanks of a name.
// Extract and import code skips names that fail; a plain "a..b.tga" or ".hidden" passes.
bool IsSafeEntryName(std::string_view name);

} // namespace tallo
