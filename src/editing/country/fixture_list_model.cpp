#include "editing/country/fixture_list_model.h"

#include <algorithm>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "competitions/fixture_templates.h"
#include "editing/player/player_history_club_names.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

bool SameList(const CDBFixturelist& a, const CDBFixturelist& b) {
    if (a.Rows() != b.Rows() || a.Columns() != b.Columns()) {
        return false;
    }
    for (int row = 0; row < a.Rows(); ++row) {
        if (a.GetRow(row) != b.GetRow(row)) {
            return false;
        }
    }
    return true;
}

} // namespace

FixtureListModel::FixtureListModel(const CountryEditContext& context) : context_(context) {
    PrepareFixtureTemplates();
    if (context_.world != nullptr && context_.country >= 1) {
        country_ = context_.world->GetCountry(context_.country);
    }
    if (const CCompetitionTree* tree =
            country_ != nullptr ? CompetitionTreeOf(*country_) : nullptr) {
        for (const CDBLeagueBase* league : tree->Leagues()) {
            leagues_.push_back(league->Id());
            original_.emplace_back(league->Id(), league->Fixtures());
        }
    }
    SelectLeague(0);
}

std::vector<std::string> FixtureListModel::LeagueNames() const {
    std::vector<std::string> names;
    for (uint32_t id : leagues_) {
        const CDBCompetition* node = context_.world->FindCompetition(id);
        names.push_back(node != nullptr ? ToUtf8(node->Name(), ActiveCodePage()) : std::string());
    }
    return names;
}

bool FixtureListModel::SelectLeague(int index) {
    if (index < 0 || index >= LeagueCount()) {
        return false;
    }
    league_ = index;
    matchday_ = 0;
    return true;
}

CDBLeagueBase* FixtureListModel::League() const {
    if (league_ < 0 || league_ >= LeagueCount()) {
        return nullptr;
    }
    return dynamic_cast<CDBLeagueBase*>(
        context_.world->FindCompetition(leagues_[static_cast<size_t>(league_)]));
}

int FixtureListModel::MatchdayCount() const {
    const CDBLeagueBase* league = League();
    return league != nullptr ? league->Fixtures().Rows() : 0;
}

void FixtureListModel::SelectMatchday(int row) {
    matchday_ = std::clamp(row, 0, std::max(MatchdayCount() - 1, 0));
}

std::string FixtureListModel::MatchdayText() const {
    return FormatDialogText("fixtures.matchday.number", matchday_ + 1);
}

int FixtureListModel::PairingCount() const {
    const CDBLeagueBase* league = League();
    return league != nullptr ? league->Fixtures().Columns() : 0;
}

std::string FixtureListModel::TeamName(uint8_t team) const {
    const CDBLeagueBase* league = League();
    if (team == 0 || league == nullptr) {
        return std::string();
    }
    const std::string name = PersonClubName(*context_.world, league->TeamAt(team - 1));
    // A number past the team list still shows that the place is taken.
    return name.empty() ? std::to_string(team) : name;
}

FixtureListModel::PairingRow FixtureListModel::Pairing(int column) const {
    PairingRow row;
    const CDBLeagueBase* league = League();
    if (league == nullptr) {
        return row;
    }
    const CDBFixturelist::Pairing pairing = league->Fixtures().GetPairing(matchday_, column);
    row.homeTeam = pairing.home;
    row.awayTeam = pairing.away;
    row.home = TeamName(pairing.home);
    row.away = TeamName(pairing.away);
    row.separator = DialogText("fixtures.column.separator");
    return row;
}

std::vector<FixtureListModel::PairingRow> FixtureListModel::Pairings() const {
    std::vector<PairingRow> rows;
    for (int column = 0; column < PairingCount(); ++column) {
        rows.push_back(Pairing(column));
    }
    return rows;
}

