#pragma once

#include "editing/club/kit_page_model.h"
#include "editors/club/club_page_view.h"
#include "editors/framework/dialog_b.h"

#include <array>

class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tallo {

class CRenderPreview;
struct ClubEditContext;

// The kit page of the club editor: the choice of the first or second kit, its three styles,
// its four colours (each button opens CDlgClubShirtsColor) and the renderer's live picture of
// the kit, drawn again after every change.
class CDlgClubShirts : public CDialogB, public ClubPageView {
public:
    CDlgClubShirts(QWidget* parent, const ClubEditContext& context);

    void FillFrom(const CClub& club) override;
    void StoreInto(CClub& club) override;

    // Which kit is edited (0 first, 1 second).
    void ShowKit(int kit);
    // Opens the colour dialog for a colour of the kit being edited.
    void EditColour(int slot);

    const KitPageModel& Model() const { return model_; }
    QRadioButton& KitButton(int kit) const { return *kitButtons_[static_cast<size_t>(kit)]; }
    QSpinBox& StyleSpin(int slot) const { return *styles_[static_cast<size_t>(slot)]; }
    QPushButton& ColourButton(int slot) const { return *colours_[static_cast<size_t>(slot)]; }
    CRenderPreview& Preview() const { return *preview_; }

private:
    void Show();
    void KitChanged();

    KitPageModel model_;
    std::array<QRadioButton*, 2> kitButtons_{};
    std::array<QSpinBox*, 3> styles_{};
    std::array<QPushButton*, KitPageModel::kColourCount> colours_{};
    CRenderPreview* preview_ = nullptr;
};

} // namespace tallo
