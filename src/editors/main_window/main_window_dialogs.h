#pragma once

#include "editing/main_window/main_window_dialogs.h"

class QWidget;

namespace tallo {

class OpenDatabases;

// The dialogs of the main window's own commands as Qt windows: the input boxes of a new
// database and a new club, the user database dialogs, the synchronisation dialog and its parts
// choosers. Each runs modally over `owner`.
class MainWindowDialogs : public IMainWindowDialogs {
public:
    MainWindowDialogs(QWidget* owner, OpenDatabases& databases);

    std::optional<std::string> AskNewDatabaseName() override;
    std::optional<std::string> ChooseDatabaseToOpen(UserDatabaseDialogModel& model) override;
    std::optional<SaveAsChoice> ChooseSaveAsName(UserDatabaseDialogModel& model) override;
    std::optional<std::string> AskNewClubName() override;
    void RunSynchronisation(SynchronisationModel& model) override;
    std::optional<uint32_t> ChooseCountryParts(uint32_t mask) override;
    std::optional<uint32_t> ChooseClubParts(uint32_t mask) override;

private:
    QWidget* owner_;
    OpenDatabases& databases_;
};

} // namespace tallo
