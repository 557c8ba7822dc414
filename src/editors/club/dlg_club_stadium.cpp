#include "editors/club/dlg_club_stadium.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "editing/club/club_edit_context.h"
#include "editing/club/club_field_text.h"
#include "editors/club/club_view_support.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/club.h"

namespace tallo {

namespace {

QLabel* Label(const std::string& text, QWidget* parent, QWidget* buddy = nullptr) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setBuddy(buddy);
    return label;
}

// Facility names in the club's facility order.
const std::string& FacilityLabel(int facility) {
    switch (facility) {
    case CClub::kClubCentre:
        return DialogText("club.facility.club_centre");
    case CClub::kMerchandising:
        return DialogText("club.facility.merchandising");
    case CClub::kMedicalDepartment:
        return DialogText("club.facility.medical");
    case CClub::kYouthDepartment:
        return DialogText("club.facility.youth");
    case CClub::kTrainingGrounds:
        return DialogText("club.facility.training");
    case CClub::kPublicRelations:
        return DialogText("club.facility.public_relations");
    default:
        return DialogText("club.facility.research");
    }
}

} // namespace

CDlgClubStadium::CDlgClubStadium(const ClubEditContext& context, QWidget* parent)
    : CDialogB(parent, Kind::ChildPage), context_(context), model_(context) {
    BuildLayout();
}

