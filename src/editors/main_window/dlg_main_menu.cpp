#include "editors/main_window/dlg_main_menu.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editing/admin/admin_menu.h"
#include "editing/main_window/command_ids.h"
#include "editing/main_window/command_table.h"
#include "editing/main_window/country_list.h"
#include "editing/main_window/main_window_model.h"
#include "editing/main_window/statistics.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/skin.h"
#include "editors/main_window/main_window_dialogs.h"
#include "formats/dialog_text.h"
#include "formats/interface_language.h"
#include "formats/string_table.h"
#include "platform/environment.h"
#include "platform/install_folder.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr int kProductString = 898;
constexpr const char* kGeometryKey = "MAIN WINDOW";

QString Text(DialogTextKey key) {
    return ToQString(DialogText(key));
}

// The shortcut of a command, where it has a standard one.
QKeySequence ShortcutOf(int command) {
    switch (command) {
    case Command::kNew:
        return QKeySequence::New;
    case Command::kOpen:
        return QKeySequence::Open;
    case Command::kSave:
        return QKeySequence::Save;
    case Command::kSaveAs:
        return QKeySequence::SaveAs;
    case Command::kExit:
        return QKeySequence::Quit;
    case Command::kUndo:
        return QKeySequence::Undo;
    case Command::kRedo:
        return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    case Command::kClubSettings:
        return QKeySequence(Qt::Key_F2);
    case Command::kSquadList:
        return QKeySequence(Qt::Key_F3);
    case Command::kCountrySettings:
        return QKeySequence(Qt::Key_F4);
    case Command::kPlayerSearch:
        return QKeySequence::Find;
    case Command::kWriteGameDatabase:
        return QKeySequence(Qt::Key_F9);
    default:
        return QKeySequence();
    }
}

// The statistics labels in the order they are shown, with the key of their caption.
struct StatisticsLine {
    int label;
    DialogTextKey caption;
};

const std::vector<StatisticsLine>& CountryLines() {
    static const std::vector<StatisticsLine> lines = {
        {StatisticsLabel::kCountryLeagues, "main.stats.leagues"},
        {StatisticsLabel::kCountryClubs, "main.stats.clubs"},
        {StatisticsLabel::kCountryPersons, "main.stats.persons"},
        {StatisticsLabel::kCountryTalent0, "main.stats.talent0"},
        {StatisticsLabel::kCountryTalent0 + 1, "main.stats.talent1"},
        {StatisticsLabel::kCountryTalent0 + 2, "main.stats.talent2"},
        {StatisticsLabel::kCountryTalent0 + 3, "main.stats.talent3"},
        {StatisticsLabel::kCountryTalent0 + 4, "main.stats.talent4"},
        {StatisticsLabel::kCountryPersonLevel, "main.stats.person_level"},
        {StatisticsLabel::kCountryClubLevel, "main.stats.club_level"},
    };
    return lines;
}

const std::vector<StatisticsLine>& DatabaseLines() {
    static const std::vector<StatisticsLine> lines = {
        {StatisticsLabel::kDatabaseLeagues, "main.stats.leagues"},
        {StatisticsLabel::kDatabaseClubs, "main.stats.all_clubs"},
        {StatisticsLabel::kDatabasePersons, "main.stats.persons"},
        {StatisticsLabel::kDatabaseTalent0, "main.stats.talent0"},
        {StatisticsLabel::kDatabaseTalent0 + 1, "main.stats.talent1"},
        {StatisticsLabel::kDatabaseTalent0 + 2, "main.stats.talent2"},
        {StatisticsLabel::kDatabaseTalent0 + 3, "main.stats.talent3"},
        {StatisticsLabel::kDatabaseTalent0 + 4, "main.stats.talent4"},
        {StatisticsLabel::kDatabasePersonLevel, "main.stats.person_level"},
        {StatisticsLabel::kDatabaseClubLevel, "main.stats.club_level"},
    };
    return lines;
}

