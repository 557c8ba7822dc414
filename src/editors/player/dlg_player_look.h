#pragma once

#include "editing/player/player_look_page_model.h"
#include "editors/framework/dialog_b.h"
#include "editors/player/person_page_view.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace tallo {

class CRenderPreview;

// The look page: the special face and the generated face's lists, shoe type, height and weight
// with their imperial renderings, long sleeves, and the renderer's head preview, which follows
// every change of a look value.
class CDlgPlayerLook : public CDialogB, public PersonPageView {
    Q_OBJECT

public:
    CDlgPlayerLook(QWidget* parent, const PersonEditContext& context);

    void SetPerson(CPlayer* person) override;
    void StorePerson() override;

    PlayerLookPageModel& Model() { return model_; }
    QComboBox& SpecialFaceBox() const { return *specialFace_; }
    QComboBox& FaceTypeBox() const { return *faceType_; }
    QComboBox& HairColourBox() const { return *hairColour_; }
    QComboBox& HairStyleBox() const { return *hairStyle_; }
    QComboBox& BeardBox() const { return *beard_; }
    QComboBox& ShoeTypeBox() const { return *shoeType_; }
    QSpinBox& HeightSpin() const { return *height_; }
    QSpinBox& WeightSpin() const { return *weight_; }
    QLabel& HeightImperialLabel() const { return *heightImperial_; }
    QLabel& WeightImperialLabel() const { return *weightImperial_; }
    QCheckBox& LongSleevesCheck() const { return *longSleeves_; }
    CRenderPreview& Preview() const { return *preview_; }

private:
    QComboBox* AddList(const std::vector<LookChoice>& choices,
                       void (PlayerLookPageModel::*set)(int));
    void ShowValues();
    void ShowImperial();
    void UpdatePreview();

    PlayerLookPageModel model_;
    QComboBox* specialFace_ = nullptr;
    QComboBox* faceType_ = nullptr;
    QComboBox* hairColour_ = nullptr;
    QComboBox* hairStyle_ = nullptr;
    QComboBox* beard_ = nullptr;
    QComboBox* shoeType_ = nullptr;
    QSpinBox* height_ = nullptr;
    QSpinBox* weight_ = nullptr;
    QLabel* heightImperial_ = nullptr;
    QLabel* weightImperial_ = nullptr;
    QCheckBox* longSleeves_ = nullptr;
    CRenderPreview* preview_ = nullptr;
    bool filling_ = false;
};

} // namespace tallo
