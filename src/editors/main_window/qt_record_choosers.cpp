#include "editors/main_window/qt_record_choosers.h"

#include "editors/club/dlg_choose_club.h"
#include "editors/player/dlg_person_select.h"

namespace tallo {

std::optional<uint32_t> QtRecordChoosers::ChooseClub(int presetCountry, uint32_t presetClub) {
    return ChooseClubDialog(owner_, world_, languageSlot_, presetCountry, presetClub);
}

std::optional<IRecordChoosers::ChosenPerson>
QtRecordChoosers::ChoosePerson(int presetCountry, uint32_t presetClub, uint32_t presetPerson) {
    return ChoosePersonDialog(owner_, world_, languageSlot_, presetCountry, presetClub,
                              presetPerson);
}

} // namespace tallo
