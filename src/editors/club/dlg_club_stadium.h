#pragma once

#include <array>
#include <string>
#include <vector>

#include "editing/club/club_stadium_page_model.h"
#include "editors/club/club_page_view.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tallo {

struct ClubEditContext;

// The stadium and facilities page of the club editor: the two stadiums, the seven facility
// levels, the transfer and youth countries, latitude and longitude, and the city photo.
class CDlgClubStadium : public CDialogB, public ClubPageView {
    Q_OBJECT

public:
    CDlgClubStadium(const ClubEditContext& context, QWidget* parent = nullptr);

    void FillFrom(const CClub& club) override;
    void StoreInto(CClub& club) override;
    const std::vector<std::string>& LastRefusals() const { return refusals_; }

    ClubStadiumPageModel& Model() { return model_; }
    QComboBox& MainStadiumBox() const { return *mainStadium_; }
    QComboBox& AlternativeStadiumBox() const { return *alternativeStadium_; }
    QComboBox& FacilityBox(int facility) const { return *facilities_[facility]; }
    QComboBox& TransferCountryBox(int which) const { return *transfer_[which]; }
    QComboBox& YouthCountryBox() const { return *youth_; }
    QComboBox& HemisphereBox(bool longitude) const { return *hemisphere_[longitude ? 1 : 0]; }
    QLineEdit& DegreesEdit(bool longitude) const { return *degrees_[longitude ? 1 : 0]; }
    QLineEdit& MinutesEdit(bool longitude) const { return *minutes_[longitude ? 1 : 0]; }
    QLineEdit& CityPhotoEdit() const { return *cityPhoto_; }
    QPushButton& FindFileButton() const { return *findFile_; }

private:
    void BuildLayout();

    const ClubEditContext& context_;
    ClubStadiumPageModel model_;
    std::vector<std::string> refusals_;
    QComboBox* mainStadium_ = nullptr;
    QComboBox* alternativeStadium_ = nullptr;
    std::array<QComboBox*, 7> facilities_{};
    std::array<QComboBox*, 2> transfer_{};
    QComboBox* youth_ = nullptr;
    std::array<QComboBox*, 2> hemisphere_{};
    std::array<QLineEdit*, 2> degrees_{};
    std::array<QLineEdit*, 2> minutes_{};
    QLineEdit* cityPhoto_ = nullptr;
    QPushButton* findFile_ = nullptr;
};

} // namespace tallo