// A menu of the window and the places of the command table it shows.
struct MenuPlan {
    const char* titleKey;
    std::vector<CommandPlace> places;
};

// A dialog text by a key held at run time (menus and groups keep their keys); the key itself
// when the table lacks it, so that the gap shows.
QString TextOfKey(const std::string& key) {
    const std::string* text = FindDialogText(key, CurrentInterfaceLanguage());
    return ToQString(text != nullptr ? *text : key);
}

} // namespace

DlgMainMenu::DlgMainMenu(OpenDatabases& databases, IEditorDialogs* editors, bool adminMode,
                         QWidget* parent)
    : QMainWindow(parent), databases_(databases), adminMode_(adminMode),
      dialogs_(std::make_unique<MainWindowDialogs>(this, databases)),
      model_(std::make_unique<MainWindowModel>(databases, dialogs_.get(), editors)) {
    setWindowIcon(QIcon(Skin::DatabaseIcon()));
    BuildWidgets();
    BuildMenus();
    RetranslateStatic();
    UpdateCommands(); // named and greyed while the database loads
    RestoreGeometry();
}

DlgMainMenu::~DlgMainMenu() = default;

// Widgets ------------------------------------------------------------------------------------

void DlgMainMenu::BuildWidgets() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    auto* splitter = new QSplitter(Qt::Horizontal, central);
    outer->addWidget(splitter, 1);

    // Left: language and continent above the country list.
    auto* left = new QWidget(splitter);
    auto* leftLayout = new QGridLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    languageLabel_ = new QLabel(left);
    language_ = new QComboBox(left);
    continentLabel_ = new QLabel(left);
    continent_ = new QComboBox(left);
    countryTitle_ = new QLabel(left);
    countries_ = new QListWidget(left);
    languageLabel_->setBuddy(language_);
    continentLabel_->setBuddy(continent_);
    countryTitle_->setBuddy(countries_);
    leftLayout->addWidget(languageLabel_, 0, 0);
    leftLayout->addWidget(language_, 0, 1);
    leftLayout->addWidget(continentLabel_, 1, 0);
    leftLayout->addWidget(continent_, 1, 1);
    leftLayout->addWidget(countryTitle_, 2, 0, 1, 2);
    leftLayout->addWidget(countries_, 3, 0, 1, 2);
    leftLayout->setRowStretch(3, 1);

    // Middle: the club list with its sort buttons.
    auto* middle = new QWidget(splitter);
    auto* middleLayout = new QVBoxLayout(middle);
    middleLayout->setContentsMargins(0, 0, 0, 0);
    clubTitle_ = new QLabel(middle);
    clubs_ = new QTreeWidget(middle);
    clubTitle_->setBuddy(clubs_);
    clubs_->setColumnCount(3);
    clubs_->setRootIsDecorated(false);
    clubs_->setUniformRowHeights(true);
    clubs_->setAllColumnsShowFocus(true);
    clubs_->setContextMenuPolicy(Qt::CustomContextMenu);
    clubs_->header()->setSectionsClickable(true);
    clubs_->header()->setStretchLastSection(false);
    clubs_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    clubs_->header()->setSectionResizeMode(1, QHeaderView::Interactive);
    clubs_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    clubs_->setColumnWidth(1, 170);
    auto* sortRow = new QHBoxLayout;
    for (int command : {Command::kSortByClub, Command::kSortByLeague, Command::kSortByLevel}) {
        QPushButton* button = AddButton(command, middle);
        button->setCheckable(true);
        sortRow->addWidget(button);
    }
    middleLayout->addWidget(clubTitle_);
    middleLayout->addWidget(clubs_, 1);
    middleLayout->addLayout(sortRow);

    // Right: the statistics.
    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto addStatistics = [&](const char* titleKey, const std::vector<StatisticsLine>& lines) {
        auto* group = new QGroupBox(right);
        groupTitles_[group] = titleKey;
        auto* grid = new QGridLayout(group);
        int row = 0;
        for (const StatisticsLine& line : lines) {
            auto* caption = new QLabel(group);
            auto* value = new QLabel(group);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(caption, row, 0);
            grid->addWidget(value, row, 1);
            statisticsNames_[line.label] = caption;
            statistics_[line.label] = value;
            ++row;
        }
        rightLayout->addWidget(group);
    };
    addStatistics("main.stats.country", CountryLines());
    addStatistics("main.stats.database", DatabaseLines());
    rightLayout->addStretch(1);

    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 5);
    splitter->setStretchFactor(2, 2);
    splitter->setSizes({230, 560, 260});

    // Below: the command buttons by what they act on.
    auto* buttonRow = new QHBoxLayout;
    auto addGroup = [&](const char* titleKey, std::initializer_list<int> commands) {
        auto* group = new QGroupBox(central);
        groupTitles_[group] = titleKey;
        auto* layout = new QHBoxLayout(group);
        for (int command : commands) {
            layout->addWidget(AddButton(command, group));
        }
        buttonRow->addWidget(group);
    };
    addGroup("main.group.club", {Command::kClubSettings, Command::kSquadList});
    addGroup("main.group.country", {Command::kCountrySettings});
    addGroup("main.group.world", {Command::kGlobalSettings, Command::kContinentalSettings,
                                  Command::kWriteGameDatabase});
    outer->addLayout(buttonRow);
    auto* assistantRow = new QHBoxLayout;
    {
        auto* group = new QGroupBox(central);
        groupTitles_[group] = "main.menu.assistants";
        auto* layout = new QHBoxLayout(group);
        for (int command :
             {Command::kFastTransfer, Command::kPlayerSearch, Command::kPlayerDoubles,
              Command::kNationalTeams, Command::kFreeAgents, Command::kPlayerComparison}) {
            layout->addWidget(AddButton(command, group));
        }
        assistantRow->addWidget(group);
    }
    outer->addLayout(assistantRow);
    setCentralWidget(central);

    status_ = new QLabel(this);
    statusBar()->addWidget(status_, 1);

    // The user's changes go to the model; the window shows the model again.
    connect(language_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_->OnLanguageChanged(language_->itemData(index).toInt());
            Refresh();
        }
    });
    connect(continent_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_ && index >= 0) {
            model_->OnContinentChanged(continent_->itemData(index).toInt());
            Refresh();
        }
    });
    connect(countries_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0) {
            model_->OnCountrySelected(row);
            FillClubList();
            ShowStatistics();
            UpdateCommands();
        }
    });
    connect(countries_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int) {
        if (!filling_) {
            model_->OnCountryScrolled(countries_->indexAt(QPoint(1, 1)).row());
        }
    });
    connect(clubs_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!filling_ && item != nullptr) {
            model_->OnClubSelected(clubs_->indexOfTopLevelItem(item));
            UpdateCommands();
        }
    });
    connect(clubs_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int) {
        if (!filling_) {
            model_->OnClubScrolled(clubs_->indexAt(QPoint(1, 1)).row());
        }
    });
    connect(clubs_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem*, int) { RunCommand(Command::kSquadList); });
    connect(clubs_, &QWidget::customContextMenuRequested, this, &DlgMainMenu::ShowClubMenu);
    connect(clubs_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        static constexpr int kSorts[] = {Command::kSortByClub, Command::kSortByLeague,
                                         Command::kSortByLevel};
        if (column >= 0 && column < 3) {
            RunCommand(kSorts[column]);
        }
    });
}

