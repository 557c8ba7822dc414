#pragma once

#include "editors/framework/dialog_b.h"
#include "editors/records/inter_comp_rows.h"

class QLabel;

namespace tallo {

class IRecordChoosers;
class InterCompModel;

// The South American cup page of the international competitions: the cup's name and console
// name and its current holder (club chooser). Everything goes to the model at once.
class CDlgInterCompSouthAmerica : public CDialogB {
    Q_OBJECT

public:
    CDlgInterCompSouthAmerica(QWidget* parent, InterCompModel& model, IRecordChoosers* choosers,
                              int presetCountry);

    // Shows the model's holder again (another page may have cleared it).
    void ShowValues();

    const InterCompNameRow& Names() const { return names_; }
    const InterCompReferenceRow& HolderRow() const { return holder_; }
    QLabel& Note() const { return *note_; }

private:
    void ChooseHolder();

    InterCompModel& model_;
    IRecordChoosers* choosers_;
    int presetCountry_;
    InterCompNameRow names_;
    InterCompReferenceRow holder_;
    QLabel* note_ = nullptr;
};

} // namespace tallo
