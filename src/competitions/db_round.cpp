#include "competitions/db_round.h"

#include "competitions/competition_keywords.h"
#include "formats/kl_file.h"

namespace tallo {

CDBRound::CDBRound(uint32_t id) : CDBCompetition(id, NodeKind::kRound) {}

std::unique_ptr<CDBCompetition> CDBRound::Clone() const {
    return std::unique_ptr<CDBCompetition>(new CDBRound(*this));
}

int CDBRound::FirstLegDay() const {
    for (int day = kFirstDay; day <= kLastDay; ++day) {
        if (MatchdayOn(day) != 0) {
            return day;
        }
    }
    return 0;
}

int CDBRound::SecondLegDay() const {
    int first = FirstLegDay();
    if (first == 0) {
        return 0;
    }
    for (int day = first + 1; day <= kLastDay; ++day) {
        if (MatchdayOn(day) != 0) {
            return day;
        }
    }
    return 0;
}

uint32_t CDBRound::OwnProblems(int32_t) const {
    return LinkProblems() | MatchdayProblems();
}

std::vector<std::string> CDBRound::DescribeProblems(int32_t reserveLevel) const {
    std::vector<std::string> out;
    DescribeMatchdayProblems(out);
    std::vector<std::string> base = CDBCompetition::DescribeProblems(reserveLevel);
    out.insert(out.end(), base.begin(), base.end());
    return out;
}

bool CDBRound::SaveLead(CKLFile& file) const {
    return file.WriteComment(" --------------------------------------");
}

bool CDBRound::Save(CKLFile& file, uint32_t countryOverride) const {
    bool ok = SaveNames(file);
    ok = file.WriteInt(roundSetting_) && ok;
    ok = file.WriteInt(FirstLegDay()) && ok;
    ok = file.WriteString(MatchFlagsToText(firstLegFlags_)) && ok;
    ok = file.WriteInt(SecondLegDay()) && ok;
    ok = file.WriteString(MatchFlagsToText(secondLegFlags_)) && ok;
    ok = SaveValues(file) && ok;
    ok = SaveBaseValues(file, countryOverride) && ok;
    return ok;
}

bool CDBRound::Load(CKLFile& file) {
    bool ok = LoadNames(file, kRoundNameReadLimit);
    ok = file.ReadInt(roundSetting_) && ok;
    ClearCalendar();
    for (int leg = 0; leg < 2; ++leg) {
        int32_t day = 0;
        ok = file.ReadInt(day) && ok;
        if (day >= kFirstDay && day <= kLastDay) {
            SetMatchdayOn(day, 1);
        } else if (day != 0) {
            AddLoadNote("names day " + std::to_string(day) +
                        ", which lies outside the season (days 1-399); it is left out");
        }
        std::string flags;
        ok = file.ReadCString(flags) && ok;
        (leg == 0 ? firstLegFlags_ : secondLegFlags_) = MatchFlagsFromText(flags);
    }
    RenumberCalendar();
    // The four values of a round are in the file but not kept.
    ok = LoadValues(file, false) && ok;
    ok = LoadBaseValues(file) && ok;
    NoteTruncated(ok);
    return ok;
}

} // namespace tallo
