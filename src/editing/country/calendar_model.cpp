#include "editing/country/calendar_model.h"

#include <algorithm>
#include <utility>

#include "app/world_internationals.h"
#include "competitions/competition_id.h"
#include "competitions/competition_keywords.h"
#include "competitions/competition_tree.h"
#include "competitions/db_league_base.h"
#include "competitions/international_competitions.h"
#include "editing/country/calendar_days.h"
#include "editing/main_window/record_name_order.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

// The national cups that get a column, in column order (number 0 each).
constexpr uint32_t kCupKinds[] = {CompetitionKind::kFaCup, CompetitionKind::kLeCup,
                                  CompetitionKind::kConferenceCup,
                                  CompetitionKind::kChallengeShield, CompetitionKind::kSuperCup};

// Countries with fewer clubs (the national team counted) are not offered for comparison.
constexpr size_t kCompareClubs = 10;
constexpr int kSouthAmerica = 1;

// The problems the editor reports, in report order, with their texts.
struct ProblemText {
    uint32_t bit;
    DialogTextKey key;
};
constexpr ProblemText kProblemTexts[] = {
    {CDBCompetition::kFixtureIncomplete, "calendar.error.fixtures"},
    {CDBCompetition::kWrongMatchdayCount, "calendar.error.matchdays"},
    {CDBCompetition::kWrongTeamCount, "calendar.error.teams"},
    {CDBCompetition::kReserveTeamsTooHigh, "calendar.error.reserves"},
};

// Leagues without a level (-1) after those with one.
int32_t LevelOrder(const CDBCompetition& node) {
    return node.Level() < 0 ? INT32_MAX : node.Level();
}

} // namespace

CalendarModel::CalendarModel(const CountryEditContext& context)
    : context_(context), dayCodes_(kDays, 0) {
    if (context_.world != nullptr) {
        country_ = context_.world->GetCountry(context_.country);
    }
    if (country_ != nullptr && context_.country >= 1) {
        tree_ = CompetitionTreeOf(*country_);
    }
    if (tree_ != nullptr) {
        for (CDBCompetition* node : tree_->Nodes()) {
            original_.emplace(node->Id(), node->GetCalendar());
        }
    }
    BuildColumns();
    BuildCompareCountries();
}

std::string CalendarModel::NameOf(const CDBCompetition& node) const {
    return ToUtf8(node.Name(), ActiveCodePage());
}

CDBCompetition* CalendarModel::FindNode(uint32_t id) const {
    return context_.world != nullptr && id != 0 ? context_.world->FindCompetition(id) : nullptr;
}

void CalendarModel::AddCompetitionColumn(ColumnKind kind, const CDBCompetition& node) {
    if (ColumnCount() >= kMaxColumns) {
        return;
    }
    Column column;
    column.kind = kind;
    column.competition = node.Id();
    column.heading = NameOf(node);
    column.level = node.Level();
    columns_.push_back(std::move(column));
}

void CalendarModel::BuildColumns() {
    columns_.push_back({ColumnKind::Date, 0, DialogText("calendar.column.date"), -1});
    columns_.push_back(
        {ColumnKind::InternationalCodes, 0, DialogText("calendar.column.international"), -1});

    // The day codes: the club competitions of the country's continent, then the national
    // teams' qualification and tournaments on days those leave free.
    if (context_.world != nullptr) {
        if (const CInternationalCompetitions* internationals =
                InternationalCompetitionsOf(*context_.world)) {
            const InternationalDayTable clubTable =
                country_ != nullptr && static_cast<int>(country_->continent) == kSouthAmerica
                    ? InternationalDayTable::kSouthAmerican
                    : InternationalDayTable::kEuropean;
            const InternationalDayTable order[] = {clubTable, InternationalDayTable::kQualification,
                                                   InternationalDayTable::kWorldCup};
            for (int day = 0; day < kDays; ++day) {
                for (InternationalDayTable table : order) {
                    const int8_t code = internationals->DayTypes(table)[static_cast<size_t>(day)];
                    if (code != 0) {
                        dayCodes_[static_cast<size_t>(day)] = code;
                        break;
                    }
                }
            }
        }
    }

    if (tree_ == nullptr) {
        return;
    }
    std::vector<CDBLeagueBase*> leagues = tree_->Leagues();
    std::stable_sort(leagues.begin(), leagues.end(),
                     [](const CDBLeagueBase* a, const CDBLeagueBase* b) {
                         return LevelOrder(*a) < LevelOrder(*b);
                     });
    for (const CDBLeagueBase* league : leagues) {
        AddCompetitionColumn(ColumnKind::League, *league);
    }
    for (uint32_t kind : kCupKinds) {
        if (const CDBCompetition* cup = tree_->FindOwn(kind, 0)) {
            AddCompetitionColumn(ColumnKind::Cup, *cup);
        }
    }
}

void CalendarModel::BuildCompareCountries() {
    if (context_.world == nullptr) {
        return;
    }
    struct Keyed {
        CompareCountry country;
        std::string key;
    };
    std::vector<Keyed> keyed;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* other = context_.world->GetCountry(number);
        if (number == context_.country || other == nullptr ||
            other->GetClubCount() < kCompareClubs) {
            continue;
        }
        const CCompetitionTree* tree = CompetitionTreeOf(*other);
        if (tree == nullptr || tree->League(0) == nullptr) {
            continue;
        }
        const std::string name(other->Name(context_.languageSlot));
        keyed.push_back({{number, ToUtf8(name, ActiveCodePage())}, RecordNameKey(name)});
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    for (Keyed& entry : keyed) {
        compareCountries_.push_back(std::move(entry.country));
    }
}

