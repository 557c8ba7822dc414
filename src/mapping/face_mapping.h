#pragma once

#include <string>

namespace tallo {

class CBaseTextFile;
class CWorld;

// What MapFaces did.
struct FaceMappingResult {
    int successful = 0; // matches made
    int unmapped = 0;   // face rows never matched
    int overmapped = 0; // face rows matched more than once
    bool reportWritten = false;
};

// Gives the players special faces from the special-face table ("faceIDs.txt" of the language
// folder). For every player listed by a club of countries 1 to 206 (national teams left out):
// with `overwrite` his special face first becomes 0; then "first name surname" is compared,
// accents folded, with the text of every face row in row order, and at each row that matches
// the special face becomes that row's number. The table's placeholder row (the "none" entry
// of number 0) and rows without text are no faces and take no part.
//
// With a report path (empty: none) the report is written there: "Face mapping statistics:",
// the numbers of matches, of rows never matched and of rows matched more than once, then the
// texts of the rows never matched and of those matched more than once with their counts.
FaceMappingResult MapFaces(CWorld& world, const CBaseTextFile& faces, const std::string& reportPath,
                           bool overwrite);

} // namespace tallo
