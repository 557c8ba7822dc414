#pragma once

#include <string>

#include "app/longtime_operation.h"

namespace tallo {

class CGlobalTools;
class DatabaseFolders;
class IPrompt;
class IProgress;
class PerLanguageTables;

// What the editor's models take from the program around them: the installation and its
// folders, the user databases, the prompt (message boxes, questions, file choosers, the error
// window), the progress display of long-time operations, and the installation's tables.
// Everything named by pointer must outlive the models that use it.
struct EditorContext {
    // The installation folder: its "database" folder is the game's own database.
    std::string installFolder;
    // From the folder table: where the badges and the player pictures are.
    std::string badgesFolder;
    std::string pictureFolder;
    // The user databases below the documents folder (required).
    const DatabaseFolders* userDatabases = nullptr;
    // Questions and messages (required). Long-time operations may call it from their worker
    // thread (the game database build asks before it writes).
    IPrompt* prompt = nullptr;
    // The caption of message boxes; empty: string-table entry 899.
    std::string caption;
    // The progress display of export, import, restore and the game database build, and the
    // modal loop the window runs while the worker works. Without a display nothing is shown.
    IProgress* progress = nullptr;
    CLongtimeOperation::ModalLoop progressLoop;
    // The global tool object (badge archive, ID tables) and the language tables; the worlds
    // get their look-ups from them, the badge check and the game database build use them.
    // Without them worlds have no look-ups and badges are looked for in the badge folder only.
    CGlobalTools* tools = nullptr;
    const PerLanguageTables* languageTables = nullptr;

    // The message caption to use.
    std::string Caption() const;
};

} // namespace tallo
