#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/environment.h"

namespace tallo {

class CWorld;
class IPrompt;

// Why a name cannot be the name of a new user database.
enum class DatabaseNameProblem {
    None,
    Empty,
    TooLong,            // more than DatabaseFolders::kMaxNameCharacters characters
    ForbiddenCharacter, // one of \ / " * ? < > : |
    ControlCharacter,   // a byte below 32, or 127
    DotsOnly,           // ".", ".." and the like would name the folder itself or its parent
    TrailingDotOrBlank, // Windows drops these, so the folder would get another name
    Reserved,           // the scratch folder of the world export
};

// The one check of a database name, for creating a database and for saving under a name: the
// name must make a folder that is a direct child of the Database folder.
DatabaseNameProblem CheckDatabaseName(std::string_view name);
// A short English description of the problem, for messages.
const char* DatabaseNameProblemText(DatabaseNameProblem problem);

// Whether an existing folder name may be used below the Database folder at all (opening,
// deleting, reading its comment): not empty, no "/" or "\", no control character, not made of
// dots only. Looser than CheckDatabaseName, which also keeps new names portable.
bool IsDatabaseFolderName(std::string_view name);

// A database's name: the last component of its folder path (after the last "/", else after
// the last "\", else the whole path).
std::string DatabaseNameOf(std::string_view folder);

// The user databases: subfolders of "<documents>/Database", each with its record files, its
// "Badge" folder and the comment file "Database.txt". The documents folder is looked up on
// each use (it is created when missing), so a folder that goes away is noticed.
//
// The subfolder "tempExport" is the scratch database of the world export. Its name is
// reserved: no user database can be created under it, and it is never listed, so removing a
// leftover scratch folder can never remove a user's database.
class DatabaseFolders {
public:
    static constexpr std::string_view kParentName = "Database";
    static constexpr std::string_view kScratchName = "tempExport";
    static constexpr std::string_view kScratchComment = "temp directory";
    static constexpr std::string_view kCommentFile = "Database.txt";
    // Comments are read up to this many bytes.
    static constexpr size_t kMaxCommentLength = 2003;
    static constexpr size_t kMaxNameCharacters = 32;
    // "The database %s exists already. Overwrite it?"
    static constexpr int kOverwriteQuestion = 863;

    // The environment that names the documents folder; it must outlive this object.
    explicit DatabaseFolders(const Environment& env = SystemEnvironment::Instance());

    // "<documents>/Database" (resolved regardless of case; not created); nullopt when there is
    // no documents folder.
    std::optional<std::string> ParentFolder() const;
    // The folder of the user database `name`; nullopt for a name that is not a plain folder
    // name, or without a documents folder.
    std::optional<std::string> FolderOf(std::string_view name) const;

    // The names of the user databases, sorted regardless of case: every subfolder of the
    // parent that is a usable folder name, the scratch folder left out. Files are not listed.
    std::vector<std::string> ListUserDatabases() const;
    // What the database dialogs do when they open: remove a leftover scratch folder, then list.
    std::vector<std::string> ListForDialog() const;

    // The comment of a user database: the first kMaxCommentLength bytes of its "Database.txt",
    // as they are; empty when the file is missing.
    std::string ReadComment(std::string_view name) const;

    // Makes the folder of a new database `name` and points `world` at it:
    //   the name must pass CheckDatabaseName; the Database folder is created when missing;
    //   an existing folder of that name (in any case) is replaced only when the user answers
    //   yes to question 863; the comment file is written; then the world's folder is set.
    // False, with the world unchanged, when the name is refused, the documents folder is
    // unavailable, the user answers no, or a folder or the comment file cannot be made.
    bool CreateDatabaseFolder(CWorld& world, std::string_view name, std::string_view comment,
                              IPrompt& prompt, const std::string& caption) const;

    // Removes the user database `name` with everything in it, without asking. True when no
    // folder of that name is left. Refuses (false) names that are not plain folder names, so
    // that nothing but a direct child of the Database folder can ever be removed.
    bool DeleteUserDatabase(std::string_view name) const;

    // The scratch database of the export: removes a leftover one, makes it afresh with its
    // comment and points `world` at it. False, with the world unchanged, when it cannot be made.
    bool CreateScratchFolder(CWorld& world) const;
    bool DeleteScratchFolder() const { return DeleteUserDatabase(kScratchName); }

private:
    bool MakeFolder(CWorld& world, std::string_view name, std::string_view comment, IPrompt* prompt,
                    const std::string& caption) const;

    const Environment& env_;
};

} // namespace tallo
