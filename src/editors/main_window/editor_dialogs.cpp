#include "editors/main_window/editor_dialogs.h"

#include <utility>

#include <QApplication>

#include "editing/club/club_edit_context.h"
#include "editing/main_window/command_ids.h"
#include "editing/player/person_edit_context.h"
#include "editing/session/database_session.h"
#include "editing/session/editor_context.h"
#include "editing/country/country_edit_context.h"
#include "editing/assistants/world_changes.h"
#include "editors/admin/admin_commands.h"
#include "editors/assistants/dlg_fast_transfer.h"
#include "editors/assistants/dlg_player_compare.h"
#include "editors/assistants/dlg_player_double.h"
#include "editors/assistants/dlg_player_without_club.h"
#include "editors/assistants/kept_search_criteria.h"
#include "editors/assistants/player_search_loop.h"
#include "editors/club/club_editor_start.h"
#include "editors/country/country_editor_start.h"
#include "editors/country/dlg_national_teams.h"
#include "editors/main_window/qt_record_choosers.h"
#include "editors/player/person_editor.h"
#include "editors/player/person_editor_pages.h"
#include "editors/player/squad_list_start.h"
#include "editors/records/dlg_five_year_ranking.h"
#include "editors/records/dlg_inter_comp.h"
#include "editors/records/dlg_regelaenderung.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

// The country a club ID belongs to, when it is a country of the world.
int CountryOfClub(uint32_t clubId) {
    const int country = static_cast<int>(ClubId::CountryOf(clubId));
    return country >= 1 && country <= CWorld::kCountryCount ? country : 0;
}

} // namespace

bool EditorDialogs::Supports(int command) const {
    return command == Command::kClubSettings || command == Command::kSquadList ||
           command == Command::kCountrySettings || command == Command::kNationalTeams ||
           command == Command::kGlobalSettings || command == Command::kContinentalSettings ||
           IsAssistant(command) || IsAdminCommand(command);
}

bool EditorDialogs::IsAssistant(int command) {
    return command == Command::kFastTransfer || command == Command::kPlayerSearch ||
           command == Command::kPlayerDoubles || command == Command::kFreeAgents ||
           command == Command::kPlayerComparison;
}

void EditorDialogs::Run(int command, const EditorSelection& selection) {
    if (IsAdminCommand(command)) {
        RunAdminCommand(owner_, command, selection, context_);
        return;
    }
    if (command == Command::kCountrySettings || command == Command::kNationalTeams) {
        RunCountryCommand(command, selection);
        return;
    }
    if (command == Command::kGlobalSettings || command == Command::kContinentalSettings) {
        RunRulesCommand(command, selection);
        return;
    }
    if (IsAssistant(command)) {
        RunAssistant(command, selection);
        return;
    }
    if (selection.session == nullptr || selection.club == 0 || CountryOfClub(selection.club) == 0) {
        return;
    }
    if (selection.session->World()
            .GetCountry(CountryOfClub(selection.club))
            ->FindClub(selection.club) == nullptr) {
        return;
    }
    switch (command) {
    case Command::kClubSettings:
        RunClubEditor(selection);
        break;
    case Command::kSquadList:
        RunSquadList(selection);
        break;
    default:
        break;
    }
}

void EditorDialogs::RunCountryCommand(int command, const EditorSelection& selection) {
    if (selection.session == nullptr || selection.country < 1 ||
        selection.country > CWorld::kCountryCount) {
        return;
    }
    DatabaseSession& session = *selection.session;
    if (command == Command::kNationalTeams) {
        RunNationalTeams(owner_, session, selection.country, selection.languageSlot);
        return;
    }
    QtRecordChoosers choosers(owner_, session.World(), selection.languageSlot);
    CountryEditContext country;
    country.languageSlot = selection.languageSlot;
    country.pictureFolder = context_.pictureFolder;
    country.prompt = context_.prompt;
    country.choosers = &choosers;
    RunCountryEditor(owner_, session, selection.country, country);
}

