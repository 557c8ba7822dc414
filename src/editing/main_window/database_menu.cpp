#include "editing/main_window/database_menu.h"

#include "app/database_folders.h"
#include "app/database_list.h"
#include "editing/main_window/command_ids.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr size_t kMaxMenuCharacters = 40;
constexpr size_t kKeptCharacters = 37;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (char c : text) {
        count += IsContinuationByte(c) ? 0 : 1;
    }
    return count;
}

// The last `count` characters of UTF-8 text.
std::string_view LastCharacters(std::string_view text, size_t count) {
    size_t start = text.size();
    for (size_t taken = 0; taken < count && start > 0;) {
        --start;
        if (!IsContinuationByte(text[start])) {
            ++taken;
        }
    }
    return text.substr(start);
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string DatabaseMenuName(std::string_view folder) {
    const size_t slash = folder.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? folder : folder.substr(slash + 1);
    std::string text;
    if (CharacterCount(name) > kMaxMenuCharacters) {
        text = "...";
        text += LastCharacters(name, kKeptCharacters);
    } else {
        text = std::string(name);
    }
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || text[i - 1] == ' ') {
            text[i] = Upper(text[i]);
        }
    }
    return text;
}

std::vector<DatabaseMenuEntry> BuildDatabaseMenu(const OpenDatabases& databases) {
    std::vector<DatabaseMenuEntry> entries;
    const DatabaseSession* current = databases.Current();
    for (size_t i = 0; i < databases.Count(); ++i) {
        const DatabaseSession* session = databases.At(i);
        DatabaseMenuEntry entry;
        entry.command = Command::kFirstDatabase + static_cast<int>(i);
        entry.text =
            std::to_string(i + 1) + ". " + DatabaseMenuName(session->World().DatabaseFolder());
        entry.current = session == current;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string WindowTitle(std::string_view baseTitle, std::string_view databaseName, bool modified) {
    std::string title = std::string(baseTitle) + " - " + std::string(databaseName);
    for (size_t i = baseTitle.size() + 1; i < title.size(); ++i) {
        if (title[i - 1] == ' ') {
            title[i] = Upper(title[i]);
        }
    }
    if (modified) {
        title += '*';
    }
    return title;
}

} // namespace tallo
