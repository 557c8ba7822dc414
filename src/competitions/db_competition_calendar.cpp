// The season calendar of a competition node: which matchday falls on which day, the checks of
// the number of matchdays, and section MATCHDAYS that stores the days.

#include "competitions/db_competition.h"

#include <algorithm>

#include "competitions/number_text.h"
#include "formats/kl_file.h"

namespace tallo {

namespace {

constexpr std::string_view kMatchdaysSection = "MATCHDAYS";

bool ValidDay(int day) {
    return day >= 0 && day < CDBCompetition::kSeasonDays;
}

} // namespace

CDBCompetition* CDBCompetition::CalendarParent() const {
    for (uint32_t id : successors_) {
        if (id == 0) {
            break;
        }
        CDBCompetition* node = FindNode(id);
        if (node != nullptr && node != this && (node->level_ == -1 || node->level_ == level_)) {
            return node;
        }
    }
    return nullptr;
}

// Calendar ---------------------------------------------------------------------------------------

int32_t CDBCompetition::MatchdayOn(int day) const {
    return ValidDay(day) ? calendar_[static_cast<size_t>(day)] : 0;
}

bool CDBCompetition::SetMatchdayOn(int day, int32_t matchday) {
    if (!ValidDay(day)) {
        return false;
    }
    calendar_[static_cast<size_t>(day)] = matchday;
    return true;
}

int CDBCompetition::MatchdayDays() const {
    return static_cast<int>(std::count_if(calendar_.begin(), calendar_.end(),
                                          [](int32_t entry) { return entry != 0; }));
}

bool CDBCompetition::HasMatchOn(int day) const {
    std::set<uint32_t> visited;
    std::vector<const CDBCompetition*> pending{this};
    while (!pending.empty()) {
        const CDBCompetition* node = pending.back();
        pending.pop_back();
        if (!visited.insert(node->id_).second) {
            continue;
        }
        if (node->MatchdayOn(day) != 0) {
            return true;
        }
        for (uint32_t id : node->successors_) {
            if (id == 0) {
                break;
            }
            if (const CDBCompetition* next = node->FindNode(id)) {
                pending.push_back(next);
            }
        }
    }
    return false;
}

int32_t CDBCompetition::LastMatchdayBefore(int day) const {
    int start = std::min(day, kSeasonDays) - 1;
    for (int d = start; d >= 0; --d) {
        if (calendar_[static_cast<size_t>(d)] != 0) {
            return calendar_[static_cast<size_t>(d)];
        }
    }
    return -1;
}

int32_t CDBCompetition::ParentLookup(int day) const {
    // Every node answers by asking its calendar parent; the last one of the chain has none
    // and answers -1.
    (void)day;
    std::set<uint32_t> visited{id_};
    const CDBCompetition* node = CalendarParent();
    while (node != nullptr && visited.insert(node->id_).second) {
        node = node->CalendarParent();
    }
    return -1;
}

int32_t CDBCompetition::MatchdayOnOrParent(int day) const {
    std::set<uint32_t> visited;
    for (const CDBCompetition* node = this; node != nullptr && visited.insert(node->id_).second;
         node = node->CalendarParent()) {
        if (int32_t entry = node->MatchdayOn(day); entry != 0) {
            return entry;
        }
    }
    return 0;
}

bool CDBCompetition::InsertMatchday(int day) {
    std::set<uint32_t> visited;
    return InsertMatchdayFrom(day, visited);
}

bool CDBCompetition::InsertMatchdayFrom(int day, std::set<uint32_t>& visited) {
    if (day < kFirstDay || day > kLastDay || !visited.insert(id_).second) {
        return false;
    }
    if (calendar_[static_cast<size_t>(day)] != 0) {
        return false;
    }
    // The look-ups the editors ask first; they never decide in this system.
    if (ParentLookup(day) >= 0 || PredecessorLookup() >= 0) {
        return false;
    }
    const int32_t required = RequiredMatchdays();
    const int32_t before = LastMatchdayBefore(day);
    if (before < required) {
        calendar_[static_cast<size_t>(day)] = std::max(before, 0) + 1;
        for (int d = day + 1; d < kSeasonDays; ++d) {
            int32_t& entry = calendar_[static_cast<size_t>(d)];
            if (entry == 0) {
                continue;
            }
            entry = entry < required ? entry + 1 : 0;
        }
        return true;
    }
    bool changed = false;
    for (uint32_t id : successors_) {
        if (id == 0) {
            break;
        }
        CDBCompetition* node = FindNode(id);
        if (node != nullptr && (node->level_ == -1 || node->level_ == level_)) {
            changed = node->InsertMatchdayFrom(day, visited) || changed;
        }
    }
    return changed;
}

bool CDBCompetition::RemoveMatchday(int day) {
    if (!ValidDay(day)) {
        return false;
    }
    std::set<uint32_t> visited;
    for (CDBCompetition* node = this; node != nullptr && visited.insert(node->id_).second;
         node = node->CalendarParent()) {
        int32_t& entry = node->calendar_[static_cast<size_t>(day)];
        if (entry == 0) {
            continue;
        }
        entry = 0;
        for (int d = day + 1; d < kSeasonDays; ++d) {
            if (node->calendar_[static_cast<size_t>(d)] > 0) {
                --node->calendar_[static_cast<size_t>(d)];
            }
        }
        return true;
    }
    return false;
}

bool CDBCompetition::IsBusyAround(int day) const {
    std::set<uint32_t> visited;
    for (const CDBCompetition* node = this; node != nullptr && visited.insert(node->id_).second;
         node = node->CalendarParent()) {
        if (node->MatchdayOn(day - 1) != 0 || node->MatchdayOn(day) != 0 ||
            node->MatchdayOn(day + 1) != 0) {
            return true;
        }
    }
    return false;
}

std::string CDBCompetition::MatchdayName(int32_t matchday) const {
    return std::to_string(matchday);
}

void CDBCompetition::RenumberCalendar() {
    int32_t number = 0;
    for (int32_t& entry : calendar_) {
        if (entry != 0) {
            entry = ++number;
        }
    }
}

// Checks -----------------------------------------------------------------------------------------

uint32_t CDBCompetition::MatchdayProblems() const {
    int32_t last = std::max(LastMatchdayBefore(kSeasonDays), 0);
    return last != RequiredMatchdays() ? kWrongMatchdayCount : 0;
}

void CDBCompetition::DescribeMatchdayProblems(std::vector<std::string>& out) const {
    if (MatchdayProblems() != 0) {
        out.push_back("has " + std::to_string(std::max(LastMatchdayBefore(kSeasonDays), 0)) +
                      " matchdays in its calendar but needs " +
                      std::to_string(RequiredMatchdays()));
    }
}

// Files ------------------------------------------------------------------------------------------

bool CDBCompetition::SaveDayList(CKLFile& file) const {
    std::string line;
    int32_t entries = 0;
    for (int day = kFirstDay; day <= kLastDay; ++day) {
        if (calendar_[static_cast<size_t>(day)] != 0) {
            line += std::to_string(day);
            line += ',';
            ++entries;
        }
    }
    for (int32_t required = RequiredMatchdays(); entries < required; ++entries) {
        line += "0,";
    }
    if (!line.empty()) {
        line.pop_back();
    }
    bool ok = file.WriteSectionBegin(kMatchdaysSection);
    ok = file.WriteString(line) && ok;
    ok = file.WriteSectionEnd(kMatchdaysSection) && ok;
    return ok;
}

bool CDBCompetition::LoadDayList(CKLFile& file, int limit) {
    if (!file.FindSection(kMatchdaysSection)) {
        AddLoadNote("has no MATCHDAYS section; its calendar stays empty");
        return false;
    }
    std::string line;
    bool ok = file.ReadCString(line);
    calendar_.fill(0);
    int marked = 0;
    int previousDay = 0;
    bool outOfOrder = false;
    std::string_view rest(line);
    while (ok && marked < limit) {
        size_t comma = rest.find(',');
        int64_t day = LeadingNumber(rest.substr(0, comma));
        if (day >= kFirstDay && day <= kLastDay) {
            int32_t& entry = calendar_[static_cast<size_t>(day)];
            if (entry != 0) {
                AddLoadNote("names day " + std::to_string(day) + " twice; it counts once");
            } else {
                entry = ++marked;
                outOfOrder = outOfOrder || day < previousDay;
                previousDay = static_cast<int>(day);
            }
        } else if (day != 0) {
            AddLoadNote("names day " + std::to_string(day) +
                        ", which lies outside the season (days 1-399); it is left out");
        }
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (outOfOrder) {
        AddLoadNote("lists its days out of order; the matchdays are numbered in day order");
        RenumberCalendar();
    }
    file.SkipSection(kMatchdaysSection);
    return ok;
}

} // namespace tallo