void EditorDialogs::RunRulesCommand(int command, const EditorSelection& selection) {
    if (selection.session == nullptr) {
        return;
    }
    DatabaseSession& session = *selection.session;
    if (command == Command::kGlobalSettings) {
        RunGlobalSettings(owner_, session);
        return;
    }
    const int slot = selection.languageSlot;
    QtRecordChoosers choosers(owner_, session.World(), slot);
    // The ranking opens over the continental settings dialog, whose change it joins.
    auto openRanking = [this, &session, slot](ChangeJournal::OpenChange& change) {
        QWidget* over = QApplication::activeModalWidget();
        RunFiveYearRanking(over != nullptr ? over : owner_, session.World(), slot, change);
    };
    RunContinentalSettings(owner_, session, slot, &choosers, openRanking);
}

void EditorDialogs::RunAssistant(int command, const EditorSelection& selection) {
    if (selection.session == nullptr) {
        return;
    }
    DatabaseSession& session = *selection.session;
    CWorld& world = session.World();
    const int slot = selection.languageSlot;
    // Every move, transfer and delete of an assistant opened here is one entry of the journal.
    const WorldChanges changes = WorldChanges::Journal(session.Journal());
    switch (command) {
    case Command::kFastTransfer:
        RunFastTransfer(owner_, world, slot, selection.country, changes);
        break;
    case Command::kPlayerSearch:
        RunSearchLoop(selection, changes);
        break;
    case Command::kPlayerDoubles:
        RunPlayerDoubles(owner_, world, slot, selection.country, selection.club, changes);
        break;
    case Command::kFreeAgents: {
        QtRecordChoosers choosers(owner_, world, slot);
        RunFreeAgents(owner_, world, slot, &choosers, changes);
        break;
    }
    case Command::kPlayerComparison:
        RunPlayerComparison(owner_, world, slot, selection.country);
        break;
    default:
        break;
    }
}

void EditorDialogs::RunSearchLoop(const EditorSelection& selection, const WorldChanges& changes) {
    DatabaseSession& session = *selection.session;
    QtRecordChoosers choosers(owner_, session.World(), selection.languageSlot);
    PlayerSearchOpening opening;
    opening.contextMenu = true;
    opening.showClub = true;
    const uint32_t club =
        RunPlayerSearch(owner_, session.World(), selection.languageSlot, KeptSearchCriteria(),
                        opening, changes, &choosers, nullptr);
    const CClub* chosen = club != 0 ? session.World().FindClub(club) : nullptr;
    if (chosen == nullptr) {
        return;
    }
    // The chosen club's squad list, as the squad list command opens it (its change is one
    // entry of the journal when confirmed).
    EditorSelection squad = selection;
    squad.club = chosen->Id();
    RunSquadList(squad);
}

void EditorDialogs::RunClubEditor(const EditorSelection& selection) {
    DatabaseSession& session = *selection.session;
    QtRecordChoosers choosers(owner_, session.World(), selection.languageSlot);
    ClubEditContext club;
    club.world = &session.World();
    club.country = CountryOfClub(selection.club);
    club.languageSlot = selection.languageSlot;
    club.installFolder = context_.installFolder;
    club.badgesFolder = context_.badgesFolder;
    club.pictureFolder = context_.pictureFolder;
    club.tools = context_.tools;
    club.prompt = context_.prompt;
    club.choosers = &choosers;
    tallo::RunClubEditor(owner_, session, selection.club, club);
}

void EditorDialogs::RunSquadList(const EditorSelection& selection) {
    DatabaseSession& session = *selection.session;
    QtRecordChoosers choosers(owner_, session.World(), selection.languageSlot);
    PersonEditContext person;
    person.world = &session.World();
    person.languageSlot = selection.languageSlot;
    person.pictureFolder = context_.pictureFolder;
    person.prompt = context_.prompt;
    person.choosers = &choosers;
    person.chooserCountry = CountryOfClub(selection.club);
    PersonEditorFactory factory = [person](QWidget* parent) {
        CPersonEditor* editor = MakeFullPersonEditor(parent, person);
        return std::pair<QWidget*, PersonPageView*>(editor, editor);
    };
    tallo::RunSquadList(owner_, session, selection.club, person, std::move(factory));
}

} // namespace tallo