void CDlgClubStadium::BuildLayout() {
    auto* stadiums = new CMyGroupBox(ToQString(DialogText("club.group.stadiums")), this);
    auto* stadiumGrid = new QGridLayout(stadiums);
    mainStadium_ = new QComboBox(stadiums);
    alternativeStadium_ = new QComboBox(stadiums);
    stadiumGrid->addWidget(Label(DialogText("club.label.main_stadium"), stadiums, mainStadium_), 0,
                           0);
    stadiumGrid->addWidget(mainStadium_, 0, 1);
    stadiumGrid->addWidget(
        Label(DialogText("club.label.alternative_stadium"), stadiums, alternativeStadium_), 1, 0);
    stadiumGrid->addWidget(alternativeStadium_, 1, 1);
    stadiumGrid->setColumnStretch(1, 1);

    auto* facilitiesBox = new CMyGroupBox(ToQString(DialogText("club.group.facilities")), this);
    auto* facilityGrid = new QGridLayout(facilitiesBox);
    for (int facility = 0; facility < CClub::kFacilityCount; ++facility) {
        facilities_[facility] = new QComboBox(facilitiesBox);
        for (int level = 0; level < ClubStadiumPageModel::kFacilityLevels; ++level) {
            facilities_[facility]->addItem(QString::number(level), level);
        }
        facilityGrid->addWidget(
            Label(FacilityLabel(facility), facilitiesBox, facilities_[facility]), facility, 0);
        facilityGrid->addWidget(facilities_[facility], facility, 1);
    }
    facilityGrid->setColumnStretch(2, 1);

    auto* transfers = new CMyGroupBox(ToQString(DialogText("club.group.transfers")), this);
    auto* transferGrid = new QGridLayout(transfers);
    transfer_[0] = new QComboBox(transfers);
    transfer_[1] = new QComboBox(transfers);
    youth_ = new QComboBox(transfers);
    transferGrid->addWidget(Label(DialogText("club.label.transfer1"), transfers, transfer_[0]), 0,
                            0);
    transferGrid->addWidget(transfer_[0], 0, 1);
    transferGrid->addWidget(Label(DialogText("club.label.transfer2"), transfers, transfer_[1]), 1,
                            0);
    transferGrid->addWidget(transfer_[1], 1, 1);
    transferGrid->addWidget(Label(DialogText("club.label.youth_country"), transfers, youth_), 2, 0);
    transferGrid->addWidget(youth_, 2, 1);
    transferGrid->setColumnStretch(1, 1);

    auto* location = new CMyGroupBox(ToQString(DialogText("club.group.location")), this);
    auto* locationGrid = new QGridLayout(location);
    auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]*"), this);
    for (int axis = 0; axis < 2; ++axis) {
        hemisphere_[axis] = new QComboBox(location);
        if (axis == 0) {
            hemisphere_[axis]->addItem(ToQString(DialogText("club.hemisphere.north")));
            hemisphere_[axis]->addItem(ToQString(DialogText("club.hemisphere.south")));
        } else {
            hemisphere_[axis]->addItem(ToQString(DialogText("club.hemisphere.east")));
            hemisphere_[axis]->addItem(ToQString(DialogText("club.hemisphere.west")));
        }
        degrees_[axis] = new QLineEdit(location);
        minutes_[axis] = new QLineEdit(location);
        for (QLineEdit* edit : {degrees_[axis], minutes_[axis]}) {
            edit->setValidator(digits);
            edit->setMaximumWidth(56);
        }
        const std::string& name =
            axis == 0 ? DialogText("club.label.latitude") : DialogText("club.label.longitude");
        locationGrid->addWidget(Label(name, location, hemisphere_[axis]), axis, 0);
        locationGrid->addWidget(hemisphere_[axis], axis, 1);
        locationGrid->addWidget(degrees_[axis], axis, 2);
        locationGrid->addWidget(Label(DialogText("club.label.degrees"), location), axis, 3);
        locationGrid->addWidget(minutes_[axis], axis, 4);
        locationGrid->addWidget(Label(DialogText("club.label.minutes"), location), axis, 5);
    }
    cityPhoto_ = new QLineEdit(location);
    cityPhoto_->setReadOnly(true);
    findFile_ = new QPushButton(ToQString(DialogText("club.button.find_file")), location);
    connect(findFile_, &QPushButton::clicked, this, [this] {
        if (model_.ChooseCityPhoto()) {
            cityPhoto_->setText(RecordToQString(model_.cityPhoto));
        }
    });
    locationGrid->addWidget(Label(DialogText("club.label.city_photo"), location, cityPhoto_), 2, 0);
    locationGrid->addWidget(cityPhoto_, 2, 1, 1, 4);
    locationGrid->addWidget(findFile_, 2, 5);
    locationGrid->setColumnStretch(6, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(stadiums);
    left->addWidget(facilitiesBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(transfers);
    right->addWidget(location);
    right->addStretch(1);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    std::vector<QWidget*> order = {mainStadium_, alternativeStadium_};
    order.insert(order.end(), facilities_.begin(), facilities_.end());
    order.insert(order.end(), {transfer_[0], transfer_[1], youth_, hemisphere_[0], degrees_[0],
                               minutes_[0], hemisphere_[1], degrees_[1], minutes_[1], findFile_});
    for (size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void CDlgClubStadium::FillFrom(const CClub& club) {
    model_.Fill(club);
    FillChoiceCombo(*mainStadium_, model_.mainStadium);
    FillChoiceCombo(*alternativeStadium_, model_.alternativeStadium);
    for (int facility = 0; facility < CClub::kFacilityCount; ++facility) {
        facilities_[facility]->setCurrentIndex(model_.facilities[facility]);
    }
    FillChoiceCombo(*transfer_[0], model_.transferCountries[0]);
    FillChoiceCombo(*transfer_[1], model_.transferCountries[1]);
    FillChoiceCombo(*youth_, model_.youthCountry);
    const ClubStadiumPageModel::Coordinate* coordinates[] = {&model_.latitude, &model_.longitude};
    const size_t lengths[] = {ClubStadiumPageModel::kLatitudeEditLength,
                              ClubStadiumPageModel::kLongitudeEditLength};
    for (int axis = 0; axis < 2; ++axis) {
        hemisphere_[axis]->setCurrentIndex(coordinates[axis]->secondHemisphere ? 1 : 0);
        SetRecordText(*degrees_[axis], coordinates[axis]->degrees,
                      EditLengthFor(lengths[axis], coordinates[axis]->degrees));
        SetRecordText(*minutes_[axis], coordinates[axis]->minutes,
                      EditLengthFor(lengths[axis], coordinates[axis]->minutes));
    }
    cityPhoto_->setText(RecordToQString(model_.cityPhoto));
}

void CDlgClubStadium::StoreInto(CClub& club) {
    refusals_.clear();
    ReadChoiceCombo(*mainStadium_, model_.mainStadium);
    ReadChoiceCombo(*alternativeStadium_, model_.alternativeStadium);
    for (int facility = 0; facility < CClub::kFacilityCount; ++facility) {
        if (facilities_[facility]->currentIndex() >= 0) {
            model_.facilities[facility] = facilities_[facility]->currentIndex();
        }
    }
    ReadChoiceCombo(*transfer_[0], model_.transferCountries[0]);
    ReadChoiceCombo(*transfer_[1], model_.transferCountries[1]);
    ReadChoiceCombo(*youth_, model_.youthCountry);
    ClubStadiumPageModel::Coordinate* coordinates[] = {&model_.latitude, &model_.longitude};
    for (int axis = 0; axis < 2; ++axis) {
        coordinates[axis]->secondHemisphere = hemisphere_[axis]->currentIndex() == 1;
        coordinates[axis]->degrees = degrees_[axis]->text().toStdString();
        coordinates[axis]->minutes = minutes_[axis]->text().toStdString();
    }
    refusals_ = model_.Store(club);
}

} // namespace tallo
