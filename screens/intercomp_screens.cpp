// The international competitions (both pages), the stadium chooser and the global settings on
// the sample's game database, with winners, a holder and final venues entered.

#include <QTabWidget>

#include <iterator>
#include <memory>

#include "editing/records/continental_settings_edit.h"
#include "editing/records/global_settings_model.h"
#include "editing/records/stadium_chooser_model.h"
#include "editing/session/database_session.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/main_window/qt_record_choosers.h"
#include "editors/records/dlg_choose_stadium.h"
#include "editors/records/dlg_inter_comp.h"
#include "editors/records/dlg_regelaenderung.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The clubs of the country with the most clubs, and its stadiums.
struct SampleChoices {
    explicit SampleChoices(const CWorld& world) {
        size_t most = 0;
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            const CCountry& country = *world.GetCountry(number);
            if (country.GetOrdinaryClubCount() > most) {
                most = country.GetOrdinaryClubCount();
                clubCountry = number;
            }
            if (stadiumCountry == 0 && country.stadiums.Count() >= 2) {
                stadiumCountry = number;
            }
        }
        const CCountry* country = world.GetCountry(clubCountry);
        for (const auto& [id, club] : country->Clubs()) {
            if (!ClubId::IsNationalTeam(id) && clubs.size() < 3) {
                clubs.push_back(id);
            }
        }
        if (stadiumCountry != 0) {
            const auto& stadiums = world.GetCountry(stadiumCountry)->stadiums;
            for (auto it = stadiums.begin(); it != stadiums.end() && venues.size() < 2; ++it) {
                venues.push_back(StadiumChooserModel::MakeReference(stadiumCountry, it->first));
            }
        }
    }

    int clubCountry = 1;
    int stadiumCountry = 0;
    std::vector<uint32_t> clubs;
    std::vector<uint32_t> venues;
};

QImage InterComp(ScreenContext& screen, int tab) {
    ScreenEditor editor(screen, "intercomp");
    if (editor.session == nullptr) {
        return QImage();
    }
    CWorld& world = editor.session->World();
    ContinentalSettingsEdit edit(*editor.session, world.Language(),
                                 [](ChangeJournal::OpenChange&) {});
    const SampleChoices sample(world);
    for (size_t i = 0; i < sample.clubs.size(); ++i) {
        edit.Model().SetClub(static_cast<int>(i), sample.clubs[i]);
    }
    for (size_t i = 0; i < sample.venues.size(); ++i) {
        edit.Model().SetVenueStadium(static_cast<int>(i), sample.venues[i]);
    }
    // The sample's rules carry no names: two of them typed as a user would (in letters of the
    // database's code page).
    if (edit.Model().Name(InterCompModel::kChampionsCup).empty()) {
        edit.Model().SetName(InterCompModel::kChampionsCup, "Champions League");
        edit.Model().SetShortName(InterCompModel::kChampionsCup, "Champions Lg.");
        edit.Model().SetName(InterCompModel::kSouthAmericanCup, "Copa Libertadores");
        edit.Model().SetShortName(InterCompModel::kSouthAmericanCup, "Libertadores");
    }
    QtRecordChoosers choosers(nullptr, world, world.Language());
    CDlgInterComp dialog(edit, &choosers, sample.clubCountry);
    dialog.Tabs().setCurrentIndex(tab);
    return GrabShown(dialog);
}

const ScreenRegistration europe("intercomp_europe",
                                [](ScreenContext& screen) { return InterComp(screen, 0); });
const ScreenRegistration southAmerica("intercomp_south_america",
                                      [](ScreenContext& screen) { return InterComp(screen, 1); });

const ScreenRegistration stadiumChooser("choose_stadium", [](ScreenContext& screen) {
    const SampleChoices sample(*screen.world);
    StadiumChooserModel model(*screen.world, screen.world->Language());
    model.Preset(sample.stadiumCountry, sample.venues.empty() ? 0 : sample.venues.back());
    CDlgChooseStadium dialog(model);
    return GrabShown(dialog);
});

const ScreenRegistration globalSettings("global_settings", [](ScreenContext& screen) {
    GlobalSettingsModel model;
    model.Fill(screen.world->Rules());
    CDlgRegelaenderung dialog(model);
    return GrabShown(dialog);
});

} // namespace

} // namespace tallo::screens
