#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tallo {

class SynchronisationModel;
class UserDatabaseDialogModel;

// The name and comment the save dialog ends with.
struct SaveAsChoice {
    std::string name;
    std::string comment;
};

// The dialogs of the main window's own commands, which the view provides (the models decide
// everything else; questions, messages and file choosers go through the prompt). Each
// returns nullopt when the user cancels.
class IMainWindowDialogs {
public:
    virtual ~IMainWindowDialogs() = default;

    // File > New: the input box set up from string-table entry 858 (caption, prompt and the
    // proposed name "NewDatabase", tab-separated); at most 32 characters.
    virtual std::optional<std::string> AskNewDatabaseName() = 0;
    // File > Open: the open dialog on `model`; the name of the database chosen.
    virtual std::optional<std::string> ChooseDatabaseToOpen(UserDatabaseDialogModel& model) = 0;
    // File > Save as: the save dialog on `model`.
    virtual std::optional<SaveAsChoice> ChooseSaveAsName(UserDatabaseDialogModel& model) = 0;
    // Club menu > New club: the new-club input; the name in the database's 8-bit code page.
    virtual std::optional<std::string> AskNewClubName() = 0;
    // Database > Synchronise: shows the synchronisation dialog on `model` until it is closed.
    virtual void RunSynchronisation(SynchronisationModel& model) = 0;
    // The parts dialogs of the synchronisation (214 country, 215 club): ticked as `mask`,
    // the mask of the ticked boxes on OK.
    virtual std::optional<uint32_t> ChooseCountryParts(uint32_t mask) = 0;
    virtual std::optional<uint32_t> ChooseClubParts(uint32_t mask) = 0;
};

} // namespace tallo
