#pragma once

#include "editing/country/fixture_list_model.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTableWidget;

namespace tallo {

struct CountryEditContext;

// The fixture list editor of a country: a league, a matchday of its fixture list chosen with
// the scroll bar, the matchday's pairings (a click on a club clears that side) and the
// league's clubs (Enter or a double click puts the club into the first free place). The
// buttons delete the matchday's pairings, fill the list from the computer's template and make
// the second half from the first. OK keeps the lists; Cancel and Escape put every league's
// list back as it was when the editor opened.
class CDlgFixtureList : public CDialogB {
    Q_OBJECT

public:
    CDlgFixtureList(const CountryEditContext& context, QWidget* parent = nullptr);
    ~CDlgFixtureList() override;

    FixtureListModel& Model() { return model_; }
    QComboBox& LeagueBox() const { return *leagues_; }
    QScrollBar& MatchdayBar() const { return *matchdayBar_; }
    QLabel& MatchdayLabel() const { return *matchdayLabel_; }
    QTableWidget& PairingTable() const { return *pairings_; }
    QListWidget& ClubList() const { return *clubs_; }
    QPushButton& DeleteDayButton() const { return *deleteDay_; }
    QPushButton& GenerateButton() const { return *generate_; }
    QPushButton& MirrorButton() const { return *mirror_; }
    QPushButton& OkButton() const { return *ok_; }

    // The current club of the club list goes into the first free place.
    void EnterCurrentClub();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowLeague();
    void ShowPairings();

    FixtureListModel model_;
    QComboBox* leagues_ = nullptr;
    QScrollBar* matchdayBar_ = nullptr;
    QLabel* matchdayLabel_ = nullptr;
    QTableWidget* pairings_ = nullptr;
    QListWidget* clubs_ = nullptr;
    QPushButton* deleteDay_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPushButton* mirror_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Runs the fixture list editor over the country of the context; true when a list changed.
bool RunFixtureListEditor(QWidget* owner, const CountryEditContext& context);

} // namespace tallo
