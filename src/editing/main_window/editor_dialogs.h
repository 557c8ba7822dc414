#pragma once

#include <cstdint>

namespace tallo {

class DatabaseSession;
class OpenDatabases;

// What a dialog of a later part of the editor is started with: the main window's selection.
struct EditorSelection {
    OpenDatabases* databases = nullptr;
    DatabaseSession* session = nullptr; // the current database
    int country = 0;                    // the selected country, 1 to 206
    uint32_t club = 0;                  // the selected club's ID, 0 for none
    int languageSlot = 0;               // the database's language slot
};

// The editors, assistants and admin tools that the main window starts but that belong to
// later parts of the editor: club settings (1798), squad list (1799), country settings (1800),
// global settings (1801), continental settings (1802), national teams (1804), the assistants
// (1763, 1805, 1807, 1808, 1809) and the admin tools (menu 226). Those parts implement this and
// hand it to the main window model; a command whose dialog is not supported yet is greyed.
//
// A dialog changes the database only through the session's journal (ChangeJournal::Apply with
// the countries it touches), so that its change can be undone and marks the database changed.
class IEditorDialogs {
public:
    virtual ~IEditorDialogs() = default;

    // Whether the dialog of `command` exists.
    virtual bool Supports(int command) const = 0;
    // Runs the dialog of `command` on the selection. The main window refills its lists and
    // statistics and reads the club selection again afterwards.
    virtual void Run(int command, const EditorSelection& selection) = 0;
};

} // namespace tallo
