#include "app/folder_table.h"

#include "formats/string_table.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

constexpr int kLanguageCodeString = 799;

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

void NormalisePath(std::string& path) {
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    FoldNameCase(path);
    if (path.size() == 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '/') {
        path.resize(2);
    }
}

bool SetUpFoldersAt(FolderTable& table, const std::string& root,
                    const std::string& databaseFolder) {
    FolderTable result;
    result.root = root;
    NormalisePath(result.root);
    result.database = databaseFolder;
    result.languageCode = LoadString(kLanguageCodeString);
    result.dataOrg = result.root + "/database/dataOrg";
    result.script = result.root + "/script";
    result.badges = result.root + "/badges";
    result.sponsors = result.root + "/sponsors";
    result.picture = result.root + "/picture";
    result.city = result.root + "/city";

    for (const std::string* entry :
         {&result.root, &result.database, &result.languageCode, &result.dataOrg, &result.script,
          &result.badges, &result.sponsors, &result.picture, &result.city}) {
        if (entry->size() >= FolderTable::kBufferSize) {
            return false;
        }
    }
    table = std::move(result);
    return true;
}

bool SetUpFolders(FolderTable& table, const std::string& databaseFolder) {
    std::string current = CurrentFolder();
    if (current.empty()) {
        return false;
    }
    return SetUpFoldersAt(table, current, databaseFolder);
}

} // namespace tallo
