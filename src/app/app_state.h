#pragma once

#include <cstdint>

#include "app/folder_table.h"

namespace tallo {

// State that start-up fixes for the whole process: the admin flag, the current language
// number and the folder table. Read from any layer above the core; set by start-up, by
// build mode and by the main window.
class AppState {
public:
    static AppState& Instance();

    bool IsAdminMode() const { return admin_; }
    void SetAdminMode(bool admin) { admin_ = admin; }

    // 0 German, 1 English, 2 French, 3 Spanish.
    int32_t CurrentLanguage() const { return language_; }
    void SetCurrentLanguage(int32_t language) { language_ = language; }

    FolderTable& Folders() { return folders_; }
    const FolderTable& Folders() const { return folders_; }

private:
    bool admin_ = false;
    int32_t language_ = 0;
    FolderTable folders_;
};

inline bool IsAdminMode() {
    return AppState::Instance().IsAdminMode();
}

} // namespace tallo
