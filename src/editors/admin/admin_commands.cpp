#include "editors/admin/admin_commands.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <optional>
#include <string>

#include "app/app_state.h"
#include "app/longtime_operation.h"
#include "editing/admin/admin_mappings.h"
#include "editing/admin/admin_menu.h"
#include "editing/admin/admin_tool.h"
#include "editing/admin/admin_tool_runner.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/command_table.h"
#include "editing/main_window/editor_dialogs.h"
#include "editing/session/editor_context.h"
#include "editing/session/open_databases.h"
#include "editors/framework/longtime_runner.h"
#include "editors/framework/longtime_task.h"
#include "editors/framework/qt_prompt.h"
#include "editors/framework/qt_text.h"
#include "formats/per_language_tables.h"
#include "formats/string_table.h"
#include "mapping/global_tools.h"

namespace tallo {

namespace {

// The admin tools show their boxes under the application's title.
constexpr int kProductString = 898;
// The console build: console records and the console log.
constexpr uint32_t kConsoleBuildBits = 0x41;

class QtMappingDialogs : public IMappingDialogs {
public:
    explicit QtMappingDialogs(QWidget* owner) : owner_(owner) {}

    MappingAnswer AskYesNoCancel(const std::string& question, const std::string& caption) override {
        QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(question),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
        box.button(QMessageBox::Yes)->setText(UiText("framework.button.yes"));
        box.button(QMessageBox::No)->setText(UiText("framework.button.no"));
        box.button(QMessageBox::Cancel)->setText(UiText("framework.button.cancel"));
        box.setEscapeButton(QMessageBox::Cancel);
        switch (box.exec()) {
        case QMessageBox::Yes:
            return MappingAnswer::Yes;
        case QMessageBox::No:
            return MappingAnswer::No;
        default:
            return MappingAnswer::Cancel;
        }
    }

    std::optional<std::string> ChooseReportFile(const std::string& title, const std::string& filter,
                                                const std::string& extension) override {
        QFileDialog dialog(owner_, ToQString(title), QString(), ToQtFileFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(ToQString(extension));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        return dialog.selectedFiles().first().toStdString();
    }

private:
    QWidget* owner_;
};

void RunMapping(QWidget* owner, int command, DatabaseSession& session, const EditorContext& context,
                const std::string& caption) {
    if (context.tools == nullptr) {
        return;
    }
    QtMappingDialogs dialogs(owner);
    const CBaseTextFile* faces =
        context.languageTables != nullptr ? &context.languageTables->Faces() : nullptr;
    AdminMappingRunner runner(session, *context.tools, faces, *context.prompt, dialogs, caption,
                              [owner](const std::string& title, const std::function<void()>& work) {
                                  CLongtimeTask task(title, title, [&work](CLongtimeTask&) {
                                      work();
                                      return true;
                                  });
                                  RunWithProgressDialog(task, owner);
                              });
    runner.Run(command);
}

} // namespace

bool IsAdminCommand(int command) {
    const CommandInfo* info = FindCommand(command);
    return info != nullptr && info->place == CommandPlace::AdminMenu;
}

void RunAdminCommand(QWidget* owner, int command, const EditorSelection& selection,
                     const EditorContext& context) {
    if (!IsAdminMode() || !IsAdminCommand(command) || selection.session == nullptr ||
        context.prompt == nullptr) {
        return;
    }
    const std::string caption = LoadString(kProductString);
    if (command == Command::kAdminMergeClubNames) {
        context.prompt->ShowMessage(kMergeClubNamesMessage, caption);
        return;
    }
    if (command == Command::kAdminWriteConsoleDatabase) {
        if (selection.databases != nullptr) {
            selection.databases->WriteGameDatabase(nullptr, kConsoleBuildBits);
        }
        return;
    }
    if (IsAdminMappingCommand(command)) {
        RunMapping(owner, command, *selection.session, context, caption);
        return;
    }
    AdminToolRunner runner(*selection.session, *context.prompt, caption,
                           context.tools != nullptr ? &context.tools->NameLists() : nullptr);
    runner.Run(command, selection.country, selection.club);
}

} // namespace tallo
