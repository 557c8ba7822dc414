#include "competitions/db_cup.h"

#include <algorithm>

#include "competitions/competition_keywords.h"
#include "competitions/competition_texts.h"
#include "formats/kl_file.h"

namespace tallo {

namespace {

bool TwoMatchdays(const CupSchemeRound& round) {
    return (round.flags & (MatchFlag::k2ndLeg | MatchFlag::kWithReplay)) != 0;
}

} // namespace

CDBCup::CDBCup(uint32_t id) : CDBCompetition(id, NodeKind::kCup) {}

std::unique_ptr<CDBCompetition> CDBCup::Clone() const {
    return std::unique_ptr<CDBCompetition>(new CDBCup(*this));
}

int32_t CDBCup::RequiredMatchdays() const {
    int32_t required = 0;
    for (const CupSchemeRound& round : SchemeRounds()) {
        required += TwoMatchdays(round) ? 2 : 1;
    }
    return required;
}

std::string CDBCup::MatchdayName(int32_t matchday) const {
    int32_t first = 1;
    for (const CupSchemeRound& round : SchemeRounds()) {
        int32_t count = TwoMatchdays(round) ? 2 : 1;
        if (matchday >= first && matchday < first + count) {
            std::string name = RoundKindName(round.kind);
            if (count == 2) {
                name += matchday == first ? " (1)" : " (2)";
            }
            return name;
        }
        first += count;
    }
    return CDBCompetition::MatchdayName(matchday);
}

int32_t CDBCup::PredecessorLevel() const {
    const CDBCompetition* first = FindNode(Predecessors()[0]);
    return first != nullptr && first->NodeKind() == NodeKind::kLeague ? first->Level() : 0;
}

int32_t CDBCup::GetRoundValue(int index, int slot) const {
    if (index < 0 || index >= kRoundValues || slot < 0 || slot >= kRoundSlots) {
        return 0;
    }
    return roundValues_[static_cast<size_t>(index)][static_cast<size_t>(slot)];
}

void CDBCup::SetRoundValue(int index, int slot, int32_t value) {
    if (index >= 0 && index < kRoundValues && slot >= 0 && slot < kRoundSlots) {
        roundValues_[static_cast<size_t>(index)][static_cast<size_t>(slot)] = value;
    }
}

void CDBCup::GetExtraValues(int32_t* block) const {
    for (const auto& row : roundValues_) {
        block = std::copy(row.begin(), row.end(), block);
    }
}

void CDBCup::SetExtraValues(const int32_t* block) {
    for (auto& row : roundValues_) {
        std::copy(block, block + kRoundSlots, row.begin());
        block += kRoundSlots;
    }
}

int CDBCup::FirstUsedSlot() const {
    int rounds = static_cast<int>(SchemeRounds().size());
    return kRoundSlots - std::min(rounds, kRoundSlots);
}

bool CDBCup::SchemeKnown() const {
    return scheme_ == 0 || !SchemeRounds().empty();
}

uint32_t CDBCup::OwnProblems(int32_t) const {
    uint32_t problems = LinkProblems();
    if (!SchemeKnown()) {
        return problems | kUnknownScheme;
    }
    return problems | MatchdayProblems();
}

std::vector<std::string> CDBCup::DescribeProblems(int32_t reserveLevel) const {
    std::vector<std::string> out;
    if (!SchemeKnown()) {
        out.push_back("uses cup scheme " + std::to_string(scheme_) +
                      ", which the cup scheme table does not define");
    } else {
        DescribeMatchdayProblems(out);
    }
    std::vector<std::string> base = CDBCompetition::DescribeProblems(reserveLevel);
    out.insert(out.end(), base.begin(), base.end());
    return out;
}

std::string_view CDBCup::SectionTypeName() const {
    switch (scheme_) {
    case 13:
        return "DB_CHALLENGE";
    case 14:
        return "DB_CONFERENCE";
    default:
        return "DB_CUP";
    }
}

bool CDBCup::Save(CKLFile& file, uint32_t countryOverride) const {
    bool ok = SaveNames(file);
    ok = file.WriteInt(static_cast<int32_t>(scheme_)) && ok;
    ok = SaveExtra(file) && ok;
    if (scheme_ == 0) {
        return ok;
    }
    ok = SaveDayList(file) && ok;
    for (int slot = FirstUsedSlot(); slot < kRoundSlots; ++slot) {
        for (int index = 0; index < kRoundValues; ++index) {
            ok = file.WriteInt(GetRoundValue(index, slot)) && ok;
        }
    }
    ok = SaveBaseValues(file, countryOverride) && ok;
    return ok;
}

bool CDBCup::Load(CKLFile& file) {
    bool ok = LoadNames(file, kNameReadLimit);
    int32_t scheme = 0;
    ok = file.ReadInt(scheme) && ok;
    scheme_ = static_cast<uint32_t>(scheme);
    ok = LoadExtra(file) && ok;
    if (scheme_ != 0) {
        // Two days per round at most; a scheme that is not loaded keeps every day the file has,
        // so that it is written back as it was read.
        size_t rounds = SchemeRounds().size();
        int limit = rounds > 0 ? static_cast<int>(rounds) * 2 : kSeasonDays;
        ok = LoadDayList(file, limit) && ok;
        for (int slot = FirstUsedSlot(); slot < kRoundSlots; ++slot) {
            for (int index = 0; index < kRoundValues; ++index) {
                int32_t value = 0;
                ok = file.ReadInt(value) && ok;
                SetRoundValue(index, slot, value);
            }
        }
        ok = LoadBaseValues(file) && ok;
    }
    NoteTruncated(ok);
    SetLevel(PredecessorLevel());
    SetProgramIndex(InstantiateCupProgram(scheme_, Country(), Level()));
    return ok;
}

} // namespace tallo
