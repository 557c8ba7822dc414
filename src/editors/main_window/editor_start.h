#pragma once

#include <string>

class QApplication;

namespace tallo {

class QtPrompt;

// How the editor window is started.
struct EditorStartOptions {
    bool splash = true;        // the start picture for 5 seconds (a click closes it)
    bool adminMode = false;    // the admin tools menu
    std::string programFolder; // where the executable lies (our renderer plug-in is there)
};

// Runs the editor in the installation folder (the current folder): the skin and the stored
// interface language, the folder table, the installation's tables, the start picture, the
// main window with the game's database, and the window's run until it closes. Message 844 and
// an immediate end when the renderer plug-in cannot be loaded.
void RunEditorWindow(QApplication& application, QtPrompt& prompt,
                     const EditorStartOptions& options);

} // namespace tallo