QPushButton* DlgMainMenu::AddButton(int command, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, command] { RunCommand(command); });
    buttons_.emplace(command, button);
    return button;
}

QAction* DlgMainMenu::AddAction(QMenu& menu, int command) {
    QAction* action = menu.addAction(QString());
    action->setShortcut(ShortcutOf(command));
    connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    actions_.emplace(command, action);
    return action;
}

void DlgMainMenu::BuildMenus() {
    const std::vector<MenuPlan> plans = {
        {"main.menu.file", {CommandPlace::FileMenu}},
        {"main.menu.edit", {CommandPlace::EditMenu}},
        {"main.menu.database", {CommandPlace::DatabaseMenu}},
        {"main.menu.club", {CommandPlace::ClubMenu, CommandPlace::SortButton}},
        {"main.menu.country_world", {CommandPlace::CountryButton, CommandPlace::WorldButton}},
        {"main.menu.assistants", {CommandPlace::AssistantsMenu}},
    };
    for (const MenuPlan& plan : plans) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(plan.titleKey);
        menus_.push_back(menu);
        for (const CommandInfo& info : MainWindowCommands()) {
            if (std::find(plan.places.begin(), plan.places.end(), info.place) ==
                plan.places.end()) {
                continue;
            }
            if (info.id >= Command::kFirstDatabase && info.id <= Command::kLastDatabase) {
                databaseEntries_.push_back(AddAction(*menu, info.id));
                continue;
            }
            if (info.id == Command::kExit || info.id == Command::kSynchronise) {
                menu->addSeparator();
            }
            QAction* action = AddAction(*menu, info.id);
            if (info.id == Command::kUndo) {
                undo_ = action;
            } else if (info.id == Command::kRedo) {
                redo_ = action;
            }
        }
    }
    // Settings: the interface language.
    QMenu* settings = menuBar()->addMenu(QString());
    settings->setObjectName("settings");
    menus_.push_back(settings);
    QMenu* languages = settings->addMenu(QString());
    languages->setObjectName("languages");
    for (InterfaceLanguage language : {InterfaceLanguage::Russian, InterfaceLanguage::English}) {
        QAction* action = languages->addAction(QString());
        action->setCheckable(true);
        action->setData(static_cast<int>(language));
        connect(action, &QAction::triggered, this,
                [this, language] { SwitchLanguage(static_cast<int>(language)); });
    }
    if (adminMode_) {
        QMenu* admin = menuBar()->addMenu(QString());
        admin->setObjectName("admin");
        menus_.push_back(admin);
        for (const CommandInfo& info : MainWindowCommands()) {
            if (info.place == CommandPlace::AdminMenu) {
                if (const char* section = AdminSectionBefore(info.id)) {
                    admin->addAction(QString::fromUtf8(section))->setEnabled(false);
                }
                AddAction(*admin, info.id);
            }
        }
    }
}