std::vector<std::string> FixtureListModel::ClubNames() const {
    std::vector<std::string> names;
    const CDBLeagueBase* league = League();
    if (league == nullptr) {
        return names;
    }
    for (int team = 1; team <= league->TeamCount(); ++team) {
        names.push_back(TeamName(static_cast<uint8_t>(team)));
    }
    return names;
}

bool FixtureListModel::ClearSide(int pairing, Side side) {
    CDBLeagueBase* league = League();
    if (league == nullptr || side == Side::Separator || pairing < 0 || pairing >= PairingCount()) {
        return false;
    }
    CDBFixturelist& list = league->Fixtures();
    CDBFixturelist::Pairing cell = list.GetPairing(matchday_, pairing);
    uint8_t& cleared = side == Side::Home ? cell.home : cell.away;
    if (cleared == 0) {
        return false;
    }
    cleared = 0;
    return list.SetPairing(matchday_, pairing, cell.home, cell.away);
}

bool FixtureListModel::EnterClub(int teamIndex) {
    CDBLeagueBase* league = League();
    if (league == nullptr || teamIndex < 0 || teamIndex >= league->TeamCount() ||
        teamIndex >= 255) {
        return false;
    }
    const uint8_t team = static_cast<uint8_t>(teamIndex + 1);
    CDBFixturelist& list = league->Fixtures();
    for (int column = 0; column < list.Columns(); ++column) {
        const CDBFixturelist::Pairing cell = list.GetPairing(matchday_, column);
        if (cell.home == 0) {
            return list.SetPairing(matchday_, column, team, cell.away);
        }
    }
    for (int column = 0; column < list.Columns(); ++column) {
        const CDBFixturelist::Pairing cell = list.GetPairing(matchday_, column);
        if (cell.away == 0) {
            return list.SetPairing(matchday_, column, cell.home, team);
        }
    }
    return false;
}

bool FixtureListModel::DeleteDay() {
    CDBLeagueBase* league = League();
    if (league == nullptr || matchday_ >= MatchdayCount()) {
        return false;
    }
    const std::vector<CDBFixturelist::Pairing> before = league->Fixtures().GetRow(matchday_);
    league->Fixtures().ClearRow(matchday_);
    return league->Fixtures().GetRow(matchday_) != before;
}

bool FixtureListModel::GenerateFromTemplate() {
    CDBLeagueBase* league = League();
    // Without a template for the size the list would only be emptied.
    if (league == nullptr || GetFixtureTemplate(league->Size()) == nullptr) {
        return false;
    }
    const CDBFixturelist before = league->Fixtures();
    league->FillFixturesFromTemplate();
    SelectMatchday(matchday_);
    return !SameList(before, league->Fixtures());
}

bool FixtureListModel::FirstHalfAsSecondHalf() {
    CDBLeagueBase* league = League();
    if (league == nullptr) {
        return false;
    }
    CDBFixturelist& list = league->Fixtures();
    const CDBFixturelist before = list;
    const int half = list.Rows() / 2;
    for (int row = 0; row < half; ++row) {
        std::vector<CDBFixturelist::Pairing> pairings = list.GetRow(row);
        for (CDBFixturelist::Pairing& pairing : pairings) {
            std::swap(pairing.home, pairing.away);
        }
        list.SetRow(row + half, pairings);
    }
    return !SameList(before, list);
}

bool FixtureListModel::Changed() const {
    for (const auto& [id, list] : original_) {
        const auto* league =
            dynamic_cast<const CDBLeagueBase*>(context_.world->FindCompetition(id));
        if (league != nullptr && !SameList(list, league->Fixtures())) {
            return true;
        }
    }
    return false;
}

void FixtureListModel::Restore() {
    for (const auto& [id, list] : original_) {
        if (auto* league = dynamic_cast<CDBLeagueBase*>(context_.world->FindCompetition(id))) {
            league->Fixtures() = list;
        }
    }
    SelectMatchday(matchday_);
}

} // namespace tallo
