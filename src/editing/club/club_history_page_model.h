#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace tallo {

class CClub;

// The history page (CDlgClubHist): the first-league statistics, the eight title lists and the
// five record results of a club, as the edits show them (texts as typed; titles and opponents
// are record text). Store turns them back into the club's values and refuses, with a message,
// a statistic that is not a number, a title list that is not a list of years and a result or
// season that cannot be read; the club keeps its old value there.
class ClubHistoryPageModel {
public:
    static constexpr size_t kStatisticDigits = 5;
    static constexpr size_t kSeasonDigits = 4;
    static constexpr size_t kAttendanceDigits = 6;
    static constexpr int kRecordCount = 5;

    // One record as three edits: the result ("3:1"; the spectators for the attendance
    // record), the opponent and the season. A record without a result shows an empty result.
    struct RecordRow {
        std::string result;
        std::string opponent;
        std::string season;
        bool operator==(const RecordRow&) const = default;
    };

    void Fill(const CClub& club);
    std::vector<std::string> Store(CClub& club) const;

    // Values the view binds ---------------------------------------------------------------------
    std::array<std::string, 5> statistics; // in the club's statistic order
    std::array<std::string, 8> titles;     // in the club's title order
    std::array<RecordRow, kRecordCount> records;

    // The characters the edits accept (never fewer than the text filled in).
    size_t StatisticEditLength(int which) const;
    size_t TitleEditLength(int which) const;

    // The title list and the record row as Fill found them.
    const std::string& FilledTitle(int which) const { return filledTitles_[which]; }
    const RecordRow& FilledRecord(int which) const { return filledRecords_[which]; }

    static const std::string& StatisticLabel(int which);
    static const std::string& TitleLabel(int which);
    static const std::string& RecordLabel(int which);

private:
    std::array<std::string, 5> filledStatistics_;
    std::array<std::string, 8> filledTitles_;
    std::array<RecordRow, kRecordCount> filledRecords_;
};

} // namespace tallo
