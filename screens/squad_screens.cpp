// The squad list of the sample's richest club on each of its tabs (with a plain page standing
// in for the person pages), the person and player choosers, the player list and the
// shirt-number dialog.

#include <filesystem>

#include "app/database_folders.h"
#include "editing/player/squad_list_model.h"
#include "editing/session/database_session.h"
#include "editing/session/editor_context.h"
#include "editing/session/open_databases.h"
#include "editors/framework/dialog_b.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "editors/player/dlg_person_select.h"
#include "editors/player/dlg_player_list.h"
#include "editors/player/dlg_player_select.h"
#include "editors/player/dlg_playerlist_club.h"
#include "editors/player/dlg_shirt_no.h"
#include "editing/player/person_edit_context.h"
#include "editors/player/person_editor.h"
#include "editors/player/person_editor_pages.h"
#include "editors/player/person_page_view.h"
#include "editing/player/person_chooser_model.h"
#include "editing/staff/person_list_rows.h"
#include "platform/environment.h"
#include "platform/recording_progress.h"
#include "platform/scripted_prompt.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The club of the world that lists the most persons.
CClub* RichestClub(CWorld& world) {
    CClub* best = nullptr;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        for (const auto& [id, club] : world.GetCountry(number)->Clubs()) {
            if (!club->IsNationalTeam() &&
                (best == nullptr || club->PlayerCount() > best->PlayerCount())) {
                best = club.get();
            }
        }
    }
    return best;
}

QImage SquadListOnTab(ScreenContext& context, int tab) {
    ScreenEditor editor(context, "squad");
    if (editor.session == nullptr) {
        return QImage();
    }
    CClub* club = RichestClub(editor.session->World());
    if (club == nullptr) {
        return QImage();
    }
    SquadListModel model(*editor.session, club->Id(), nullptr);
    PersonEditContext person;
    person.world = &editor.session->World();
    person.languageSlot = editor.session->World().Language();
    person.pictureFolder = editor.context.pictureFolder;
    person.prompt = &editor.prompt;
    person.chooserCountry = club->CountryNumber();
    QImage image;
    {
        CDlgPlayerlistClub dialog(model, person.languageSlot, [&person](QWidget* parent) {
            CPersonEditor* page = MakeFullPersonEditor(parent, person);
            return std::pair<QWidget*, PersonPageView*>(page, page);
        });
        dialog.Tabs().setCurrentIndex(tab);
        image = GrabShown(dialog);
        dialog.close();
    }
    model.Abandon();
    return image;
}

const ScreenRegistration firstTeam("squad_list_first_team", [](ScreenContext& context) {
    return SquadListOnTab(context, 0);
});
const ScreenRegistration reserves("squad_list_reserves", [](ScreenContext& context) {
    return SquadListOnTab(context, 1);
});
const ScreenRegistration board("squad_list_board",
                               [](ScreenContext& context) { return SquadListOnTab(context, 2); });

const ScreenRegistration
    personSelect("person_select", WidgetScreen([](ScreenContext& context) {
                     CClub* club = RichestClub(*context.world);
                     auto model = std::make_unique<PersonChooserModel>(*context.world, 0);
                     model->Preset(club->CountryNumber(), club->Id(),
                                   club->PlayerId(club->PlayerCount() - 1));
                     return std::make_unique<CDlgPersonSelect>(std::move(model));
                 }));

const ScreenRegistration playerSelect("player_select", WidgetScreen([](ScreenContext& context) {
                                          CClub* club = RichestClub(*context.world);
                                          return std::make_unique<CDlgPlayerSelect>(
                                              *context.world, 0, club->CountryNumber(), club->Id(),
                                              club->PlayerId(0));
                                      }));

const ScreenRegistration playerList("player_list", WidgetScreen([](ScreenContext& context) {
                                        CClub* club = RichestClub(*context.world);
                                        return std::make_unique<CDlgPlayerList>(
                                            *context.world, 0, club->CountryNumber());
                                    }));

const ScreenRegistration shirtNumbers("shirt_numbers", WidgetScreen([](ScreenContext& context) {
                                          CClub* club = RichestClub(*context.world);
                                          return std::make_unique<CDlgShirtNo>(*context.world,
                                                                               *club, 0);
                                      }));

} // namespace

} // namespace tallo::screens
