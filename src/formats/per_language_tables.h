#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "formats/base_text_file.h"
#include "formats/team_colour_text_file.h"

namespace tallo {

// The four numbered text tables of a database's language folder, loaded together by build
// mode and by the main window when a database is opened:
//   "<database>/<language>/shoe.txt"          shoe types, up to 5 rows
//   "<database>/<language>/faceIDs.txt"       special faces, placeholder row 0, up to 1000 rows
//   "<database>/<language>/clubSpeechIDs.txt" club speech samples, placeholder row 0, up to 500
//   "<database>/<language>/TeamColour.txt"    kit colours, up to 30 rows, held twice
class PerLanguageTables {
public:
    // String-table entry of the placeholder row of the face and club speech tables.
    static constexpr uint16_t kPlaceholderString = 789;
    static constexpr int kTeamColourCopies = 2;

    static TextTableLayout ShoeLayout();
    static TextTableLayout FaceLayout();
    static TextTableLayout ClubSpeechLayout();
    static TextTableLayout TeamColourLayout();

    PerLanguageTables();

    // Loads every table from the language folder. A file that cannot be read leaves its table
    // in the missing-file form; the result is true only when all four files were read.
    bool Load(const std::string& databaseFolder, const std::string& languageCode);
    // Empties every table.
    void Clear();

    CBaseTextFile& Shoes() { return shoes_; }
    const CBaseTextFile& Shoes() const { return shoes_; }
    CBaseTextFile& Faces() { return faces_; }
    const CBaseTextFile& Faces() const { return faces_; }
    CBaseTextFile& ClubSpeech() { return clubSpeech_; }
    const CBaseTextFile& ClubSpeech() const { return clubSpeech_; }
    // Both copies are loaded from the same file; a copy number other than 1 gives the first.
    CTeamColourTextFile& TeamColours(int copy = 0) { return teamColours_[CopyIndex(copy)]; }
    const CTeamColourTextFile& TeamColours(int copy = 0) const {
        return teamColours_[CopyIndex(copy)];
    }

    // The path of one table file of the language folder.
    static std::string TablePath(const std::string& databaseFolder, const std::string& languageCode,
                                 const char* fileName);

private:
    static size_t CopyIndex(int copy) { return copy == 1 ? 1 : 0; }

    CBaseTextFile shoes_;
    CBaseTextFile faces_;
    CBaseTextFile clubSpeech_;
    std::array<CTeamColourTextFile, kTeamColourCopies> teamColours_;
};

// The process-wide tables that editors and the game database build read.
PerLanguageTables& GlobalLanguageTables();

} // namespace tallo
