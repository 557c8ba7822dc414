#include "competitions/db_league_base.h"

#include <algorithm>

#include "competitions/competition_keywords.h"
#include "competitions/fixture_templates.h"
#include "competitions/number_text.h"
#include "formats/kl_file.h"
#include "world/file_version.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr std::string_view kTeamsSection = "TEAMS";
constexpr std::string_view kFixtureSection = "FIXTURE";
constexpr std::string_view kDayTypeKeyword = "ROUND_GROUP1";
constexpr uint32_t kClubNumberMask = 0xFFFFu;
constexpr uint32_t kReserveBit = 0x01000000u;

// A hexadecimal club reference as the record files read it: at most 8 digits, up to the first
// other character.
uint32_t HexOf(std::string_view text) {
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return 0;
    }
    uint32_t value = 0;
    for (size_t i = start; i < text.size() && i < start + 8; ++i) {
        char c = text[i];
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : -1;
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

std::string HexText(uint32_t value) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

} // namespace

CDBLeagueBase::CDBLeagueBase(uint32_t id) : CDBCompetition(id, NodeKind::kLeague) {
    SetCalendarDayType(static_cast<int8_t>(RoundKind::kGroup1));
    ResetFixtures();
}

// Teams ------------------------------------------------------------------------------------------

uint32_t CDBLeagueBase::TeamAt(int index) const {
    return index >= 0 && index < teamCount_ ? teams_[static_cast<size_t>(index)] : 0;
}

std::vector<uint32_t> CDBLeagueBase::Teams() const {
    return std::vector<uint32_t>(teams_.begin(), teams_.begin() + teamCount_);
}

int CDBLeagueBase::TeamIndex(uint32_t clubReference) const {
    for (int i = 0; i < teamCount_; ++i) {
        if (teams_[static_cast<size_t>(i)] == clubReference) {
            return i;
        }
    }
    return -1;
}

bool CDBLeagueBase::AdmitsTeam(uint32_t clubReference, bool& present) const {
    present = false;
    if ((clubReference & kClubNumberMask) == 0) {
        return false;
    }
    if (TeamIndex(clubReference) >= 0) {
        present = true;
        return false;
    }
    return teamCount_ < std::min(size_, kMaxTeams);
}

bool CDBLeagueBase::AddTeam(uint32_t clubReference) {
    return InsertTeam(teamCount_, clubReference);
}

bool CDBLeagueBase::InsertTeam(int position, uint32_t clubReference) {
    bool present = false;
    if (!AdmitsTeam(clubReference, present)) {
        return present;
    }
    position = std::clamp(position, 0, teamCount_);
    std::copy_backward(teams_.begin() + position, teams_.begin() + teamCount_,
                       teams_.begin() + teamCount_ + 1);
    teams_[static_cast<size_t>(position)] = clubReference;
    ++teamCount_;
    return true;
}

bool CDBLeagueBase::RemoveTeam(uint32_t clubReference) {
    int index = TeamIndex(clubReference);
    if (index < 0) {
        return false;
    }
    std::copy(teams_.begin() + index + 1, teams_.begin() + teamCount_, teams_.begin() + index);
    --teamCount_;
    teams_[static_cast<size_t>(teamCount_)] = 0;
    return true;
}

void CDBLeagueBase::ClearTeams() {
    teams_.fill(0);
    teamCount_ = 0;
}

bool CDBLeagueBase::HoldsReserveTeams() const {
    return std::any_of(teams_.begin(), teams_.begin() + teamCount_,
                       [](uint32_t team) { return (team & kReserveBit) != 0; });
}

// Shape ------------------------------------------------------------------------------------------

void CDBLeagueBase::CutRounds() {
    if (RequiredMatchdays() > kMaxMatchdaysBeforeRoundCut) {
        rounds_ = kDefaultRounds;
    }
}

void CDBLeagueBase::SetSize(int32_t size) {
    size_ = std::clamp(size, 0, kMaxTeams);
    CutRounds();
    fixtures_.Resize(RequiredMatchdays(), size_ / 2);
}

void CDBLeagueBase::SetRounds(int32_t rounds) {
    rounds_ = rounds >= kMinRounds && rounds <= kMaxRounds ? rounds : kDefaultRounds;
    CutRounds();
    fixtures_.Resize(RequiredMatchdays(), size_ / 2);
}

int32_t CDBLeagueBase::RequiredMatchdays() const {
    int32_t even = size_ + (size_ % 2);
    return std::max(even - 1, 0) * rounds_;
}

void CDBLeagueBase::ResetFixtures() {
    fixtures_.Reset(RequiredMatchdays(), size_ / 2);
}

bool CDBLeagueBase::FillFixturesFromTemplate() {
    ResetFixtures();
    int32_t filled = FillFixtureFromTemplate(
        size_, rounds_, [this](int32_t row, int32_t column, uint8_t home, uint8_t away) {
            fixtures_.SetPairing(row, column, home, away);
        });
    return filled > 0;
}

