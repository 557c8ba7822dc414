#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "editing/main_window/club_list.h"
#include "editing/main_window/command_table.h"
#include "editing/main_window/country_list.h"
#include "editing/main_window/database_menu.h"
#include "editing/main_window/database_statistics.h"
#include "editing/main_window/statistics.h"
#include "formats/interface_language.h"

namespace tallo {

class DatabaseSession;
class IEditorDialogs;
class IMainWindowDialogs;
class OpenDatabases;

// A command as the menus and buttons show it.
struct CommandState {
    int id = 0;
    bool visible = true; // false: not in the menu (admin tools without the admin word,
                         // database entries beyond the open databases)
    bool enabled = false;
    bool checked = false; // the sort button of the club list's order
    std::string name;     // in the interface language (UTF-8)
};

// What a command did, for the view.
struct CommandOutcome {
    bool handled = false;     // false: not a command of the main window
    bool closeWindow = false; // the window should close now (exit confirmed)
};

// How the start of the window ended.
struct StartOutcome {
    bool closeWindow = false; // the renderer is missing: message 844 shown, close at once
    bool loaded = false;      // the game's database had at least one country file
};

// The main window (DlgMainMenu) without Qt: the window state of its selection, its lists and
// statistics, the database menu, the title, the command table with each command's state, and
// the commands themselves. The view creates the widgets, shows what the getters give, passes
// the user's changes to the On... functions and every menu, button and key command to
// OnCommand, and re-reads the model afterwards.
//
// The window state, in order: the club list's sort order; per open database (its session)
// the continent, the previous continent and the selected country (kept in its world), the
// country and top row remembered under each continent, and the club list's row, top row and
// club; the base title; the initialised flag.
//
// Texts of records (country and club names, league names) are record text in the current
// database's 8-bit code page; the view converts them. Titles, menu entries and command names
// are UTF-8.
class MainWindowModel {
public:
    static constexpr int kInitialCountry = 14;
    // The selected country of an empty country list.
    static constexpr int kCountryOfEmptyList = 21;
    // New clubs only while the list holds fewer rows.
    static constexpr size_t kMaxRowsForNewClub = 511;
    // Greyed New, Open and Import from this many open databases on.
    static constexpr size_t kDatabasesGreyingNew = 5;

    // `dialogs` are the view's dialogs of this window; `editors` the dialogs of later parts
    // (either may be nullptr: their commands then do nothing and are greyed).
    MainWindowModel(OpenDatabases& databases, IMainWindowDialogs* dialogs, IEditorDialogs* editors);
    ~MainWindowModel();
    MainWindowModel(const MainWindowModel&) = delete;
    MainWindowModel& operator=(const MainWindowModel&) = delete;

    // Start and end ------------------------------------------------------------------------

    // The initialisation after the installation's tables were read: the game's database is
    // opened as the first database (unless one is open already) and what its load found
    // damaged is shown; the safety copy is written when missing; continent 0 and country 14
    // are selected and the lists, the statistics and the database menu filled. Without the
    // renderer message 844 is shown and the window is to close without asking (the window is
    // not initialised). Otherwise the base title is kept, the window refreshed, and it counts
    // as initialised.
    StartOutcome Initialise(bool rendererLoaded, std::string baseTitle);
    bool IsInitialised() const { return initialised_; }
    // Closing (close box and File > Exit): once initialised only after yes to question 574.
    // True when the window may close. Nothing is saved.
    bool RequestClose();

    // What the view shows -----------------------------------------------------------------

    std::string Title() const;
    const std::vector<CountryRow>& Countries() const { return countries_; }
    int SelectedCountryRow() const { return countryRow_; } // -1: none
    int CountryTopRow() const;
    int SelectedCountry() const; // country number (21 for an empty list)
    const std::vector<ClubRow>& Clubs() const { return clubs_.rows; }
    int SelectedClubRow() const; // -1: none
    int ClubTopRow() const;
    uint32_t SelectedClub() const; // club ID, 0: none
    ClubSort Sort() const { return sort_; }
    int Continent() const;    // item data of the continent box
    int LanguageItem() const; // item data of the language box
    const CountryStatistics& CountryStats() const { return clubs_.statistics; }
    const DatabaseStatistics& DatabaseStats() const { return databaseStatistics_; }
    // Both halves, every label with its text.
    std::vector<StatisticsValue> StatisticsValues() const;
    std::vector<DatabaseMenuEntry> DatabaseMenu() const;
    // Every command with its state, in menu order, names in `language`.
    std::vector<CommandState> Commands(InterfaceLanguage language) const;
    CommandState Command(int id, InterfaceLanguage language) const;
    // Edit menu: "Undo: <name>" / "Redo: <name>", or the plain word when there is nothing.
    std::string UndoText(InterfaceLanguage language) const;
    std::string RedoText(InterfaceLanguage language) const;

    // What the user changes -----------------------------------------------------------------

    // Language box: item data (0 to 3) becomes the database's language; the lists are
    // filled again.
    void OnLanguageChanged(int itemData);
    // Continent box: a different continent becomes current, the one before it previous; the
    // lists are filled again.
    void OnContinentChanged(int continent);
    // Country list: the row's country becomes the selected country; the club list is filled.
    void OnCountrySelected(int row);
    void OnCountryScrolled(int topRow);
    // Club list: the row's club becomes the selected club.
    void OnClubSelected(int row);
    void OnClubScrolled(int topRow);

    // Commands ------------------------------------------------------------------------------

    // Runs a command of the table (see command_ids.h). Disabled commands do nothing.
    CommandOutcome OnCommand(int id);

    // The current database's window state again (RefreshFromDatabase): continent, country and
    // language from the database, the lists, the statistics, the database menu and the title.
    void RefreshFromDatabase();

    // The wrong-badge check (32877): the texts the error window shows (also shown through the
    // prompt when not empty).
    std::vector<std::string> CheckWrongBadges();

private:
    DatabaseSession* Session() const;
    bool IsEnabled(int id) const;
    const ClubRow* SelectedClubRow_() const;

    void FillCountryList();
    void FillClubList();
    void UpdateStatistics();
    void FillAll();

    void NewDatabase();
    void OpenDatabase();
    void SaveAs();
    void Import();
    void Export();
    void Synchronise();
    void NewClub();
    void RunExternal(int id);

    OpenDatabases& databases_;
    IMainWindowDialogs* dialogs_;
    IEditorDialogs* editors_;

    ClubSort sort_ = ClubSort::ByName;
    std::string baseTitle_;
    bool initialised_ = false;

    // The lists as last filled, and the session they belong to.
    uint64_t shownSession_ = 0;
    uint64_t shownContents_ = 0; // the session's contents change count when filled
    std::vector<CountryRow> countries_;
    int countryRow_ = -1;
    ClubListContent clubs_;
    DatabaseStatistics databaseStatistics_;
    std::map<uint64_t, DatabaseStatisticsCache> statisticsCaches_;
};

} // namespace tallo
