// Club files (".clb"): one club with its players in a section CLUB0.
#include "world/club.h"

#include <mutex>
#include <string>

#include "formats/kl_file.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "platform/prompt.h"
#include "world/club_io_context.h"

namespace tallo {

namespace {

constexpr int kClubFileFilterString = 797;
constexpr int kSaveErrorString = 798;
constexpr int kErrorHeadlineString = 622;
constexpr const char* kClubFileExtension = "clb";

std::mutex g_folderMutex;
std::string g_clubFileFolder;

void RememberFolderOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    std::lock_guard<std::mutex> lock(g_folderMutex);
    g_clubFileFolder = slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// A file name proposed from a club name: characters that cannot stand in a file name become
// blanks.
std::string ProposedFileName(std::string_view clubName) {
    std::string name = ToUtf8(clubName, ActiveCodePage());
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return name;
}

} // namespace

std::string CClub::RememberedClubFileFolder() {
    std::lock_guard<std::mutex> lock(g_folderMutex);
    return g_clubFileFolder;
}

bool CClub::SaveClubFile(const std::string& path, ClubIoContext& context) const {
    CKLFile file;
    if (!file.OpenForWrite(path)) {
        return false;
    }
    if (!Save(file, 0, context)) {
        file.AbandonWrite();
        return false;
    }
    return file.Close();
}

CClub::ClubFileResult CClub::LoadClubFile(const std::string& path, ClubIoContext& context) {
    CKLFile file;
    if (!file.OpenForRead(path)) {
        return ClubFileResult::kCannotOpen;
    }
    // Look for the club before anything of the club is touched: a file without it leaves the
    // club and its players as they are.
    if (!file.FindSection(SectionName(0))) {
        return ClubFileResult::kNoClubSection;
    }
    // The former players leave the list; they stay in the registry but belong to no list, so
    // the next save does not write them.
    ClearPlayers();
    refusedPlayers_ = 0;
    ReadSectionBody(file, 0, kLoadDropStadiums | kLoadDropBadge, context);
    ApplyOldColourEntry(context);
    file.Close();
    PostLoadCheck(context);
    return ClubFileResult::kLoaded;
}

bool CClub::SaveToFile(IPrompt& prompt, int languageSlot, ClubIoContext& context) const {
    std::string proposed = ProposedFileName(Name(languageSlot));
    std::string folder = RememberedClubFileFolder();
    if (!folder.empty()) {
        proposed = folder + "/" + proposed;
    }
    std::optional<std::string> path =
        prompt.ChooseFileToSave(LoadString(kClubFileFilterString), kClubFileExtension, proposed);
    if (!path || path->empty()) {
        return false;
    }
    RememberFolderOf(*path);
    if (!SaveClubFile(*path, context)) {
        prompt.ShowErrorWindow(LoadString(kErrorHeadlineString), LoadString(kSaveErrorString));
        return false;
    }
    return true;
}

bool CClub::LoadFromFile(IPrompt& prompt, ClubIoContext& context) {
    std::optional<std::string> path =
        prompt.ChooseFileToOpen(LoadString(kClubFileFilterString), kClubFileExtension);
    if (!path || path->empty()) {
        return false;
    }
    RememberFolderOf(*path);
    switch (LoadClubFile(*path, context)) {
    case ClubFileResult::kLoaded:
        return true;
    case ClubFileResult::kCannotOpen:
        prompt.ShowErrorWindow(LoadString(kErrorHeadlineString),
                               "The club file " + *path + " cannot be opened.");
        return false;
    case ClubFileResult::kNoClubSection:
        prompt.ShowErrorWindow(LoadString(kErrorHeadlineString),
                               "The file " + *path + " holds no club. The club is unchanged.");
        return false;
    }
    return false;
}

} // namespace tallo
