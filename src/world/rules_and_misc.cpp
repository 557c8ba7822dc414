#include "world/rules_and_misc.h"

#include "formats/kl_file.h"
#include "world/file_version.h"

#include <algorithm>
#include <cstring>

namespace tallo {

namespace {

constexpr const char* kSection = "RULES_AND_MISC";
constexpr const char* kFileName = "Rules.sav";
// Each quoted list line is read into a buffer of this size (1023 characters and the end).
constexpr size_t kListLineSize = 1024;

bool ValidIndex(int index, int count) {
    return index >= 0 && index < count;
}

// Copies at most size-1 characters and zero-fills the rest of the field.
void CopyToField(char* field, size_t size, std::string_view text) {
    const size_t length = std::min(text.size(), size - 1);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, size - length);
}

// A name must not hold a double quote (it ends a quoted list element) nor a control character
// (a line break or 0x1A would end the line or the data).
bool NameTextAllowed(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || c == '"';
    });
}

// A name read from a file obeys the rule of names set in the editor. A broken list line can
// hand an element a double quote (an element without its closing quote takes the rest of the
// line) or a control character; the writer would store them as an apostrophe and a blank, so
// they become that at once and the object is the same before and after a save.
void CleanName(char* name, size_t size) {
    for (size_t i = 0; i < size && name[i] != '\0'; ++i) {
        if (name[i] == '"')
            name[i] = '\'';
        else if (static_cast<unsigned char>(name[i]) < 0x20)
            name[i] = ' ';
    }
}

// Reads one quoted list line into the five language fields of one competition. A missing line
// gives empty names: the line buffer starts empty for every list, so nothing of an earlier line
// can leak into this one.
template <size_t Size>
bool ReadNameList(CKLFile& file, char (&names)[RulesAndMisc::kLanguages][Size]) {
    char line[kListLineSize] = {};
    const bool ok = file.ReadString(line, sizeof line);
    const char* position = line;
    for (auto& name : names) {
        CKLFile::ReadQuotedItem(position, name, Size);
        CleanName(name, Size);
    }
    return ok;
}

template <size_t Size>
bool WriteNameList(CKLFile& file, const char (&names)[RulesAndMisc::kLanguages][Size]) {
    return file.WriteQuotedList(names[0], RulesAndMisc::kLanguages, Size);
}

bool ReadReference(CKLFile& file, uint32_t& reference) {
    int32_t value = 0;
    const bool ok = file.ReadInt(value);
    reference = static_cast<uint32_t>(value);
    return ok;
}

} // namespace

RulesAndMisc::RulesAndMisc() {
    std::memset(longNames_, 0, sizeof longNames_);
    std::memset(shortNames_, 0, sizeof shortNames_);
    std::fill(std::begin(clubReferences_), std::end(clubReferences_), 0u);
    std::fill(std::begin(stadiumReferences_), std::end(stadiumReferences_), 0u);
    std::fill(std::begin(furtherClubReferences_), std::end(furtherClubReferences_), 0u);
    std::fill(std::begin(pointsRules_), std::end(pointsRules_), 0);
    friendlySubstitutions_ = kDefaultFriendlySubstitutions;
}

// Names --------------------------------------------------------------------------------------

std::string_view RulesAndMisc::LongName(int competition, int language) const {
    if (!ValidIndex(competition, kCompetitions) || !ValidIndex(language, kLanguages))
        return {};
    return longNames_[competition][language];
}

std::string_view RulesAndMisc::ShortName(int competition, int language) const {
    if (!ValidIndex(competition, kCompetitions) || !ValidIndex(language, kLanguages))
        return {};
    return shortNames_[competition][language];
}

bool RulesAndMisc::SetLongName(int competition, int language, std::string_view text) {
    if (!ValidIndex(competition, kCompetitions) || !ValidIndex(language, kLanguages) ||
        !NameTextAllowed(text))
        return false;
    CopyToField(longNames_[competition][language], kLongNameSize, text);
    return true;
}

bool RulesAndMisc::SetShortName(int competition, int language, std::string_view text) {
    if (!ValidIndex(competition, kCompetitions) || !ValidIndex(language, kLanguages) ||
        !NameTextAllowed(text))
        return false;
    CopyToField(shortNames_[competition][language], kShortNameSize, text);
    return true;
}

void RulesAndMisc::ShortNamesFromLongNames() {
    for (int g = 0; g < kCompetitions; ++g)
        for (int l = 0; l < kLanguages; ++l)
            CopyToField(shortNames_[g][l], kShortNameSize, longNames_[g][l]);
}

// References and rules -----------------------------------------------------------------------

uint32_t RulesAndMisc::ClubReference(int index) const {
    return ValidIndex(index, kClubReferences) ? clubReferences_[index] : 0;
}

bool RulesAndMisc::SetClubReference(int index, uint32_t reference) {
    if (!ValidIndex(index, kClubReferences))
        return false;
    clubReferences_[index] = reference;
    return true;
}

uint32_t RulesAndMisc::StadiumReference(int index) const {
    return ValidIndex(index, kStadiumReferences) ? stadiumReferences_[index] : 0;
}

