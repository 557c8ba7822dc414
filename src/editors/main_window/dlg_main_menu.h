#pragma once

#include <QMainWindow>

#include <map>
#include <memory>
#include <vector>

class QAction;
class QButtonGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace tallo {

class IEditorDialogs;
class MainWindowDialogs;
class MainWindowModel;
class OpenDatabases;

// The editor's main window: the language and continent boxes above the country list, the club
// list with its three columns (club, league, average level) whose headers sort as the sort
// buttons do, the statistics of the selected country and of the whole database, the command
// buttons grouped by what they act on, the menus with every command, and a status line with
// the current database's folder and its unsaved-changes mark.
//
// Everything it shows comes from MainWindowModel; every change of the user and every command
// goes to the model, after which the window reads the model again.
class DlgMainMenu : public QMainWindow {
    Q_OBJECT

public:
    DlgMainMenu(OpenDatabases& databases, IEditorDialogs* editors, bool adminMode,
                QWidget* parent = nullptr);
    ~DlgMainMenu() override;

    MainWindowModel& Model() { return *model_; }

    // The start of the window after the installation's tables were read: the game's database
    // is opened and shown. False when the window is to close at once (no renderer: message
    // 844 was shown).
    bool Start(bool rendererLoaded);

    // Runs a command as a menu, a button or a key does (with the wait cursor), then shows the
    // model again.
    void RunCommand(int id);

    // Reads the model into the widgets.
    void Refresh();

    // Widgets for tests and screenshots.
    QListWidget& CountryList() const { return *countries_; }
    QTreeWidget& ClubList() const { return *clubs_; }
    QComboBox& ContinentBox() const { return *continent_; }
    QComboBox& LanguageBox() const { return *language_; }
    QString StatisticsText(int label) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWidgets();
    void BuildMenus();
    void RetranslateStatic();
    QPushButton* AddButton(int command, QWidget* parent);
    QAction* AddAction(QMenu& menu, int command);
    void FillBoxes();
    void FillCountryList();
    void FillClubList();
    void ShowStatistics();
    void UpdateCommands();
    void ShowClubMenu(const QPoint& position);
    void SwitchLanguage(int language);
    void RestoreGeometry();
    void SaveGeometry() const;

    OpenDatabases& databases_;
    bool adminMode_;
    std::unique_ptr<MainWindowDialogs> dialogs_;
    std::unique_ptr<MainWindowModel> model_;

    QComboBox* language_ = nullptr;
    QComboBox* continent_ = nullptr;
    QListWidget* countries_ = nullptr;
    QTreeWidget* clubs_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QLabel* continentLabel_ = nullptr;
    QLabel* countryTitle_ = nullptr;
    QLabel* clubTitle_ = nullptr;
    QLabel* status_ = nullptr;
    std::map<int, QLabel*> statistics_;           // by label number
    std::map<int, QLabel*> statisticsNames_;      // the label's caption
    std::map<QWidget*, std::string> groupTitles_; // group box to the key of its title
    std::multimap<int, QAction*> actions_;        // by command
    std::multimap<int, QPushButton*> buttons_;    // by command
    std::vector<QMenu*> menus_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    std::vector<QAction*> databaseEntries_;
    bool filling_ = false;      // the widgets are being filled: their signals are not the user's
    bool closeAllowed_ = false; // the close question was answered (or need not be asked)
};

} // namespace tallo
