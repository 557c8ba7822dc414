#include "editors/player/person_editor_pages.h"

#include "editing/player/person_editor_roles.h"
#include "editors/framework/qt_text.h"
#include "editors/player/dlg_player_all_right.h"
#include "editors/player/dlg_player_hist.h"
#include "editors/player/dlg_player_look.h"
#include "editors/player/person_editor.h"
#include "editors/staff/dlg_chairman.h"
#include "editors/staff/dlg_manager_abilities.h"
#include "editors/staff/dlg_manager_all_right.h"
#include "editors/staff/dlg_staff_at_club.h"
#include "world/player.h"

namespace tallo {

CPersonEditor* MakeFullPersonEditor(QWidget* parent, const PersonEditContext& context) {
    auto* editor = new CPersonEditor(parent, context);

    CDlgPlayerAllRight& main = editor->MainPage();
    auto* preferences = new CDlgManagerAllRight(&main, context);
    main.SetRoleSubPage(PersonRoleGroup::Manager, preferences, preferences);
    auto* chairman = new CDlgChairman(&main, context);
    main.SetRoleSubPage(PersonRoleGroup::Chairman, chairman, chairman);
    auto* staff = new CDlgStaffAtClub(&main, context);
    main.SetRoleSubPage(PersonRoleGroup::Staff, staff, staff);

    const auto anyRole = [](uint8_t) { return true; };
    const auto players = [](uint8_t role) { return role == CPlayer::kRolePlayer; };
    const auto officials = [](uint8_t role) { return role != CPlayer::kRolePlayer; };

    auto* abilities = new CDlgManagerAbilities(editor, context);
    editor->AddPage(abilities, abilities, UiText("editors.person.staff_abilities"), officials);
    auto* look = new CDlgPlayerLook(editor, context);
    editor->AddPage(look, look, UiText("editors.person.look"), anyRole);
    auto* history = new CDlgPlayerHist(editor, context);
    editor->AddPage(history, history, UiText("editors.person.history"), players);
    return editor;
}

} // namespace tallo
