#pragma once

#include "editing/club/kit_colour.h"
#include "editors/framework/dialog_b.h"

#include <array>

class QFrame;
class QSpinBox;

namespace tallo {

class CMySliderControl;

// The colour of one part of a kit: red, green and blue of 0 to 63 each, set with a slider and a
// number per channel, and a swatch of the colour as the kit shows it.
class CDlgClubShirtsColor : public CDialogB {
public:
    // `part` names the part of the kit in the caption.
    CDlgClubShirtsColor(QWidget* parent, const KitColour& colour, const QString& part);

    const KitColour& Colour() const { return model_.Colour(); }

    CMySliderControl& Slider(int channel) const { return *sliders_[static_cast<size_t>(channel)]; }
    QSpinBox& Spin(int channel) const { return *spins_[static_cast<size_t>(channel)]; }
    QFrame& Swatch() const { return *swatch_; }

private:
    void SetChannel(int channel, int value);
    void Show();

    KitColourModel model_;
    std::array<CMySliderControl*, 3> sliders_{};
    std::array<QSpinBox*, 3> spins_{};
    QFrame* swatch_ = nullptr;
};

} // namespace tallo