bool CalendarModel::AddCompareColumn(int country) {
    if (context_.world == nullptr || country == context_.country || ColumnCount() >= kMaxColumns) {
        return false;
    }
    CCountry* other = context_.world->GetCountry(country);
    const CCompetitionTree* tree = other != nullptr ? CompetitionTreeOf(*other) : nullptr;
    const CDBLeagueBase* top = tree != nullptr ? tree->League(0) : nullptr;
    if (top == nullptr) {
        return false;
    }
    for (const Column& column : columns_) {
        if (column.competition == top->Id()) {
            return false;
        }
    }
    Column column;
    column.kind = ColumnKind::Compare;
    column.competition = top->Id();
    column.heading =
        FormatDialogText("calendar.compare.heading", NameOf(*top).c_str(),
                         ToUtf8(other->Name(context_.languageSlot), ActiveCodePage()).c_str());
    column.level = top->Level();
    columns_.push_back(std::move(column));
    return true;
}

CDBCompetition* CalendarModel::NodeOf(int column) const {
    if (column < 0 || column >= ColumnCount()) {
        return nullptr;
    }
    return FindNode(columns_[static_cast<size_t>(column)].competition);
}

bool CalendarModel::IsEditable(int column) const {
    if (column < 0 || column >= ColumnCount()) {
        return false;
    }
    const ColumnKind kind = columns_[static_cast<size_t>(column)].kind;
    return (kind == ColumnKind::League || kind == ColumnKind::Cup) && NodeOf(column) != nullptr;
}

std::string CalendarModel::CellText(int column, int day) const {
    if (column < 0 || column >= ColumnCount() || day < 0 || day >= kDays) {
        return std::string();
    }
    switch (columns_[static_cast<size_t>(column)].kind) {
    case ColumnKind::Date:
        return SeasonDays::DayText(day);
    case ColumnKind::InternationalCodes:
        return InternationalDayCodeText(dayCodes_[static_cast<size_t>(day)]);
    default:
        break;
    }
    const CDBCompetition* node = NodeOf(column);
    const int32_t matchday = node != nullptr ? node->MatchdayOn(day) : 0;
    return matchday != 0 ? ToUtf8(node->MatchdayName(matchday), ActiveCodePage()) : std::string();
}

bool CalendarModel::IsMatchday(int column, int day) const {
    const CDBCompetition* node = NodeOf(column);
    return node != nullptr && node->MatchdayOn(day) != 0;
}

int CalendarModel::RowOfMonth(int month) const {
    return SeasonDays::FirstDayOfMonth(month);
}

std::vector<CDBCompetition*> CalendarModel::TargetsOf(int column) const {
    std::vector<CDBCompetition*> targets;
    if (!IsEditable(column)) {
        return targets;
    }
    CDBCompetition* clicked = NodeOf(column);
    const Column& clickedColumn = columns_[static_cast<size_t>(column)];
    if (mode_ == EditMode::OneLeague || clickedColumn.kind != ColumnKind::League) {
        targets.push_back(clicked);
        return targets;
    }
    for (size_t i = 0; i < columns_.size(); ++i) {
        const Column& other = columns_[i];
        if (other.kind != ColumnKind::League) {
            continue;
        }
        if (mode_ == EditMode::SameLevel && other.level != clickedColumn.level) {
            continue;
        }
        if (CDBCompetition* node = FindNode(other.competition)) {
            targets.push_back(node);
        }
    }
    return targets;
}

bool CalendarModel::ToggleMatchday(int column, int day) {
    if (day < 0 || day >= kDays) {
        return false;
    }
    const std::vector<CDBCompetition*> targets = TargetsOf(column);
    if (targets.empty()) {
        return false;
    }
    const bool remove = NodeOf(column)->MatchdayOnOrParent(day) != 0;
    bool changed = false;
    for (CDBCompetition* node : targets) {
        if (remove) {
            if (node->MatchdayOnOrParent(day) != 0) {
                changed = node->RemoveMatchday(day) || changed;
            }
        } else if (node->MatchdayOnOrParent(day) == 0 && !node->IsBusyAround(day)) {
            changed = node->InsertMatchday(day) || changed;
        }
    }
    return changed;
}

CalendarModel::Report CalendarModel::Validate() const {
    Report report;
    if (country_ == nullptr) {
        return report;
    }
    const int32_t reserveLevel = country_->firstReserveLevel;
    for (int column = 0; column < ColumnCount(); ++column) {
        if (!IsEditable(column)) {
            continue;
        }
        const CDBCompetition* node = NodeOf(column);
        const uint32_t problems = node->Validate(reserveLevel);
        std::vector<std::string> lines;
        for (const ProblemText& problem : kProblemTexts) {
            if ((problems & problem.bit) == 0) {
                continue;
            }
            lines.push_back("    " + DialogText(problem.key));
            if (problem.bit != CDBCompetition::kFixtureIncomplete) {
                ++report.calendarProblems;
            }
        }
        if (!lines.empty()) {
            report.lines.push_back(NameOf(*node));
            report.lines.insert(report.lines.end(), lines.begin(), lines.end());
        }
    }
    report.withHeading = report.calendarProblems >= 2;
    return report;
}

bool CalendarModel::Changed() const {
    if (tree_ == nullptr) {
        return false;
    }
    for (const CDBCompetition* node : tree_->Nodes()) {
        auto kept = original_.find(node->Id());
        if (kept == original_.end() || kept->second != node->GetCalendar()) {
            return true;
        }
    }
    return false;
}

void CalendarModel::Restore() {
    for (const auto& [id, calendar] : original_) {
        CDBCompetition* node = FindNode(id);
        if (node == nullptr) {
            continue;
        }
        for (int day = 0; day < CDBCompetition::kSeasonDays; ++day) {
            node->SetMatchdayOn(day, calendar[static_cast<size_t>(day)]);
        }
    }
}

} // namespace tallo
