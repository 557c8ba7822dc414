#include "app/database_folders.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "formats/string_table.h"
#include "platform/atomic_file.h"
#include "platform/documents_folder.h"
#include "platform/path_resolver.h"
#include "platform/prompt.h"
#include "platform/recursive_delete.h"
#include "world/world.h"

namespace tallo {

namespace {

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

bool IsDotsOnly(std::string_view name) {
    return !name.empty() && name.find_first_not_of('.') == std::string_view::npos;
}

// Characters of a UTF-8 text (continuation bytes not counted).
size_t CharacterCount(std::string_view text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string Folded(std::string_view name) {
    std::string folded(name);
    FoldNameCase(folded);
    return folded;
}

bool IsScratchName(std::string_view name) {
    return Folded(name) == Folded(DatabaseFolders::kScratchName);
}

} // namespace

DatabaseNameProblem CheckDatabaseName(std::string_view name) {
    if (name.empty()) {
        return DatabaseNameProblem::Empty;
    }
    for (char c : name) {
        if (IsControl(static_cast<unsigned char>(c))) {
            return DatabaseNameProblem::ControlCharacter;
        }
        if (std::string_view("\\/\"*?<>:|").find(c) != std::string_view::npos) {
            return DatabaseNameProblem::ForbiddenCharacter;
        }
    }
    if (IsDotsOnly(name)) {
        return DatabaseNameProblem::DotsOnly;
    }
    if (name.back() == '.' || name.back() == ' ') {
        return DatabaseNameProblem::TrailingDotOrBlank;
    }
    if (CharacterCount(name) > DatabaseFolders::kMaxNameCharacters) {
        return DatabaseNameProblem::TooLong;
    }
    if (IsScratchName(name)) {
        return DatabaseNameProblem::Reserved;
    }
    return DatabaseNameProblem::None;
}

const char* DatabaseNameProblemText(DatabaseNameProblem problem) {
    switch (problem) {
    case DatabaseNameProblem::None:
        return "";
    case DatabaseNameProblem::Empty:
        return "the name is empty";
    case DatabaseNameProblem::TooLong:
        return "the name is longer than 32 characters";
    case DatabaseNameProblem::ForbiddenCharacter:
        return "the name contains one of the characters \\ / \" * ? < > : |";
    case DatabaseNameProblem::ControlCharacter:
        return "the name contains a control character";
    case DatabaseNameProblem::DotsOnly:
        return "the name consists of dots only";
    case DatabaseNameProblem::TrailingDotOrBlank:
        return "the name ends in a dot or a blank";
    case DatabaseNameProblem::Reserved:
        return "the name is reserved for the scratch folder of the export";
    }
    return "";
}

bool IsDatabaseFolderName(std::string_view name) {
    if (name.empty() || IsDotsOnly(name)) {
        return false;
    }
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || IsControl(static_cast<unsigned char>(c));
    });
}

std::string DatabaseNameOf(std::string_view folder) {
    size_t cut = folder.rfind('/');
    if (cut == std::string_view::npos) {
        cut = folder.rfind('\\');
    }
    return std::string(cut == std::string_view::npos ? folder : folder.substr(cut + 1));
}

DatabaseFolders::DatabaseFolders(const Environment& env) : env_(env) {}

std::optional<std::string> DatabaseFolders::ParentFolder() const {
    std::optional<std::string> documents = DocumentsFolder(env_);
    if (!documents) {
        return std::nullopt;
    }
    return ResolvePath(*documents + "/" + std::string(kParentName));
}

std::optional<std::string> DatabaseFolders::FolderOf(std::string_view name) const {
    if (!IsDatabaseFolderName(name)) {
        return std::nullopt;
    }
    std::optional<std::string> parent = ParentFolder();
    if (!parent) {
        return std::nullopt;
    }
    return ResolvePath(*parent + "/" + std::string(name));
}

std::vector<std::string> DatabaseFolders::ListUserDatabases() const {
    std::vector<std::string> names;
    std::optional<std::string> parent = ParentFolder();
    if (!parent) {
        return names;
    }
    std::error_code error;
    std::filesystem::directory_iterator it(*parent, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code kindError;
        if (!it->is_directory(kindError)) {
            continue;
        }
        std::string name = it->path().filename().string();
        if (IsDatabaseFolderName(name) && !IsScratchName(name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string fa = Folded(a);
        const std::string fb = Folded(b);
        return fa != fb ? fa < fb : a < b;
    });
    return names;
}

std::vector<std::string> DatabaseFolders::ListForDialog() const {
    DeleteScratchFolder();
    return ListUserDatabases();
}

std::string DatabaseFolders::ReadComment(std::string_view name) const {
    std::optional<std::string> folder = FolderOf(name);
    if (!folder) {
        return std::string();
    }
    const std::string path = ResolvePath(*folder + "/" + std::string(kCommentFile));
    std::string comment;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return comment;
    }
    comment.resize(kMaxCommentLength);
    const size_t got = std::fread(comment.data(), 1, comment.size(), file);
    std::fclose(file);
    comment.resize(got);
    return comment;
}

bool DatabaseFolders::CreateDatabaseFolder(CWorld& world, std::string_view name,
                                           std::string_view comment, IPrompt& prompt,
                                           const std::string& caption) const {
    if (CheckDatabaseName(name) != DatabaseNameProblem::None) {
        return false;
    }
    return MakeFolder(world, name, comment, &prompt, caption);
}

bool DatabaseFolders::CreateScratchFolder(CWorld& world) const {
    if (!DeleteScratchFolder()) {
        return false;
    }
    return MakeFolder(world, kScratchName, kScratchComment, nullptr, std::string());
}

bool DatabaseFolders::MakeFolder(CWorld& world, std::string_view name, std::string_view comment,
                                 IPrompt* prompt, const std::string& caption) const {
    std::optional<std::string> parent = ParentFolder();
    if (!parent || !CreateFolders(*parent)) {
        return false;
    }
    std::optional<std::string> folder = FolderOf(name);
    if (!folder) {
        return false;
    }
    if (FolderExists(*folder)) {
        if (prompt == nullptr) {
            return false;
        }
        const std::string shown(name);
        if (!prompt->AskYesNo(FormatString(kOverwriteQuestion, shown.c_str()), caption)) {
            return false;
        }
        if (!DeleteFolderTree(*folder)) {
            return false;
        }
        // The folder is gone; it is made again in the spelling given now.
        folder = ResolvePath(*parent + "/" + std::string(name));
    }
    std::error_code error;
    if (!std::filesystem::create_directory(*folder, error) || error) {
        return false;
    }
    if (!WriteFileAtomically(*folder + "/" + std::string(kCommentFile), comment)) {
        DeleteFolderTree(*folder);
        return false;
    }
    world.SetDatabaseFolder(*folder);
    return true;
}

bool DatabaseFolders::DeleteUserDatabase(std::string_view name) const {
    std::optional<std::string> folder = FolderOf(name);
    if (!folder) {
        return false;
    }
    std::error_code error;
    const auto status = std::filesystem::symlink_status(*folder, error);
    if (error || !std::filesystem::exists(status)) {
        return true; // nothing of that name
    }
    if (!std::filesystem::is_directory(status) && !std::filesystem::is_symlink(status)) {
        return false; // a file of that name is not a database
    }
    return DeleteFolderTree(*folder);
}

} // namespace tallo
