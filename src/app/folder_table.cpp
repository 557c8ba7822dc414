#include "app/folder_table.h"

#include "formats/string_table.h"
#include "platform/path_resolver.h"

namespace tallo {

namespace {

constexpr int kLanguageCodeString = 799;

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

void NormalisePath(std::string& path) {
    for (size_t i = 0; i < path.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(path[i]);
        if (c == '\\') {
            path[i] = '/';
        } else if (c >= 'A' && c <= 'Z') {
            path[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < path.size()) {
            // UTF-8 Ä Ö Ü (C3 84, C3 96, C3 9C) become ä ö ü (C3 A4, C3 B6, C3 BC).
            unsigned char next = static_cast<unsigned char>(path[i + 1]);
            if (next == 0x84 || next == 0x96 || next == 0x9C) {
                path[i + 1] = static_cast<char>(next + 0x20);
            }
            ++i;
        } else if (c == 0xC4 || c == 0xD6 || c == 0xDC) {
            // A lone 8-bit umlaut (not the lead byte of a UTF-8 pair handled above).
            bool utf8Lead = i + 1 < path.size() &&
                            (static_cast<unsigned char>(path[i + 1]) & 0xC0) == 0x80;
            if (!utf8Lead) {
                path[i] = static_cast<char>(c + 0x20);
            }
        }
    }
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
         {&result.root, &result.database, &result.languageCode, &result.dataOrg,
          &result.script, &result.badges, &result.sponsors, &result.picture, &result.city}) {
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

}  // namespace tallo