// Texts that change only with the interface language.
void DlgMainMenu::RetranslateStatic() {
    languageLabel_->setText(Text("main.label.language"));
    continentLabel_->setText(Text("main.label.continent"));
    countryTitle_->setText(Text("main.label.countries"));
    clubTitle_->setText(Text("main.label.clubs"));
    clubs_->setHeaderLabels(
        {Text("main.column.club"), Text("main.column.league"), Text("main.column.level")});
    for (const auto& [group, title] : groupTitles_) {
        static_cast<QGroupBox*>(group)->setTitle(TextOfKey(title));
    }
    for (const StatisticsLine& line : CountryLines()) {
        statisticsNames_[line.label]->setText(ToQString(DialogText(line.caption)));
    }
    for (const StatisticsLine& line : DatabaseLines()) {
        statisticsNames_[line.label]->setText(ToQString(DialogText(line.caption)));
    }
    for (QMenu* menu : menus_) {
        const QString name = menu->objectName();
        if (name == "settings") {
            menu->setTitle(Text("main.menu.settings"));
            for (QAction* action : menu->actions()) {
                if (QMenu* sub = action->menu()) {
                    sub->setTitle(Text("main.settings.language"));
                    for (QAction* entry : sub->actions()) {
                        const bool english =
                            entry->data().toInt() == static_cast<int>(InterfaceLanguage::English);
                        entry->setText(english ? Text("main.settings.language.english")
                                               : Text("main.settings.language.russian"));
                        entry->setChecked(entry->data().toInt() ==
                                          static_cast<int>(CurrentInterfaceLanguage()));
                    }
                }
            }
        } else if (name == "admin") {
            menu->setTitle(QString::fromUtf8(kAdminMenuTitle));
        } else {
            menu->setTitle(TextOfKey(name.toStdString()));
        }
    }
    // The language and continent boxes take their entries in the new language.
    FillBoxes();
}

