#pragma once

#include "editing/common/record_choosers.h"

class QWidget;

namespace tallo {

class CWorld;

// The club chooser and the person chooser as dialogs over `owner`, on one database's world.
class QtRecordChoosers : public IRecordChoosers {
public:
    QtRecordChoosers(QWidget* owner, CWorld& world, int languageSlot)
        : owner_(owner), world_(world), languageSlot_(languageSlot) {}

    std::optional<uint32_t> ChooseClub(int presetCountry, uint32_t presetClub) override;
    std::optional<ChosenPerson> ChoosePerson(int presetCountry, uint32_t presetClub,
                                             uint32_t presetPerson) override;

private:
    QWidget* owner_;
    CWorld& world_;
    int languageSlot_;
};

} // namespace tallo