bool RulesAndMisc::SetStadiumReference(int index, uint32_t reference) {
    if (!ValidIndex(index, kStadiumReferences))
        return false;
    stadiumReferences_[index] = reference;
    return true;
}

uint32_t RulesAndMisc::FurtherClubReference(int index) const {
    return ValidIndex(index, kFurtherClubReferences) ? furtherClubReferences_[index] : 0;
}

bool RulesAndMisc::SetFurtherClubReference(int index, uint32_t reference) {
    if (!ValidIndex(index, kFurtherClubReferences))
        return false;
    furtherClubReferences_[index] = reference;
    return true;
}

int32_t RulesAndMisc::PointsRule(int index) const {
    return ValidIndex(index, kPointsRules) ? pointsRules_[index] : 0;
}

bool RulesAndMisc::SetPointsRule(int index, int32_t value) {
    if (!ValidIndex(index, kPointsRules))
        return false;
    pointsRules_[index] = value;
    return true;
}

// Files --------------------------------------------------------------------------------------

bool RulesAndMisc::Write(CKLFile& file) const {
    bool ok = file.WriteSectionBegin(kSection);
    ok = WriteVersion(file) && ok;
    for (const auto& names : longNames_)
        ok = WriteNameList(file, names) && ok;
    for (const auto& names : shortNames_)
        ok = WriteNameList(file, names) && ok;
    for (uint32_t reference : clubReferences_)
        ok = file.WriteInt(static_cast<int32_t>(reference)) && ok;
    for (uint32_t reference : stadiumReferences_)
        ok = file.WriteInt(static_cast<int32_t>(reference)) && ok;
    for (uint32_t reference : furtherClubReferences_)
        ok = file.WriteInt(static_cast<int32_t>(reference)) && ok;
    for (int32_t rule : pointsRules_)
        ok = file.WriteInt(rule) && ok;
    ok = file.WriteInt(friendlySubstitutions_) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

// Values that the file lacks at the end of the section read as 0, as every value read of a
// record file does; the values before them are kept. Older editions of the format wrote fewer
// values, so which lines are present depends on the file's version.
bool RulesAndMisc::Read(CKLFile& file) {
    if (!file.FindSection(kSection))
        return false;
    ReadVersion(file);
    const bool currentMajor = FileVersion::AtLeastCurrentMajor();
    const bool withFourthCompetition = currentMajor && FileVersion::LoadedMinor() >= 4;
    const bool withShortNames = FileVersion::CurrentMajorWithMinor(7);

    // Long names: competitions 0 and 1 always, 2 from major 0x2004, 3 from minor 4.
    ReadNameList(file, longNames_[0]);
    ReadNameList(file, longNames_[1]);
    if (currentMajor)
        ReadNameList(file, longNames_[2]);
    if (withFourthCompetition)
        ReadNameList(file, longNames_[3]);

    // Short names are stored from minor 7; earlier files take them from the long names.
    if (withShortNames) {
        for (int g = 0; g < kCompetitions - 1; ++g)
            ReadNameList(file, shortNames_[g]);
        if (FileVersion::LoadedMinor() >= 4)
            ReadNameList(file, shortNames_[kCompetitions - 1]);
    } else {
        ShortNamesFromLongNames();
    }

    // The third club and stadium references came with major 0x2004.
    ReadReference(file, clubReferences_[0]);
    ReadReference(file, clubReferences_[1]);
    if (currentMajor)
        ReadReference(file, clubReferences_[2]);
    ReadReference(file, stadiumReferences_[0]);
    ReadReference(file, stadiumReferences_[1]);
    if (currentMajor)
        ReadReference(file, stadiumReferences_[2]);
    for (uint32_t& reference : furtherClubReferences_)
        ReadReference(file, reference);
    for (int32_t& rule : pointsRules_)
        file.ReadInt(rule);
    file.ReadInt(friendlySubstitutions_);

    if (!file.SkipSection(kSection))
        file.NoteFinding("the file ends before the end of section RULES_AND_MISC");
    return true;
}

bool RulesAndMisc::SaveRules(const std::string& folder) const {
    CKLFile file;
    if (!file.OpenForWrite(folder + "/" + kFileName))
        return false;
    if (!Write(file)) {
        file.AbandonWrite();
        return false;
    }
    return file.Close();
}

bool RulesAndMisc::LoadRules(const std::string& folder) {
    CKLFile file;
    if (!file.OpenForRead(folder + "/" + kFileName))
        return false;
    const bool found = Read(file);
    file.Close();
    return found;
}

void RulesAndMisc::ValidateRules(const ClubCheck& currentClub, const StadiumCheck& stadiumExists) {
    if (currentClub) {
        for (uint32_t& reference : clubReferences_)
            if (reference != 0)
                reference = currentClub(reference);
        for (uint32_t& reference : furtherClubReferences_)
            if (reference != 0)
                reference = currentClub(reference);
    }
    if (stadiumExists) {
        for (uint32_t& reference : stadiumReferences_)
            if (reference != 0 && !stadiumExists(reference))
                reference = 0;
    }
    friendlySubstitutions_ = std::clamp(friendlySubstitutions_, 0, kMaxFriendlySubstitutions);
}

} // namespace tallo
