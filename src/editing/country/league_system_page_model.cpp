#include "editing/country/league_system_page_model.h"

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "editing/country/country_edit_context.h"
#include "editing/country/league_system.h"
#include "formats/dialog_text.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

LeagueSystemPageModel::LeagueSystemPageModel(const CountryEditContext& context)
    : context_(context) {
    for (int level = 0; level < kLeagueLevelCount; ++level) {
        grid_[level].resize(static_cast<size_t>(kLeagueGridCells[level]));
    }
}

CCountry* LeagueSystemPageModel::Country() const {
    return context_.EditedCountry();
}

void LeagueSystemPageModel::Fill() {
    for (std::vector<Cell>& cells : grid_) {
        for (Cell& cell : cells) {
            cell = Cell{};
        }
    }
    format_ = 0;
    rules_ = {};
    clubCount_ = 0;
    buttonsEnabled_ = false;
    const CCountry* country = Country();
    if (country == nullptr) {
        return;
    }
    if (const CCompetitionTree* tree = CompetitionTreeOf(*country)) {
        for (int level = 0; level < kLeagueLevelCount; ++level) {
            const std::vector<uint32_t> numbers = tree->LeagueNumbersOfLevel(level);
            for (size_t k = 0; k < numbers.size() && k < grid_[level].size(); ++k) {
                const CDBLeagueBase* league = tree->League(numbers[k]);
                Cell& cell = grid_[level][k];
                cell.visible = true;
                cell.leagueNumber = numbers[k];
                cell.name = std::string(league->Name());
                clubCount_ += league->Size();
            }
        }
    }
    format_ = LeagueFormatOf(*country);
    rules_ = ShownRules(*country, format_);
    buttonsEnabled_ = country->GetOrdinaryClubCount() > 0;
}

bool LeagueSystemPageModel::ChooseFormat(int index) {
    CCountry* country = Country();
    if (country == nullptr || index < 0 || index >= kLeagueFormatCount || index == format_) {
        return false;
    }
    const bool applied = ApplyLeagueFormat(*country, index, rules_);
    Fill();
    return applied;
}

std::vector<std::string> LeagueSystemPageModel::FormatTexts() {
    std::vector<std::string> texts;
    for (int index = 0; index < kLeagueFormatCount; ++index) {
        texts.emplace_back(LeagueFormatAt(index).text);
    }
    return texts;
}

std::string LeagueSystemPageModel::ClubCountText() const {
    return std::to_string(clubCount_);
}

std::string LeagueSystemPageModel::PlayersNote() const {
    return FormatDialogText("league.system.note", clubCount_ * kPlayersPerClub);
}

} // namespace tallo
