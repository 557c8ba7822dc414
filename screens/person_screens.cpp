// The person editor on a rich player of the sample: one picture per page.

#include <memory>

#include "editing/player/person_edit_context.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/player/dlg_player_abilities.h"
#include "editors/player/dlg_player_all_right.h"
#include "editors/player/dlg_player_character.h"
#include "editors/player/dlg_player_position_england.h"
#include "editors/player/person_editor.h"
#include "screen_registry.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

// The player of the sample with the most set: positions, languages, a shirt number.
const CPlayer* RichPlayer(const CWorld& world) {
    const CPlayer* best = nullptr;
    int bestScore = -1;
    for (const auto& [id, player] : world.Players()) {
        if (player->Role() != CPlayer::kRolePlayer) {
            continue;
        }
        const int score = (player->SecondPosition() != 0) + (player->ThirdPosition() != 0) +
                          (player->Language(1) != 0) + (player->ShirtNumber() != 0) +
                          (player->GetSpecialAbility().code != 0) * 2;
        if (score > bestScore) {
            best = player.get();
            bestScore = score;
        }
    }
    return best;
}

// The editor on its own copy of the player, so that the pictures change nothing in the world.
class PersonEditorScreen : public QWidget {
public:
    PersonEditorScreen(ScreenContext& screen, int tab) {
        context_.world = screen.world;
        context_.pictureFolder = screen.install + "/picture";
        if (const CPlayer* rich = RichPlayer(*screen.world)) {
            player_ = *rich;
        }
        // Record text is 8-bit (Windows-1252 here): the sample notes stay Latin.
        player_.SetNotes("Team captain.\r\nLikes heading the ball.");
        editor_ = std::make_unique<CPersonEditor>(nullptr, context_);
        editor_->resize(760, 600);
        editor_->SetPerson(&player_);
        editor_->Tabs().setCurrentIndex(tab);
    }
    CPersonEditor& Editor() { return *editor_; }

private:
    PersonEditContext context_;
    CPlayer player_;
    std::unique_ptr<CPersonEditor> editor_;
};

ScreenCapture PersonTab(int tab) {
    return [tab](ScreenContext& context) {
        PersonEditorScreen screen(context, tab);
        return GrabShown(screen.Editor());
    };
}

const ScreenRegistration mainPage("person_main", PersonTab(0));
const ScreenRegistration positionsPage("person_positions", PersonTab(1));
const ScreenRegistration abilitiesPage("person_abilities", PersonTab(2));
const ScreenRegistration characterPage("person_character", PersonTab(3));

} // namespace

} // namespace tallo::screens
