#include "editors/records/dlg_inter_comp_europe.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/records/inter_comp_model.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"
#include "editors/records/dlg_choose_stadium.h"
#include "formats/dialog_text.h"

namespace tallo {

CDlgInterCompEurope::CDlgInterCompEurope(QWidget* parent, InterCompModel& model,
                                         IRecordChoosers* choosers, int presetCountry)
    : CDialogB(parent, Kind::ChildPage), model_(model), choosers_(choosers),
      presetCountry_(presetCountry) {
    auto* layout = new QVBoxLayout(this);

    auto* namesBox = new CMyGroupBox(QString(), this);
    auto* names = new QGridLayout(namesBox);
    AddInterCompNameHeader(*names, 0, namesBox);
    int row = 1;
    for (int cup :
         {InterCompModel::kChampionsCup, InterCompModel::kEuropeanCup, InterCompModel::kItCup}) {
        names_[cup] = AddInterCompNameRow(*names, row++, cup, model_, namesBox);
    }
    layout->addWidget(namesBox);

    auto* winnersBox = new CMyGroupBox(ToQString(DialogText("intercomp.winners")), this);
    auto* winners = new QGridLayout(winnersBox);
    winners_[0] = AddInterCompReferenceRow(
        *winners, 0, ToQString(DialogText("intercomp.winner.champions")), winnersBox);
    winners_[1] = AddInterCompReferenceRow(
        *winners, 1, ToQString(DialogText("intercomp.winner.european")), winnersBox);
    layout->addWidget(winnersBox);

    auto* venuesBox = new CMyGroupBox(ToQString(DialogText("intercomp.venues")), this);
    auto* venues = new QGridLayout(venuesBox);
    venues_[0] = AddInterCompReferenceRow(
        *venues, 0, ToQString(DialogText("intercomp.venue.champions")), venuesBox);
    venues_[1] = AddInterCompReferenceRow(
        *venues, 1, ToQString(DialogText("intercomp.venue.european")), venuesBox);
    layout->addWidget(venuesBox);

    ranking_ = new QPushButton(ToQString(DialogText("intercomp.ranking")), this);
    auto* rankingRow = new QHBoxLayout;
    rankingRow->addWidget(ranking_);
    rankingRow->addStretch(1);
    layout->addLayout(rankingRow);
    note_ = MakeInterCompNote(this);
    layout->addWidget(note_);
    layout->addStretch(1);

    for (int title = 0; title < 2; ++title) {
        winners_[title].choose->setEnabled(choosers_ != nullptr);
        connect(winners_[title].choose, &QPushButton::clicked, this,
                [this, title] { ChooseWinner(title); });
        connect(winners_[title].clear, &QPushButton::clicked, this, [this, title] {
            model_.ClearClub(title);
            note_->clear();
            ShowValues();
        });
    }
    for (int venue = 0; venue < 2; ++venue) {
        connect(venues_[venue].choose, &QPushButton::clicked, this,
                [this, venue] { ChooseVenue(venue); });
        connect(venues_[venue].clear, &QPushButton::clicked, this, [this, venue] {
            model_.SetVenueStadium(venue, 0);
            ShowValues();
        });
    }
    connect(ranking_, &QPushButton::clicked, this, &CDlgInterCompEurope::RankingRequested);
    ShowValues();
}

QLineEdit& CDlgInterCompEurope::NameEdit(int cup) const {
    return *names_[cup].name;
}

QLineEdit& CDlgInterCompEurope::ShortNameEdit(int cup) const {
    return *names_[cup].shortName;
}

void CDlgInterCompEurope::ShowValues() {
    for (int title = 0; title < 2; ++title) {
        winners_[title].Show(model_.ClubText(title));
    }
    for (int venue = 0; venue < 2; ++venue) {
        venues_[venue].Show(model_.VenueText(venue));
    }
}

void CDlgInterCompEurope::ChooseWinner(int title) {
    if (choosers_ == nullptr) {
        return;
    }
    if (model_.ChooseClub(title, *choosers_, presetCountry_) == InterCompModel::Choice::Cancelled) {
        return;
    }
    note_->setText(InterCompChoiceNote(model_, title));
    ShowValues();
}

void CDlgInterCompEurope::ChooseVenue(int venue) {
    const auto chosen = ChooseStadiumDialog(this, model_.World(), model_.LanguageSlot(),
                                            presetCountry_, model_.VenueStadium(venue));
    if (chosen.has_value()) {
        model_.SetVenueStadium(venue, *chosen);
        ShowValues();
    }
}

} // namespace tallo
