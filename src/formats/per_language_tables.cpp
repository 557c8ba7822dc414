#include "formats/per_language_tables.h"

namespace tallo {

TextTableLayout PerLanguageTables::ShoeLayout() {
    return TextTableLayout{5, true, true, true, 0, 0};
}

TextTableLayout PerLanguageTables::FaceLayout() {
    // The face name comes first, its number second.
    return TextTableLayout{1000, true, true, false, kPlaceholderString, 0};
}

TextTableLayout PerLanguageTables::ClubSpeechLayout() {
    return TextTableLayout{500, true, true, true, kPlaceholderString, 0};
}

TextTableLayout PerLanguageTables::TeamColourLayout() {
    return TextTableLayout{30, true, true, true, 0, 0};
}

PerLanguageTables::PerLanguageTables()
    : shoes_(ShoeLayout()), faces_(FaceLayout()),
      clubSpeech_(ClubSpeechLayout()), teamColours_{CTeamColourTextFile(TeamColourLayout()),
                                                    CTeamColourTextFile(TeamColourLayout())} {}

std::string PerLanguageTables::TablePath(const std::string& databaseFolder,
                                         const std::string& languageCode, const char* fileName) {
    return databaseFolder + "/" + languageCode + "/" + fileName;
}

bool PerLanguageTables::Load(const std::string& databaseFolder, const std::string& languageCode) {
    bool ok = shoes_.Load(TablePath(databaseFolder, languageCode, "shoe.txt"));
    ok = faces_.Load(TablePath(databaseFolder, languageCode, "faceIDs.txt")) && ok;
    ok = clubSpeech_.Load(TablePath(databaseFolder, languageCode, "clubSpeechIDs.txt")) && ok;
    const std::string colours = TablePath(databaseFolder, languageCode, "TeamColour.txt");
    for (CTeamColourTextFile& table : teamColours_) {
        ok = table.Load(colours) && ok;
    }
    return ok;
}

void PerLanguageTables::Clear() {
    shoes_.Clear();
    faces_.Clear();
    clubSpeech_.Clear();
    for (CTeamColourTextFile& table : teamColours_) {
        table.Clear();
    }
}

PerLanguageTables& GlobalLanguageTables() {
    static PerLanguageTables tables;
    return tables;
}

} // namespace tallo