void CDBLeagueBase::CopyLeagueFrom(const CDBLeagueBase& other) {
    SetName(other.Name());
    SetShortName(other.ShortName());
    size_ = other.size_;
    rounds_ = other.rounds_;
    SetLevel(other.Level());
    relegationRule_ = other.relegationRule_;
    spare_ = other.spare_;
    attendance_ = other.attendance_;
    transfer_ = other.transfer_;
    int32_t values[kValueCount];
    other.CDBCompetition::GetExtraValues(values);
    CDBCompetition::SetExtraValues(values);
    teams_ = other.teams_;
    teamCount_ = std::min(other.teamCount_, std::min(size_, kMaxTeams));
    std::fill(teams_.begin() + teamCount_, teams_.end(), 0);
    calendar_ = other.calendar_;
    CutRounds();
    ResetFixtures();
    fixtures_.CopyFittingFrom(other.fixtures_);
}

// Checks -----------------------------------------------------------------------------------------

bool CDBLeagueBase::IsCountryLeague() const {
    return Country() >= 1 && Country() <= static_cast<uint32_t>(CWorld::kCountryCount);
}

std::vector<uint32_t> CDBLeagueBase::MissingClubs() const {
    std::vector<uint32_t> missing;
    if (World() == nullptr) {
        return missing;
    }
    for (int i = 0; i < teamCount_; ++i) {
        uint32_t team = teams_[static_cast<size_t>(i)];
        if (World()->FindClub(team) == nullptr) {
            missing.push_back(team);
        }
    }
    return missing;
}

uint32_t CDBLeagueBase::OwnProblems(int32_t reserveLevel) const {
    uint32_t problems = LinkProblems() | MatchdayProblems();
    if (!fixtures_.IsComplete()) {
        problems |= kFixtureIncomplete;
    }
    if (teamCount_ != size_) {
        problems |= kWrongTeamCount;
    }
    if (IsCountryLeague() && Level() < reserveLevel && HoldsReserveTeams()) {
        problems |= kReserveTeamsTooHigh;
    }
    if (!MissingClubs().empty()) {
        problems |= kTeamNotAClub;
    }
    return problems;
}

std::vector<std::string> CDBLeagueBase::DescribeProblems(int32_t reserveLevel) const {
    std::vector<std::string> out;
    if (int empty = fixtures_.EmptyPairings(); empty > 0) {
        out.push_back("its fixture list has " + std::to_string(empty) + " empty pairings");
    }
    DescribeMatchdayProblems(out);
    if (teamCount_ != size_) {
        out.push_back("has " + std::to_string(teamCount_) + " teams but its size is " +
                      std::to_string(size_));
    }
    if (IsCountryLeague() && Level() < reserveLevel && HoldsReserveTeams()) {
        out.push_back("holds reserve teams on level " + std::to_string(Level()) + ", above level " +
                      std::to_string(reserveLevel) + ", the first that admits them");
    }
    for (uint32_t team : MissingClubs()) {
        out.push_back("team " + HexText(team) + " is no club of the world");
    }
    std::vector<std::string> base = CDBCompetition::DescribeProblems(reserveLevel);
    out.insert(out.end(), base.begin(), base.end());
    return out;
}

// Files ------------------------------------------------------------------------------------------

bool CDBLeagueBase::Save(CKLFile& file, uint32_t countryOverride) const {
    bool ok = SaveNames(file);
    ok = file.WriteInt(size_) && ok;
    ok = file.WriteInt(Level()) && ok;
    ok = file.WriteString(RelegationRuleKeywords().KeywordOf(relegationRule_)) && ok;
    ok = file.WriteByte(spare_) && ok;
    ok = file.WriteInt(rounds_) && ok;
    ok = file.WriteString(kDayTypeKeyword) && ok;
    ok = file.WriteByte(attendance_) && ok;
    ok = file.WriteByte(transfer_) && ok;

    ok = file.WriteComment("") && ok;
    std::string teams;
    for (int i = 0; i < teamCount_; ++i) {
        uint32_t team = teams_[static_cast<size_t>(i)];
        if (World() != nullptr) {
            team = World()->TranslateClubReference(team);
        }
        if (i > 0) {
            teams += ',';
        }
        teams += HexText(team);
    }
    ok = file.WriteSectionBegin(kTeamsSection) && ok;
    ok = file.WriteString(teams) && ok;
    ok = file.WriteSectionEnd(kTeamsSection) && ok;

    ok = file.WriteComment("") && ok;
    ok = SaveDayList(file) && ok;

    ok = file.WriteComment("") && ok;
    ok = file.WriteSectionBegin(kFixtureSection) && ok;
    for (int row = 0; row < fixtures_.Rows(); ++row) {
        ok = file.WriteString(fixtures_.RowText(row)) && ok;
    }
    ok = file.WriteSectionEnd(kFixtureSection) && ok;

    ok = SaveValues(file) && ok;
    ok = SaveBaseValues(file, countryOverride) && ok;
    return ok;
}

