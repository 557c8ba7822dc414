#include "editing/club/club_history_page_model.h"

#include "editing/club/club_field_text.h"
#include "formats/dialog_text.h"
#include "world/club.h"
#include "world/result_record.h"

namespace tallo {

namespace {

constexpr size_t kTitleEditLength = 255;

ClubHistoryPageModel::RecordRow RowOf(const ResultRecord& record, int kind) {
    ClubHistoryPageModel::RecordRow row;
    if (kind == ResultRecord::kAttendance) {
        row.result = NumberText(record.attendance, true);
    } else if (record.goalsA != 0 || record.goalsB != 0) {
        row.result = FormatMatchResult(record.goalsA, record.goalsB);
    }
    row.opponent = record.opponent;
    row.season = NumberText(record.season, true);
    return row;
}

} // namespace

const std::string& ClubHistoryPageModel::StatisticLabel(int which) {
    switch (which) {
    case CClub::kPoints:
        return DialogText("club.stat.points");
    case CClub::kMatches:
        return DialogText("club.stat.matches");
    case CClub::kGoalsScored:
        return DialogText("club.stat.scored");
    case CClub::kGoalsConceded:
        return DialogText("club.stat.conceded");
    default:
        return DialogText("club.stat.seasons_led");
    }
}

const std::string& ClubHistoryPageModel::TitleLabel(int which) {
    switch (which) {
    case CClub::kChampionships:
        return DialogText("club.title.championships");
    case CClub::kCupWins:
        return DialogText("club.title.cups");
    case CClub::kSuperCupWins:
        return DialogText("club.title.super_cups");
    case CClub::kLeagueCupWins:
        return DialogText("club.title.league_cups");
    case CClub::kEuropeanCupWins:
        return DialogText("club.title.european_cups");
    case CClub::kChampionsLeagueWins:
        return DialogText("club.title.champions_league");
    case CClub::kClubWorldChampionships:
        return DialogText("club.title.club_world");
    default:
        return DialogText("club.title.world");
    }
}

const std::string& ClubHistoryPageModel::RecordLabel(int which) {
    switch (which) {
    case ResultRecord::kHomeWin:
        return DialogText("club.record.home_win");
    case ResultRecord::kHomeDefeat:
        return DialogText("club.record.home_defeat");
    case ResultRecord::kAwayWin:
        return DialogText("club.record.away_win");
    case ResultRecord::kAwayDefeat:
        return DialogText("club.record.away_defeat");
    default:
        return DialogText("club.record.attendance");
    }
}

size_t ClubHistoryPageModel::StatisticEditLength(int which) const {
    return which >= 0 && which < 5 ? EditLengthFor(kStatisticDigits, filledStatistics_[which])
                                   : kStatisticDigits;
}

size_t ClubHistoryPageModel::TitleEditLength(int which) const {
    return which >= 0 && which < 8 ? EditLengthFor(kTitleEditLength, filledTitles_[which])
                                   : kTitleEditLength;
}

void ClubHistoryPageModel::Fill(const CClub& club) {
    for (int i = 0; i < CClub::kStatisticCount; ++i) {
        filledStatistics_[i] = NumberText(club.LeagueStatistic(static_cast<CClub::Statistic>(i)));
    }
    for (int i = 0; i < CClub::kTitleCount; ++i) {
        filledTitles_[i] = club.Titles(static_cast<CClub::Title>(i));
    }
    for (int i = 0; i < kRecordCount; ++i) {
        filledRecords_[i] = RowOf(club.Record(static_cast<ResultRecord::Kind>(i)), i);
    }
    statistics = filledStatistics_;
    titles = filledTitles_;
    records = filledRecords_;
}

std::vector<std::string> ClubHistoryPageModel::Store(CClub& club) const {
    std::vector<std::string> refused;
    for (int i = 0; i < CClub::kStatisticCount; ++i) {
        if (statistics[i] == filledStatistics_[i]) {
            continue;
        }
        if (const std::optional<int32_t> value = ReadDigits(statistics[i], kStatisticDigits)) {
            club.SetLeagueStatistic(static_cast<CClub::Statistic>(i), *value);
        } else {
            refused.push_back(FormatDialogText("club.refused.number", StatisticLabel(i).c_str(),
                                               static_cast<int>(kStatisticDigits)));
        }
    }
    for (int i = 0; i < CClub::kTitleCount; ++i) {
        if (titles[i] == filledTitles_[i]) {
            continue;
        }
        const std::optional<std::string> years = ReadYearList(titles[i]);
        if (!years || !club.SetTitles(static_cast<CClub::Title>(i), *years)) {
            refused.push_back(FormatDialogText("club.refused.years", TitleLabel(i).c_str()));
        }
    }
    for (int i = 0; i < kRecordCount; ++i) {
        if (records[i] == filledRecords_[i]) {
            continue;
        }
        const auto kind = static_cast<ResultRecord::Kind>(i);
        ResultRecord record = club.Record(kind);
        bool readable = true;
        if (kind == ResultRecord::kAttendance) {
            const std::optional<int32_t> spectators =
                ReadDigits(records[i].result, kAttendanceDigits);
            readable = spectators.has_value();
            record.attendance = spectators.value_or(record.attendance);
        } else if (const auto goals = ReadMatchResult(records[i].result)) {
            record.goalsA = static_cast<int8_t>(goals->first);
            record.goalsB = static_cast<int8_t>(goals->second);
        } else {
            readable = false;
        }
        const std::optional<int32_t> season = ReadDigits(records[i].season, kSeasonDigits);
        if (!readable && kind != ResultRecord::kAttendance) {
            refused.push_back(FormatDialogText("club.refused.result", RecordLabel(i).c_str()));
            continue;
        }
        if (!readable || !season) {
            refused.push_back(
                FormatDialogText("club.refused.number", RecordLabel(i).c_str(),
                                 static_cast<int>(readable ? kSeasonDigits : kAttendanceDigits)));
            continue;
        }
        record.season = static_cast<uint16_t>(*season);
        record.opponent = records[i].opponent;
        if (!club.SetRecord(kind, record)) {
            refused.push_back(FormatDialogText("club.refused.text", RecordLabel(i).c_str()));
        }
    }
    return refused;
}

} // namespace tallo
