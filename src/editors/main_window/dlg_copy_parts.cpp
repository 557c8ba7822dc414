#include "editors/main_window/dlg_copy_parts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/country_parts_copy.h"
#include "editors/framework/qt_text.h"
#include "formats/dialog_text.h"
#include "world/club.h"

namespace tallo {

namespace {

struct Part {
    uint32_t bit;
    DialogTextKey name;
};

const std::vector<Part>& CountryParts() {
    static const std::vector<Part> parts = {
        {kCountryCopyGeneral, "sync.country.general"},
        {kCountryCopyYoungPlayers, "sync.country.young_players"},
        {kCountryCopyReferees, "sync.country.referees"},
        {kCountryCopyStadiums, "sync.country.stadiums"},
        {kCountryCopyManagers, "sync.country.managers"},
        {kCountryCopyClubs, "sync.country.clubs"},
    };
    return parts;
}

const std::vector<Part>& ClubParts() {
    static const std::vector<Part> parts = {
        {CClub::kCopyGeneral, "sync.club.general"},
        {CClub::kCopyFinances, "sync.club.finances"},
        {CClub::kCopyAddress, "sync.club.address"},
        {CClub::kCopyAttendance, "sync.club.attendance"},
        {CClub::kCopyBadgeAndColours, "sync.club.badge"},
        {CClub::kCopyKit, "sync.club.kit"},
        {CClub::kCopyStadium, "sync.club.stadium"},
        {CClub::kCopyStadiumAddress, "sync.club.stadium_address"},
        {CClub::kCopySurroundings, "sync.club.surroundings"},
        {CClub::kCopyTransfers, "sync.club.transfers"},
        {CClub::kCopyHistory, "sync.club.history"},
        {CClub::kCopyFirstTeam, "sync.club.first_team"},
        {CClub::kCopySecondTeam, "sync.club.second_team"},
        {CClub::kCopyOfficials, "sync.club.officials"},
    };
    return parts;
}

} // namespace

CDlgCopyParts::CDlgCopyParts(Kind kind, uint32_t mask, QWidget* parent) : CDialogB(parent) {
    const bool country = kind == Kind::Country;
    setWindowTitle(
        ToQString(country ? DialogText("sync.parts.country") : DialogText("sync.parts.club")));
    auto* layout = new QVBoxLayout(this);
    for (const Part& part : country ? CountryParts() : ClubParts()) {
        auto* box = new QCheckBox(ToQString(DialogText(part.name)), this);
        box->setChecked((mask & part.bit) != 0);
        box->setProperty("part", part.bit);
        layout->addWidget(box);
        boxes_.push_back(box);
    }
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(ToQString(DialogText("framework.button.ok")),
                                         QDialogButtonBox::AcceptRole);
    buttons->addButton(ToQString(DialogText("framework.button.cancel")),
                       QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

uint32_t CDlgCopyParts::Mask() const {
    uint32_t mask = 0;
    for (const QCheckBox* box : boxes_) {
        if (box->isChecked()) {
            mask |= box->property("part").toUInt();
        }
    }
    return mask;
}

} // namespace tallo
