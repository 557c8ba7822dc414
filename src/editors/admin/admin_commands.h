#pragma once

class QWidget;

namespace tallo {

struct EditorContext;
struct EditorSelection;

// Whether a command is one of the admin menu's (menu 226).
bool IsAdminCommand(int command);

// Runs an admin command on the main window's selection, over `owner`: the tools (question,
// change through the journal, report), the ID mappings behind the progress window with their
// report files, the console build of the game database (option bits 0x41) and the merge item,
// which only says that it exists in debug builds. Without the admin flag nothing happens.
void RunAdminCommand(QWidget* owner, int command, const EditorSelection& selection,
                     const EditorContext& context);

} // namespace tallo