bool CDBLeagueBase::Load(CKLFile& file) {
    bool ok = LoadNames(file, kNameReadLimit);
    int32_t size = 0;
    ok = file.ReadInt(size) && ok;
    if (size < 0 || size > kMaxTeams) {
        AddLoadNote("has size " + std::to_string(size) + ", outside 0-100; it is cut to " +
                    std::to_string(std::clamp(size, 0, kMaxTeams)));
    }
    size_ = std::clamp(size, 0, kMaxTeams);
    int32_t level = -1;
    ok = file.ReadInt(level) && ok;
    SetLevel(level);
    std::string text;
    ok = file.ReadCString(text) && ok;
    relegationRule_ = static_cast<uint8_t>(RelegationRuleKeywords().Lookup(text, 0));
    ok = file.ReadByte(spare_) && ok;
    int32_t rounds = kDefaultRounds;
    ok = file.ReadInt(rounds) && ok;
    if (rounds < kMinRounds || rounds > kMaxRounds) {
        AddLoadNote("plays " + std::to_string(rounds) + " rounds; it plays 2");
        rounds = kDefaultRounds;
    }
    rounds_ = rounds;
    if (RequiredMatchdays() > kMaxMatchdaysBeforeRoundCut && rounds_ != kDefaultRounds) {
        AddLoadNote("would need more than 46 matchdays with " + std::to_string(rounds_) +
                    " rounds; it plays 2");
        rounds_ = kDefaultRounds;
    }
    text.clear();
    ok = file.ReadCString(text) && ok;
    SetCalendarDayType(static_cast<int8_t>(RoundKindKeywords().Lookup(text, -1)));
    ok = file.ReadByte(attendance_) && ok;
    if (FileVersion::AtLeastCurrentMajor()) {
        ok = file.ReadByte(transfer_) && ok;
    }
    ResetFixtures();
    ok = LoadTeams(file) && ok;
    ok = LoadDayList(file, RequiredMatchdays()) && ok;
    ok = LoadFixtures(file) && ok;
    ok = LoadValues(file, true) && ok;
    ok = LoadBaseValues(file) && ok;
    NoteTruncated(ok);
    return ok;
}

bool CDBLeagueBase::LoadTeams(CKLFile& file) {
    ClearTeams();
    if (!file.FindSection(kTeamsSection)) {
        AddLoadNote("has no TEAMS section; its team list stays empty");
        return false;
    }
    std::string line;
    bool ok = file.ReadCString(line);
    std::string_view rest(line);
    int dropped = 0;
    while (ok && !rest.empty()) {
        size_t comma = rest.find(',');
        uint32_t team = HexOf(rest.substr(0, comma));
        bool present = false;
        if (AdmitsTeam(team, present)) {
            AddTeam(team);
        } else if (!present && (team & kClubNumberMask) != 0) {
            ++dropped;
        }
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (dropped > 0) {
        AddLoadNote("lists " + std::to_string(dropped) +
                    " teams more than its size; they are left out");
    }
    file.SkipSection(kTeamsSection);
    return ok;
}

bool CDBLeagueBase::LoadFixtures(CKLFile& file) {
    if (!file.FindSection(kFixtureSection)) {
        AddLoadNote("has no FIXTURE section; its fixture list stays empty");
        return false;
    }
    bool ok = true;
    bool badNumbers = false;
    const int columns = fixtures_.Columns();
    for (int row = 0; row < fixtures_.Rows(); ++row) {
        std::string line;
        if (!file.ReadCString(line)) {
            ok = false;
            break;
        }
        std::vector<int64_t> numbers = NumbersOfLine(line, static_cast<size_t>(columns) * 2);
        for (int column = 0; column < columns; ++column) {
            size_t at = static_cast<size_t>(column) * 2;
            int64_t home = at < numbers.size() ? numbers[at] : 0;
            int64_t away = at + 1 < numbers.size() ? numbers[at + 1] : 0;
            if (home < 0 || home > size_ || away < 0 || away > size_) {
                badNumbers = true;
                home = home < 0 || home > size_ ? 0 : home;
                away = away < 0 || away > size_ ? 0 : away;
            }
            fixtures_.SetPairing(row, column, static_cast<uint8_t>(home),
                                 static_cast<uint8_t>(away));
        }
    }
    if (badNumbers) {
        AddLoadNote("its fixture list names team numbers outside 1-" + std::to_string(size_) +
                    "; those sides are left empty");
    }
    file.SkipSection(kFixtureSection);
    return ok;
}

} // namespace tallo
