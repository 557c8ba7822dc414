#include "editors/player/squad_list_start.h"

#include "editing/common/record_choosers.h"
#include "editing/player/person_edit_context.h"
#include "editing/player/squad_list_model.h"
#include "editing/session/database_session.h"
#include "editors/player/dlg_person_select.h"

namespace tallo {

namespace {

// The choosers when the editor gives none: persons are chosen with the person chooser, clubs
// not at all.
class PersonOnlyChoosers : public IRecordChoosers {
public:
    PersonOnlyChoosers(QWidget* parent, CWorld& world, int languageSlot)
        : parent_(parent), world_(world), languageSlot_(languageSlot) {}

    std::optional<uint32_t> ChooseClub(int, uint32_t) override { return std::nullopt; }
    std::optional<ChosenPerson> ChoosePerson(int presetCountry, uint32_t presetClub,
                                             uint32_t presetPerson) override {
        return ChoosePersonDialog(parent_, world_, languageSlot_, presetCountry, presetClub,
                                  presetPerson);
    }

private:
    QWidget* parent_;
    CWorld& world_;
    int languageSlot_;
};

} // namespace

bool RunSquadList(QWidget* owner, DatabaseSession& session, uint32_t clubId,
                  const PersonEditContext& context, PersonEditorFactory factory) {
    PersonOnlyChoosers fallback(owner, session.World(), context.languageSlot);
    IRecordChoosers* choosers = context.choosers != nullptr ? context.choosers : &fallback;
    SquadListModel model(session, clubId, choosers);
    if (!model.IsValid()) {
        return false;
    }
    CDlgPlayerlistClub dialog(model, context.languageSlot, factory, owner);
    dialog.exec();
    return model.Changed();
}

} // namespace tallo
