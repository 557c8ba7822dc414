#include "editors/main_window/main_window_dialogs.h"

#include <QMessageBox>

#include "editing/main_window/user_database_dialog.h"
#include "editing/session/open_databases.h"
#include "editors/framework/dlg_input_box.h"
#include "editors/framework/qt_text.h"
#include "editors/main_window/dlg_copy_parts.h"
#include "editors/main_window/dlg_database_copy.h"
#include "editors/main_window/dlg_user_database.h"
#include "formats/dialog_text.h"

namespace tallo {

namespace {

// The input box of File > New: caption, prompt and the proposed name "NewDatabase".
constexpr int kNewDatabaseSetup = 858;
constexpr int kMaxDatabaseName = 32;
// The longest club name a record holds.
constexpr int kMaxClubName = 40;

} // namespace

MainWindowDialogs::MainWindowDialogs(QWidget* owner, OpenDatabases& databases)
    : owner_(owner), databases_(databases) {}

std::optional<std::string> MainWindowDialogs::AskNewDatabaseName() {
    CDlgInputBox box(kNewDatabaseSetup, owner_, kMaxDatabaseName);
    const std::optional<QString> name = box.Ask();
    if (!name) {
        return std::nullopt;
    }
    return FromQString(*name);
}

std::optional<std::string> MainWindowDialogs::ChooseDatabaseToOpen(UserDatabaseDialogModel& model) {
    CDlgUserDatabase dialog(model, owner_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return model.ChosenName();
}

std::optional<SaveAsChoice> MainWindowDialogs::ChooseSaveAsName(UserDatabaseDialogModel& model) {
    CDlgUserDatabase dialog(model, owner_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return SaveAsChoice{model.ChosenName(), model.NewComment()};
}

std::optional<std::string> MainWindowDialogs::AskNewClubName() {
    for (;;) {
        CDlgInputBox box(ToQString(DialogText("main.club.new_name")), owner_, kMaxClubName);
        const std::optional<QString> name = box.Ask();
        if (!name) {
            return std::nullopt;
        }
        if (CanStoreAsRecordText(*name)) {
            return QStringToRecord(*name);
        }
        // A letter the database's code page has no byte for would be stored as "?".
        QMessageBox::warning(owner_, ToQString(databases_.Context().Caption()),
                             ToQString(DialogText("main.club.name_not_spellable")));
    }
}

void MainWindowDialogs::RunSynchronisation(SynchronisationModel& model) {
    CDlgDatabaseCopy dialog(model, owner_);
    dialog.exec();
}

std::optional<uint32_t> MainWindowDialogs::ChooseCountryParts(uint32_t mask) {
    CDlgCopyParts dialog(CDlgCopyParts::Kind::Country, mask, owner_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Mask();
}

std::optional<uint32_t> MainWindowDialogs::ChooseClubParts(uint32_t mask) {
    CDlgCopyParts dialog(CDlgCopyParts::Kind::Club, mask, owner_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Mask();
}

} // namespace tallo
