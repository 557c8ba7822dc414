#pragma once

#include "editors/player/dlg_person_select.h"

namespace tallo {

// The player chooser (CDlgPlayerSelect): the person chooser narrowed to players, each row with
// name, position, nationality, level and age.
class CDlgPlayerSelect : public CDlgPersonSelect {
    Q_OBJECT

public:
    CDlgPlayerSelect(const CWorld& world, int languageSlot, int presetCountry, uint32_t presetClub,
                     uint32_t presetPlayer, QWidget* parent = nullptr);
};

} // namespace tallo
