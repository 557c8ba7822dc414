#pragma once

#include <array>

#include "editors/framework/dialog_b.h"
#include "editors/records/inter_comp_rows.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tallo {

class IRecordChoosers;
class InterCompModel;

// The European cups page of the international competitions: names and console names of the
// Champions Cup, the European Cup and the IT Cup; the last winners of the first two (club
// chooser); the venues of the first season's two finals (stadium chooser); the five-year
// ranking button. Everything goes to the model at once.
class CDlgInterCompEurope : public CDialogB {
    Q_OBJECT

public:
    // `choosers` null: the winners cannot be chosen. `presetCountry` is where the choosers
    // start when a title or venue is empty.
    CDlgInterCompEurope(QWidget* parent, InterCompModel& model, IRecordChoosers* choosers,
                        int presetCountry);

    // Shows the model's references again (another page may have cleared one).
    void ShowValues();

    // Cups 0 (Champions Cup), 1 (European Cup) and 3 (IT Cup).
    QLineEdit& NameEdit(int cup) const;
    QLineEdit& ShortNameEdit(int cup) const;
    // Title 0 (Champions Cup) or 1 (European Cup).
    const InterCompReferenceRow& WinnerRow(int title) const { return winners_[title]; }
    // Venue 0 (Champions Cup final) or 1 (European Cup final).
    const InterCompReferenceRow& VenueRow(int venue) const { return venues_[venue]; }
    QPushButton& RankingButton() const { return *ranking_; }
    QLabel& Note() const { return *note_; }

signals:
    void RankingRequested();

private:
    void ChooseWinner(int title);
    void ChooseVenue(int venue);

    InterCompModel& model_;
    IRecordChoosers* choosers_;
    int presetCountry_;
    std::array<InterCompNameRow, 4> names_{};
    std::array<InterCompReferenceRow, 2> winners_{};
    std::array<InterCompReferenceRow, 2> venues_{};
    QPushButton* ranking_ = nullptr;
    QLabel* note_ = nullptr;
};

} // namespace tallo
