#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "competitions/db_competition.h"
#include "editing/country/country_edit_context.h"

namespace tallo {

class CCompetitionTree;
class CCountry;

// The calendar editor of one country: one row per day of the season (0 to 359) and one
// column per competition. The columns are the date, the international competitions' day
// codes, the country's leagues in level order, its national cups (FA cup, league cup,
// conference cup, challenge shield, super cup) that exist, and the top leagues of other
// countries added for comparison (shown, never edited); at most 50 columns.
//
// Clicking a competition's day toggles its matchday there, on the country's nodes in place.
class CalendarModel {
public:
    static constexpr int kDays = 360;
    static constexpr int kMaxColumns = 50;

    enum class ColumnKind { Date, InternationalCodes, League, Cup, Compare };
    enum class EditMode {
        OneLeague,  // the clicked competition only
        AllLeagues, // every league of the country
        SameLevel,  // every league of the clicked league's level
    };

    struct Column {
        ColumnKind kind = ColumnKind::Date;
        // The competition of the column (0 for the date and the day codes).
        uint32_t competition = 0;
        // The heading (UTF-8).
        std::string heading;
        int32_t level = -1;
    };

    // A country that can be compared: its number and name (UTF-8).
    struct CompareCountry {
        int number = 0;
        std::string name;
    };

    // The problems Validate found: lines to show (UTF-8) and whether they get the heading.
    struct Report {
        std::vector<std::string> lines;
        // Problems other than an incomplete fixture list.
        int calendarProblems = 0;
        bool withHeading = false;
        bool Empty() const { return lines.empty(); }
    };

    explicit CalendarModel(const CountryEditContext& context);

    // False when the context names no country with a competition tree (no columns then but
    // the date and the day codes).
    bool IsValid() const { return tree_ != nullptr; }

    int RowCount() const { return kDays; }
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    const Column& ColumnAt(int column) const { return columns_.at(static_cast<size_t>(column)); }
    // The node of a competition column; nullptr for the date and the day codes.
    CDBCompetition* NodeOf(int column) const;
    // Whether clicks on the column change anything (the country's own competitions).
    bool IsEditable(int column) const;

    // The text of a cell (UTF-8): the date, the day code, or the name of the matchday played.
    std::string CellText(int column, int day) const;
    // The competition of the column plays on the day (its own calendar).
    bool IsMatchday(int column, int day) const;
    // The first row of a month (1 January to 12 December).
    int RowOfMonth(int month) const;

    // Other countries with at least 10 clubs (the national team counted) and a top league, by
    // name.
    const std::vector<CompareCountry>& CompareCountries() const { return compareCountries_; }
    // Adds a column with the country's top league; false when it is shown already, it has no
    // top league, or the columns are full.
    bool AddCompareColumn(int country);

    EditMode Mode() const { return mode_; }
    void SetMode(EditMode mode) { mode_ = mode; }
    // The competitions a click on the column acts on in the current mode: the clicked one; in
    // the league modes, when a league was clicked, every league of the country or of its
    // level.
    std::vector<CDBCompetition*> TargetsOf(int column) const;
    // Toggles the day for the column's competition (and, by mode, the other leagues). What the
    // clicked competition has on the day decides for all of them: when it (or its calendar
    // parent) plays on the day, the matchday is removed from every target that has one there;
    // otherwise every target that is not busy on the day before, the day or the day after gets
    // a matchday. True when any calendar changed.
    bool ToggleMatchday(int column, int day);

    // Checks every competition of the country's columns (Validate with the country's first
    // reserve level): the competition's name and one line per problem.
    Report Validate() const;

    // Whether any calendar of the country differs from when the model was made, and putting
    // them back.
    bool Changed() const;
    void Restore();

private:
    void BuildColumns();
    void BuildCompareCountries();
    void AddCompetitionColumn(ColumnKind kind, const CDBCompetition& node);
    CDBCompetition* FindNode(uint32_t id) const;
    std::string NameOf(const CDBCompetition& node) const;

    CountryEditContext context_;
    CCountry* country_ = nullptr;
    CCompetitionTree* tree_ = nullptr;
    std::vector<Column> columns_;
    std::vector<CompareCountry> compareCountries_;
    // The international day codes shown (one code per day).
    std::vector<int8_t> dayCodes_;
    EditMode mode_ = EditMode::OneLeague;
    // The calendars of the country's nodes when the model was made.
    std::map<uint32_t, CDBCompetition::Calendar> original_;
};

} // namespace tallo
