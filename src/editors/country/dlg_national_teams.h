#pragma once

#include <functional>
#include <utility>

#include "editors/framework/dialog_b.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tallo {

class CNationalSquadLists;
class CountryPageView;
class DatabaseSession;
class NationalTeamsModel;
struct CountryEditContext;

// Makes the page that edits a country's national coach inside `parent` (the widget and its
// country page interface, the same object as a rule).
using CoachPageFactory = std::function<std::pair<QWidget*, CountryPageView*>(
    QWidget* parent, const CountryEditContext& context)>;

// The national teams dialog (command 1804): every country by name on the left, starting at the
// given one; on the right the selected country's national team, its coach and its call-up
// lists. The call-ups act on the model at once; whoever runs the dialog confirms the model's
// change on OK and abandons it otherwise (RunNationalTeams does).
// With a coach page factory, a button edits the selected country's coach in a window of its
// own (its cancel puts the coach back); without one the coach is shown only.
class CDlgNationalTeams : public CDialogB {
    Q_OBJECT

public:
    CDlgNationalTeams(NationalTeamsModel& model, CoachPageFactory coachPage,
                      QWidget* parent = nullptr);

    NationalTeamsModel& Model() const { return model_; }
    QListWidget& CountryList() const { return *countries_; }
    QLabel& TeamNameLabel() const { return *teamName_; }
    QLabel& CoachLabel() const { return *coach_; }
    QPushButton& CoachButton() const { return *coachButton_; }
    CNationalSquadLists& Lists() const { return *lists_; }

public slots:
    // Edits the selected country's coach (nothing without a coach page factory).
    void EditCoach();

private:
    void OnCountryRowChanged(int row);
    void ShowCountry();

    NationalTeamsModel& model_;
    CoachPageFactory coachPage_;
    QListWidget* countries_;
    QLabel* teamName_;
    QLabel* coach_;
    QPushButton* coachButton_;
    CNationalSquadLists* lists_;
};

// The national coach page of the country settings editor, as the dialog's coach window shows it.
std::pair<QWidget*, CountryPageView*> NationalCoachPage(QWidget* parent,
                                                        const CountryEditContext& context);

// Runs the national teams dialog on a database, starting at `startCountry`, with names in the
// language slot. True when the database changed.
bool RunNationalTeams(QWidget* owner, DatabaseSession& session, int startCountry, int languageSlot);

} // namespace tallo
