#pragma once

#include <QPixmap>
#include <QPoint>

#include <cstdint>
#include <memory>
#include <vector>

#include "editing/country/country_edit_context.h"
#include "editing/country/league_composition_model.h"
#include "editors/framework/dialog_b.h"

class QCheckBox;
class QMimeData;
class QPushButton;

namespace tallo {

class CMyListBox;

// The league composition editor: the country's leagues, the teams of the chosen league with
// their marks of last season, and the country's clubs. A club is entered into the league by
// dragging it from the club list onto the team list (or with a double click, or Enter); the
// two buttons take the selected teams out of this league or out of every league, and the
// team list's context menu sets the marks. The country is edited in place: the caller (see
// RunLeagueComposition) puts it back on cancel.
class CDlgLeagueComposition : public CDialogB {
    Q_OBJECT

public:
    // The type of the data dragged from the club list: the club reference in decimal.
    static constexpr const char* kClubMimeType = "application/x-tallo-club-reference";
    static constexpr int kDragWidth = 200;
    static constexpr int kDragHeight = 20;

    CDlgLeagueComposition(QWidget* owner, const CountryEditContext& context);
    ~CDlgLeagueComposition() override;

    LeagueCompositionModel& Model() { return *model_; }
    CMyListBox& LeagueList() const { return *leagues_; }
    CMyListBox& TeamList() const { return *teams_; }
    CMyListBox& ClubList() const { return *clubs_; }
    QCheckBox& HideReservesBox() const { return *hideReserves_; }
    QPushButton& RemoveButton() const { return *remove_; }
    QPushButton& RemoveAllButton() const { return *removeAll_; }

    // What a drag of a club carries, and the picture dragged along: the club's name on a
    // 200 x 20 pixel image.
    std::unique_ptr<QMimeData> ClubMimeData(uint32_t reference) const;
    QPixmap ClubDragPixmap(uint32_t reference) const;
    // Enters a club into the chosen league; tells the user when the league is full. True when
    // the league took it.
    bool DropClub(uint32_t reference);
    // Sets a mark on the selected teams.
    void MarkSelectedTeams(LeagueCompositionModel::Mark mark);
    // The team list's context menu at a point on the screen (false when nothing was shown).
    bool ShowTeamMenu(const QPoint& globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void ShowLeagues();
    void ShowTeams();
    void ShowClubs();
    // The league list's row texts after a change of the teams (counts), then teams and clubs.
    void ShowChanges();
    std::vector<uint32_t> SelectedTeams() const;
    void StartClubDrag();

    CountryEditContext context_;
    std::unique_ptr<LeagueCompositionModel> model_;
    CMyListBox* leagues_ = nullptr;
    CMyListBox* teams_ = nullptr;
    CMyListBox* clubs_ = nullptr;
    QCheckBox* hideReserves_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* removeAll_ = nullptr;
    QPoint dragStart_;
    bool dragArmed_ = false;
};

// Opens the league composition editor over `owner` for the context's country. OK keeps what
// was done (true when the leagues' teams or the marks differ from before); cancel puts the
// teams of every league and the marks back (false).
bool RunLeagueComposition(QWidget* owner, const CountryEditContext& context);

} // namespace tallo
