#pragma once

#include <array>

#include "editing/country/country_edit_context.h"
#include "editing/country/youth_looks_page_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QLabel;
class QListWidget;

namespace tallo {

class CCountry;
class CSpinEditCtrl;

// The young-player appearance page of the country settings editor: the skin colours, hair
// colours, hair styles, beards and face types the country's young players may get (lists in
// which several entries can be marked), their average height and weight.
class CDlgLandYouthplayer : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgLandYouthplayer(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    void StoreCountry() override;

    YouthLooksPageModel& Model() { return model_; }
    QListWidget& List(YouthLooksPageModel::List list) const { return *lists_[list]; }
    CSpinEditCtrl& HeightSpin() const { return *height_; }
    CSpinEditCtrl& WeightSpin() const { return *weight_; }
    QLabel& HeightImperial() const { return *heightImperial_; }
    QLabel& WeightImperial() const { return *weightImperial_; }

private:
    CCountry* Country() const;
    void BuildLayout();
    void ShowImperial();

    CountryEditContext context_;
    YouthLooksPageModel model_;
    std::array<QListWidget*, YouthLooksPageModel::kListCount> lists_{};
    CSpinEditCtrl* height_ = nullptr;
    CSpinEditCtrl* weight_ = nullptr;
    QLabel* heightImperial_ = nullptr;
    QLabel* weightImperial_ = nullptr;
};

} // namespace tallo
