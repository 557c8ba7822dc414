#pragma once

#include <array>
#include <vector>

#include "editing/country/league_system_page_model.h"
#include "editors/country/country_page_view.h"
#include "editors/framework/dialog_b.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tallo {

class CMyGroupBox;
struct CountryEditContext;

// The league system page of the country settings editor: the format list (a format is applied
// to the country as soon as it is chosen), the grid of the country's leagues (a click on a
// league opens its league data editor), the number of clubs the system holds, and the fixture
// list, calendar and league composition buttons, which only emit their signals.
class CDlgLandLeagueSystem : public CDialogB, public CountryPageView {
    Q_OBJECT

public:
    CDlgLandLeagueSystem(QWidget* parent, const CountryEditContext& context);

    void FillCountry() override;
    // The page acts at once; nothing is left to store.
    void StoreCountry() override;

    LeagueSystemPageModel& Model() { return model_; }
    QComboBox& FormatList() const { return *formats_; }
    // The cell `index` of a level (0-based).
    QPushButton& Cell(int level, int index) const { return *cells_[level][index]; }
    QLabel& ClubCount() const { return *clubCount_; }
    QLabel& PlayersNote() const { return *note_; }
    QPushButton& FixturesButton() const { return *fixtures_; }
    QPushButton& CalendarButton() const { return *calendar_; }
    QPushButton& CompositionButton() const { return *composition_; }

signals:
    void FixturesRequested();
    void CalendarRequested();
    void CompositionRequested();
    // A format was applied or a league's data changed: other pages may show the country anew.
    void LeagueSystemChanged();

private:
    void BuildLayout();
    void ShowModel();
    void OnFormatChosen(int index);
    void OpenLeague(int level, int index);

    const CountryEditContext& context_;
    LeagueSystemPageModel model_;
    QComboBox* formats_ = nullptr;
    std::array<CMyGroupBox*, kLeagueLevelCount> levels_{};
    std::array<std::vector<QPushButton*>, kLeagueLevelCount> cells_;
    QLabel* clubCount_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* fixtures_ = nullptr;
    QPushButton* calendar_ = nullptr;
    QPushButton* composition_ = nullptr;
    bool showing_ = false;
};

} // namespace tallo
