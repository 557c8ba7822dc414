#include "editors/player/dlg_player_select.h"

#include "editing/player/player_chooser_model.h"
#include "editors/framework/qt_text.h"

namespace tallo {

namespace {

std::unique_ptr<PersonChooserModel> PresetModel(const CWorld& world, int languageSlot,
                                                int presetCountry, uint32_t presetClub,
                                                uint32_t presetPlayer) {
    auto model = std::make_unique<PlayerChooserModel>(world, languageSlot);
    model->Preset(presetCountry, presetClub, presetPlayer);
    return model;
}

} // namespace

CDlgPlayerSelect::CDlgPlayerSelect(const CWorld& world, int languageSlot, int presetCountry,
                                   uint32_t presetClub, uint32_t presetPlayer, QWidget* parent)
    : CDlgPersonSelect(PresetModel(world, languageSlot, presetCountry, presetClub, presetPlayer),
                       parent) {
    setWindowTitle(UiText("chooser.player.caption"));
    const QString separator = QStringLiteral(", ");
    SetListCaption(UiText("chooser.players") + QLatin1Char(' ') + UiText("chooser.column.name") +
                   separator + UiText("chooser.column.position") + separator +
                   UiText("chooser.column.nationality") + separator +
                   UiText("chooser.column.rating") + separator + UiText("chooser.column.age"));
    SetListColumns(5);
}

} // namespace tallo
