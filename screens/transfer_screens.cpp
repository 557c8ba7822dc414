// The fast transfer, the players without a club and the player comparison, on the sample's
// country with the most clubs, with a player and a target club chosen.

#include <QComboBox>
#include <QListWidget>

#include "editing/assistants/world_changes.h"
#include "editing/common/record_choosers.h"
#include "editing/session/database_session.h"
#include "editors/assistants/dlg_fast_transfer.h"
#include "editors/assistants/dlg_player_compare.h"
#include "editors/assistants/dlg_player_without_club.h"
#include "editors/assistants/report_list.h"
#include "editors/framework/my_list_box.h"
#include "screen_editor.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

int BusiestCountry(const CWorld& world) {
    int best = 1;
    size_t most = 0;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const size_t clubs = world.GetCountry(number)->GetOrdinaryClubCount();
        if (clubs > most) {
            most = clubs;
            best = number;
        }
    }
    return best;
}

const ScreenRegistration fastTransfer("fast_transfer", [](ScreenContext& screen) {
    ScreenEditor editor(screen, "fast_transfer");
    if (editor.session == nullptr) {
        return QImage();
    }
    CWorld& world = editor.session->World();
    CDlgFastTransfer dialog(nullptr, world, world.Language(), BusiestCountry(world),
                            WorldChanges::Journal(editor.session->Journal()));
    if (dialog.Players().count() > 2) {
        dialog.Players().setCurrentRow(2);
    }
    if (dialog.Clubs().count() > 1) {
        dialog.Clubs().setCurrentRow(1);
    }
    dialog.resize(dialog.sizeHint().expandedTo(QSize(900, 520)));
    return GrabShown(dialog);
});

// The club chooser is not opened for the picture; it only makes the move button available.
class NoChoosers : public IRecordChoosers {
public:
    std::optional<uint32_t> ChooseClub(int, uint32_t) override { return std::nullopt; }
    std::optional<ChosenPerson> ChoosePerson(int, uint32_t, uint32_t) override {
        return std::nullopt;
    }
};

const ScreenRegistration freeAgents("free_agents", [](ScreenContext& screen) {
    ScreenEditor editor(screen, "free_agents");
    if (editor.session == nullptr) {
        return QImage();
    }
    CWorld& world = editor.session->World();
    // A few players of the busiest country's first club leave it, so the list has rows.
    CCountry& country = *world.GetCountry(BusiestCountry(world));
    if (world.PlayersWithoutClub().size() < 6 && !country.Clubs().empty()) {
        CClub& club = *country.Clubs().begin()->second;
        for (int moved = 0; moved < 6 && club.PlayerCount() > 0; ++moved) {
            const uint32_t id = club.PlayerId(club.PlayerCount() - 1);
            club.RemovePlayer(id);
            world.PlayersWithoutClub().push_back(id);
        }
    }
    NoChoosers choosers;
    CDlgPlayerWithoutClub dialog(nullptr, world, world.Language(), &choosers,
                                 WorldChanges::Journal(editor.session->Journal()));
    if (dialog.List().rowCount() > 1) {
        dialog.List().SelectData(1);
    }
    return GrabShown(dialog);
});

const ScreenRegistration comparison("player_comparison", [](ScreenContext& screen) {
    CWorld& world = *screen.world;
    CDlgPlayerCompare dialog(nullptr, world, world.Language(), BusiestCountry(world));
    if (dialog.Clubs(1).count() > 1) {
        dialog.Clubs(1).setCurrentIndex(1);
    }
    for (int side = 0; side < 2; ++side) {
        if (dialog.Players(side).rowCount() > 0) {
            dialog.Players(side).SelectData(0);
        }
    }
    return GrabShown(dialog);
});

} // namespace

} // namespace tallo::screens
