#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "editing/country/league_formats.h"

namespace tallo {

class CCountry;
struct CountryEditContext;

// The league system page (CDlgLandLeagueSystem): the format list, the grid of the country's
// leagues, the number of clubs the system holds, and whether the fixture list, calendar and
// composition buttons may be used. Choosing a format applies it to the country at once.
class LeagueSystemPageModel {
public:
    // Each players' limit of a club in the game: the note under the club count.
    static constexpr int kPlayersPerClub = 25;

    struct Cell {
        bool visible = false;
        uint32_t leagueNumber = 0;
        std::string name; // record text
    };

    explicit LeagueSystemPageModel(const CountryEditContext& context);

    // Country to values: the grid, the format whose counts equal the country's (else 0), the
    // rules as that format shows them, the club count and the buttons.
    void Fill();
    // Applies the format (0 to 32) when it is not the one selected, with the shown rules, then
    // fills again. True when the country changed.
    bool ChooseFormat(int index);

    // The texts of the format list, in list order.
    static std::vector<std::string> FormatTexts();

    int SelectedFormat() const { return format_; }
    const TransitionRules& Rules() const { return rules_; }
    // Per level the cells of the grid (1, 4, 10, 10 and 10); unused cells are not visible.
    const std::array<std::vector<Cell>, kLeagueLevelCount>& Grid() const { return grid_; }
    // The clubs the league system holds: the sizes of the country's leagues added up.
    int ClubCount() const { return clubCount_; }
    std::string ClubCountText() const;
    // "... number of clubs x 25 = N".
    std::string PlayersNote() const;
    // Fixture list, calendar and league composition: only with at least one club.
    bool ButtonsEnabled() const { return buttonsEnabled_; }

private:
    CCountry* Country() const;

    const CountryEditContext& context_;
    int format_ = 0;
    TransitionRules rules_{};
    std::array<std::vector<Cell>, kLeagueLevelCount> grid_;
    int clubCount_ = 0;
    bool buttonsEnabled_ = false;
};

} // namespace tallo
