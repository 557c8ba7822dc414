#pragma once

#include <string>
#include <vector>

#include "formats/interface_language.h"

namespace tallo {

// Where a command sits.
enum class CommandPlace {
    FileMenu,
    EditMenu,
    DatabaseMenu,
    AssistantsMenu,
    ClubMenu,   // the club context menu and the club buttons
    SortButton, // above the club list
    CountryButton,
    WorldButton,
    AdminMenu, // only with the admin word
    Keyboard,  // Enter and Escape
};

// One command of the main window as the table holds it.
struct CommandInfo {
    int id = 0;
    CommandPlace place = CommandPlace::FileMenu;
    // Key of the command's name in the dialog text table; nullptr when the name is
    // `fixedName` (the admin tools' texts are English in both languages) or the command has
    // no name of its own (the database entries, Enter and Escape).
    const char* nameKey = nullptr;
    const char* fixedName = nullptr;
    // The command opens a dialog or assistant that a later part of the editor provides
    // (IEditorDialogs); until it does, the command is greyed.
    bool external = false;
};

// Every command of the main window, in menu order.
const std::vector<CommandInfo>& MainWindowCommands();
// The command of that ID, or nullptr.
const CommandInfo* FindCommand(int id);
// The commands that call IEditorDialogs.
std::vector<int> ExternalCommands();

// A command's name in a language. The database entries 32830 to 32835 are named "Database n"
// here; the database menu names them after their databases. Enter and Escape have no name.
std::string CommandName(int id, InterfaceLanguage language);

} // namespace tallo
