#include "editing/country/league_composition_model.h"

#include <algorithm>
#include <cctype>

#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "formats/dialog_text.h"
#include "world/country.h"

namespace tallo {

namespace {

std::vector<CDBLeagueBase*> LeaguesOf(CCountry& country) {
    CCompetitionTree* tree = CompetitionTreeOf(country);
    return tree == nullptr ? std::vector<CDBLeagueBase*>() : tree->Leagues();
}

bool NameBefore(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

LeagueCompositionModel::LeagueCompositionModel(CCountry& country) : country_(country) {
    if (!LeaguesOf(country_).empty()) {
        selected_ = 0;
    }
}

std::vector<LeagueCompositionModel::LeagueRow> LeagueCompositionModel::Leagues() const {
    std::vector<LeagueRow> rows;
    for (CDBLeagueBase* league : LeaguesOf(country_)) {
        rows.push_back(
            {league->Number(), std::string(league->Name()), league->TeamCount(), league->Size()});
    }
    return rows;
}

void LeagueCompositionModel::SelectLeague(int row) {
    if (row >= 0 && row < static_cast<int>(LeaguesOf(country_).size())) {
        selected_ = row;
    }
}

CDBLeagueBase* LeagueCompositionModel::League() const {
    const std::vector<CDBLeagueBase*> leagues = LeaguesOf(country_);
    if (selected_ < 0 || selected_ >= static_cast<int>(leagues.size())) {
        return nullptr;
    }
    return leagues[static_cast<size_t>(selected_)];
}

std::vector<LeagueCompositionModel::TeamRow> LeagueCompositionModel::Teams() const {
    std::vector<TeamRow> rows;
    if (const CDBLeagueBase* league = League()) {
        for (uint32_t team : league->Teams()) {
            rows.push_back({team, country_.GetReferenceName(team), MarksText(team)});
        }
    }
    return rows;
}

std::vector<LeagueCompositionModel::ClubRow> LeagueCompositionModel::Clubs() const {
    const std::vector<CDBLeagueBase*> leagues = LeaguesOf(country_);
    auto leaguesOf = [&leagues](uint32_t reference) {
        std::string names;
        for (const CDBLeagueBase* league : leagues) {
            if (league->TeamIndex(reference) >= 0) {
                names += names.empty() ? "" : ", ";
                names += league->Name();
            }
        }
        return names;
    };

    std::vector<std::pair<std::string, uint32_t>> clubs;
    for (const auto& [id, club] : country_.Clubs()) {
        if (!ClubId::IsNationalTeam(id)) {
            clubs.emplace_back(country_.GetReferenceName(id), id);
        }
    }
    std::stable_sort(clubs.begin(), clubs.end(),
                     [](const auto& a, const auto& b) { return NameBefore(a.first, b.first); });

    std::vector<ClubRow> rows;
    for (const auto& [name, id] : clubs) {
        rows.push_back({id, name, leaguesOf(id)});
        if (!hideReserves_) {
            const uint32_t second = id | ClubId::kSecondTeamBit;
            rows.push_back({second, country_.GetReferenceName(second), leaguesOf(second)});
        }
    }
    return rows;
}

LeagueCompositionModel::AddResult LeagueCompositionModel::AddTeam(uint32_t reference) {
    CDBLeagueBase* league = League();
    const CClub* club = country_.FindClub(reference);
    if (league == nullptr || club == nullptr || ClubId::IsNationalTeam(reference) ||
        ClubId::CountryOf(reference) != country_.Number()) {
        return AddResult::Refused;
    }
    if (league->TeamIndex(reference) >= 0) {
        return AddResult::AlreadyEntered;
    }
    return league->AddTeam(reference) ? AddResult::Added : AddResult::LeagueFull;
}

int LeagueCompositionModel::RemoveFromLeague(const std::vector<uint32_t>& references) {
    CDBLeagueBase* league = League();
    int removed = 0;
    for (uint32_t reference : references) {
        if (league != nullptr && league->RemoveTeam(reference)) {
            ++removed;
        }
    }
    return removed;
}

int LeagueCompositionModel::RemoveFromAllLeagues(const std::vector<uint32_t>& references) {
    int removed = 0;
    for (CDBLeagueBase* league : LeaguesOf(country_)) {
        for (uint32_t reference : references) {
            if (league->RemoveTeam(reference)) {
                ++removed;
            }
        }
    }
    return removed;
}

bool LeagueCompositionModel::SetMark(const std::vector<uint32_t>& references, Mark mark) {
    bool changed = false;
    for (uint32_t reference : references) {
        CClub* club = country_.FindClub(reference);
        if (club == nullptr) {
            continue;
        }
        const bool second = ClubId::IsSecondTeam(reference);
        const uint8_t before = club->SeasonFlags();
        switch (mark) {
        case Mark::CupWinner:
            club->SetSeasonFlag(CClub::kCupWinner, second, true);
            break;
        case Mark::CupFinalist:
            club->SetSeasonFlag(CClub::kCupFinalist, second, true);
            break;
        case Mark::ClearCup:
            club->SetSeasonFlag(CClub::kCupWinner, second, false);
            club->SetSeasonFlag(CClub::kCupFinalist, second, false);
            break;
        case Mark::Promoted:
            club->SetSeasonFlag(CClub::kPromoted, second, true);
            break;
        case Mark::Relegated:
            club->SetSeasonFlag(CClub::kRelegated, second, true);
            break;
        case Mark::ClearMove:
            club->SetSeasonFlag(CClub::kPromoted, second, false);
            club->SetSeasonFlag(CClub::kRelegated, second, false);
            break;
        }
        changed = changed || club->SeasonFlags() != before;
    }
    return changed;
}

std::string LeagueCompositionModel::MarksText(uint32_t reference) const {
    const CClub* club = country_.FindClub(reference);
    if (club == nullptr) {
        return std::string();
    }
    const bool second = ClubId::IsSecondTeam(reference);
    std::string text;
    auto add = [&text](const std::string& mark) {
        text += text.empty() ? "" : ", ";
        text += mark;
    };
    if (club->HasSeasonFlag(CClub::kCupWinner, second)) {
        add(DialogText("composition.menu.cup_winner"));
    }
    if (club->HasSeasonFlag(CClub::kCupFinalist, second)) {
        add(DialogText("composition.menu.cup_finalist"));
    }
    if (club->HasSeasonFlag(CClub::kPromoted, second)) {
        add(DialogText("composition.menu.promoted"));
    }
    if (club->HasSeasonFlag(CClub::kRelegated, second)) {
        add(DialogText("composition.menu.relegated"));
    }
    return text;
}

LeagueCompositionModel::Snapshot LeagueCompositionModel::Take() const {
    Snapshot snapshot;
    for (const CDBLeagueBase* league : LeaguesOf(country_)) {
        snapshot.teams[league->Number()] = league->Teams();
    }
    for (const auto& [id, club] : country_.Clubs()) {
        snapshot.seasonFlags[id] = club->SeasonFlags();
    }
    return snapshot;
}

void LeagueCompositionModel::Restore(const Snapshot& snapshot) {
    for (CDBLeagueBase* league : LeaguesOf(country_)) {
        auto found = snapshot.teams.find(league->Number());
        if (found == snapshot.teams.end()) {
            continue;
        }
        league->ClearTeams();
        for (uint32_t team : found->second) {
            league->AddTeam(team);
        }
    }
    for (const auto& [id, flags] : snapshot.seasonFlags) {
        if (CClub* club = country_.FindClub(id)) {
            club->SetSeasonFlags(flags);
        }
    }
}

} // namespace tallo