void DlgMainMenu::FillBoxes() {
    filling_ = true;
    language_->clear();
    for (const BoxEntry& entry : LanguageBoxEntries()) {
        language_->addItem(NumberedText(entry.stringId), entry.itemData);
    }
    continent_->clear();
    for (const BoxEntry& entry : ContinentBoxEntries()) {
        continent_->addItem(NumberedText(entry.stringId), entry.itemData);
    }
    filling_ = false;
}

// Showing the model ----------------------------------------------------------------------------

bool DlgMainMenu::Start(bool rendererLoaded) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const StartOutcome outcome = model_->Initialise(rendererLoaded, LoadString(kProductString));
    QApplication::restoreOverrideCursor();
    if (outcome.closeWindow) {
        closeAllowed_ = true;
        return false;
    }
    Refresh();
    return true;
}

void DlgMainMenu::RunCommand(int id) {
    if (id == Command::kExit) {
        close();
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CommandOutcome outcome = model_->OnCommand(id);
    QApplication::restoreOverrideCursor();
    Refresh();
    if (outcome.closeWindow) {
        closeAllowed_ = true;
        close();
    }
}

void DlgMainMenu::Refresh() {
    filling_ = true;
    const int languageIndex = language_->findData(model_->LanguageItem());
    language_->setCurrentIndex(languageIndex);
    const int continentIndex = continent_->findData(model_->Continent());
    continent_->setCurrentIndex(continentIndex);
    filling_ = false;
    FillCountryList();
    FillClubList();
    ShowStatistics();
    UpdateCommands();
    setWindowTitle(ToQString(model_->Title()));
    DatabaseSession* session = databases_.Current();
    if (session != nullptr) {
        const QString folder = ToQString(session->World().DatabaseFolder());
        status_->setText(session->IsModified() ? folder + "   " + Text("main.status.unsaved")
                                               : folder);
    } else {
        status_->clear();
    }
}

void DlgMainMenu::FillCountryList() {
    filling_ = true;
    countries_->clear();
    for (const CountryRow& row : model_->Countries()) {
        auto* item = new QListWidgetItem(RecordToQString(row.name), countries_);
        item->setData(Qt::UserRole, row.number);
    }
    if (model_->SelectedCountryRow() >= 0) {
        countries_->setCurrentRow(model_->SelectedCountryRow());
    }
    const int top = model_->CountryTopRow();
    if (top >= 0 && top < countries_->count()) {
        countries_->scrollToItem(countries_->item(top), QAbstractItemView::PositionAtTop);
    }
    filling_ = false;
}

void DlgMainMenu::FillClubList() {
    filling_ = true;
    clubs_->clear();
    QList<QTreeWidgetItem*> items;
    for (const ClubRow& row : model_->Clubs()) {
        auto* item = new QTreeWidgetItem;
        item->setText(0, RecordToQString(row.name));
        if (!row.nationalTeam) {
            item->setText(1, RecordToQString(row.league));
            item->setText(2, QString::number(row.level, 'f', 2));
        }
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(0, Qt::UserRole, QVariant::fromValue(row.clubId));
        items.push_back(item);
    }
    clubs_->addTopLevelItems(items);
    const int selected = model_->SelectedClubRow();
    if (selected >= 0 && selected < clubs_->topLevelItemCount()) {
        clubs_->setCurrentItem(clubs_->topLevelItem(selected));
    }
    const int top = model_->ClubTopRow();
    if (top >= 0 && top < clubs_->topLevelItemCount()) {
        clubs_->scrollToItem(clubs_->topLevelItem(top), QAbstractItemView::PositionAtTop);
    }
    clubs_->header()->setSortIndicatorShown(true);
    clubs_->header()->setSortIndicator(static_cast<int>(model_->Sort()), Qt::AscendingOrder);
    filling_ = false;
}

void DlgMainMenu::ShowStatistics() {
    for (const StatisticsValue& value : model_->StatisticsValues()) {
        if (auto found = statistics_.find(value.label); found != statistics_.end()) {
            found->second->setText(ToQString(value.text));
        }
    }
}

void DlgMainMenu::UpdateCommands() {
    const InterfaceLanguage language = CurrentInterfaceLanguage();
    for (const CommandState& state : model_->Commands(language)) {
        const QString name = ToQString(state.name);
        for (auto [it, end] = actions_.equal_range(state.id); it != end; ++it) {
            it->second->setText(name);
            it->second->setEnabled(state.enabled);
            it->second->setVisible(state.visible);
        }
        for (auto [it, end] = buttons_.equal_range(state.id); it != end; ++it) {
            it->second->setText(name);
            it->second->setToolTip(name);
            it->second->setEnabled(state.enabled);
            it->second->setVisible(state.visible);
            if (it->second->isCheckable()) {
                it->second->setChecked(state.checked);
            }
        }
    }
    if (undo_ != nullptr) {
        undo_->setText(ToQString(model_->UndoText(language)));
    }
    if (redo_ != nullptr) {
        redo_->setText(ToQString(model_->RedoText(language)));
    }
    // The database menu names its entries after the open databases.
    const std::vector<DatabaseMenuEntry> entries = model_->DatabaseMenu();
    for (size_t i = 0; i < databaseEntries_.size(); ++i) {
        QAction* action = databaseEntries_[i];
        if (i < entries.size()) {
            action->setText(ToQString(entries[i].text));
            action->setCheckable(true);
            action->setChecked(entries[i].current);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

QString DlgMainMenu::StatisticsText(int label) const {
    auto found = statistics_.find(label);
    return found != statistics_.end() ? found->second->text() : QString();
}

void DlgMainMenu::ShowClubMenu(const QPoint& position) {
    QTreeWidgetItem* item = clubs_->itemAt(position);
    if (item != nullptr) {
        clubs_->setCurrentItem(item);
    }
    QMenu menu(this);
    for (const CommandInfo& info : MainWindowCommands()) {
        if (info.place != CommandPlace::ClubMenu) {
            continue;
        }
        const CommandState state = model_->Command(info.id, CurrentInterfaceLanguage());
        QAction* action = menu.addAction(ToQString(state.name));
        action->setEnabled(state.enabled);
        const int command = info.id;
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
    }
    menu.exec(clubs_->viewport()->mapToGlobal(position));
}

void DlgMainMenu::SwitchLanguage(int language) {
    SetInterfaceLanguage(static_cast<InterfaceLanguage>(language));
    WriteSetting(LoadString(kProductString), "LANGUAGE",
                 std::string(InterfaceLanguageCode(CurrentInterfaceLanguage())),
                 SystemEnvironment::Instance());
    RetranslateStatic();
    Refresh();
}

// Closing and the window's place ------------------------------------------------------------

void DlgMainMenu::closeEvent(QCloseEvent* event) {
    if (!closeAllowed_ && !model_->RequestClose()) {
        event->ignore();
        return;
    }
    closeAllowed_ = true;
    SaveGeometry();
    event->accept();
}

void DlgMainMenu::RestoreGeometry() {
    resize(1100, 720);
    const std::optional<std::string> stored =
        ReadSetting(LoadString(kProductString), kGeometryKey, SystemEnvironment::Instance());
    if (stored) {
        restoreGeometry(QByteArray::fromBase64(QByteArray::fromStdString(*stored)));
    }
}

void DlgMainMenu::SaveGeometry() const {
    WriteSetting(LoadString(kProductString), kGeometryKey, saveGeometry().toBase64().toStdString(),
                 SystemEnvironment::Instance());
}

} // namespace tallo
