#pragma once

#include "editing/country/country_edit_context.h"
#include "editing/country/national_team_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QLabel;

namespace tallo {

class CNationalSquadLists;

// The national team page of the country settings editor: the national team's names and coach,
// and its call-up lists (the players of the country's nationality from every club). Calling up
// and leaving out act on the records at once, within the editor's open change.
class CDlgLandNationalTeam : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgLandNationalTeam(QWidget* parent, const CountryEditContext& context);

    // CountryPageView: the lists are collected anew; storing has nothing left to write.
    void FillCountry() override;
    void StoreCountry() override;

    NationalTeamModel& Model() { return model_; }
    CNationalSquadLists& Lists() const { return *lists_; }
    QLabel& TeamNameLabel() const { return *teamName_; }
    QLabel& ShortNameLabel() const { return *shortName_; }
    QLabel& CoachLabel() const { return *coach_; }

private:
    CountryEditContext context_;
    NationalTeamModel model_;
    QLabel* teamName_;
    QLabel* shortName_;
    QLabel* coach_;
    CNationalSquadLists* lists_;
};

} // namespace tallo
