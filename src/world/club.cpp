#include "world/club.h"

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "world/bounded_array.h"
#include "world/club_io_context.h"
#include "world/club_text.h"
#include "world/fixed_text.h"
#include "world/player.h"

namespace tallo {

namespace {

// Numbers the names of new clubs ("Club 1", "Club 2", ...) across the whole process.
std::atomic<uint32_t> g_nextDefaultClub{1};

bool ValidSlot(int slot) {
    return slot >= 0 && slot < CClub::kLanguageSlots;
}

// Sets a fixed field from a text that fills one line, cut to `maxLength` characters.
template <size_t N>
bool SetLine(char (&field)[N], std::string_view text, size_t maxLength, bool quoted) {
    if (!club_text::IsSafeLine(text, quoted)) {
        return false;
    }
    SetFixedText(field, text.substr(0, std::min(maxLength, N - 1)));
    return true;
}

constexpr uint32_t kDegreeShift = 16;
constexpr int kMaxMinutes = 59;

int32_t PackCoordinate(int64_t degrees, int64_t minutes, bool negative, int maxDegrees) {
    degrees = std::clamp<int64_t>(degrees, 0, maxDegrees);
    minutes = std::clamp<int64_t>(minutes, 0, kMaxMinutes);
    if (degrees == maxDegrees) {
        minutes = 0;
    }
    if (negative && maxDegrees == 180 && degrees == 180) {
        degrees = 179;
        minutes = 0;
    }
    int32_t packed = static_cast<int32_t>((degrees << kDegreeShift) | minutes);
    return negative ? -packed : packed;
}

int32_t ClampCoordinate(int32_t value, int maxDegrees) {
    bool negative = value < 0;
    int64_t magnitude = negative ? -static_cast<int64_t>(value) : value;
    return PackCoordinate(magnitude >> kDegreeShift, magnitude & 0xFFFF, negative, maxDegrees);
}

} // namespace

CClub::CClub() = default;

void CClub::SetDefaults(uint32_t countryNumber) {
    uint32_t number = g_nextDefaultClub.fetch_add(1);
    char name[kNameSize];
    std::snprintf(name, sizeof(name), "Club %u", static_cast<unsigned>(number));
    SetAllNames(name);
    youthCountry_ = static_cast<uint8_t>(countryNumber);
    id_ = MakeId(countryNumber, number);
}

// Texts ---------------------------------------------------------------------------------------

std::string_view CClub::Name(int slot) const {
    return ValidSlot(slot) ? FixedText(names_[slot]) : std::string_view();
}

bool CClub::SetName(int slot, std::string_view text) {
    return ValidSlot(slot) && SetLine(names_[slot], text, kNameSize - 1, true);
}

std::string_view CClub::ShortName(int slot) const {
    return ValidSlot(slot) ? FixedText(shortNames_[slot]) : std::string_view();
}

bool CClub::SetShortName(int slot, std::string_view text) {
    return ValidSlot(slot) && SetLine(shortNames_[slot], text, kShortNameMax, true);
}

std::string_view CClub::Abbreviation(int slot) const {
    return ValidSlot(slot) ? FixedText(abbreviations_[slot]) : std::string_view();
}

bool CClub::SetAbbreviation(int slot, std::string_view text) {
    return ValidSlot(slot) && SetLine(abbreviations_[slot], text, kAbbreviationSize - 1, true);
}

std::string_view CClub::City(int slot) const {
    return ValidSlot(slot) ? FixedText(cities_[slot]) : std::string_view();
}

bool CClub::SetCity(int slot, std::string_view text) {
    return ValidSlot(slot) && SetLine(cities_[slot], text, kCitySize - 1, true);
}

bool CClub::SetAllNames(std::string_view text) {
    if (!club_text::IsSafeLine(text, true)) {
        return false;
    }
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        SetName(slot, text);
    }
    return true;
}

uint8_t CClub::Article(ArticleText text, int slot) const {
    if (text < 0 || text >= kArticleTextCount || !ValidSlot(slot)) {
        return 0;
    }
    return articles_[text][slot];
}

bool CClub::SetArticle(ArticleText text, int slot, uint8_t article) {
    if (text < 0 || text >= kArticleTextCount || !ValidSlot(slot)) {
        return false;
    }
    articles_[text][slot] = article;
    return true;
}

uint8_t CClub::AbbreviationArticle(int slot) const {
    return ValidSlot(slot) ? abbreviationArticles_[slot] : 0;
}

bool CClub::SetAbbreviationArticle(int slot, uint8_t article) {
    if (!ValidSlot(slot)) {
        return false;
    }
    abbreviationArticles_[slot] = article;
    return true;
}

std::string_view CClub::FanName() const {
    return FixedText(fanName_);
}
bool CClub::SetFanName(std::string_view text) {
    return SetLine(fanName_, text, kFanNameSize - 1, false);
}
std::string_view CClub::SecondFanName() const {
    return FixedText(secondFanName_);
}
bool CClub::SetSecondFanName(std::string_view text) {
    return SetLine(secondFanName_, text, kFanNameSize - 1, false);
}
std::string_view CClub::Mascot() const {
    return FixedText(mascot_);
}
bool CClub::SetMascot(std::string_view text) {
    return SetLine(mascot_, text, kMascotSize - 1, false);
}
std::string_view CClub::Address() const {
    return FixedText(address_);
}
bool CClub::SetAddress(std::string_view text) {
    return SetLine(address_, text, kAddressSize - 1, false);
}
std::string_view CClub::Telephone() const {
    return FixedText(telephone_);
}
bool CClub::SetTelephone(std::string_view text) {
    return SetLine(telephone_, text, kTelephoneSize - 1, false);
}
std::string_view CClub::WebSite() const {
    return FixedText(webSite_);
}
bool CClub::SetWebSite(std::string_view text) {
    return SetLine(webSite_, text, kWebSize - 1, false);
}
std::string_view CClub::FanSites() const {
    return FixedText(fanSites_);
}
bool CClub::SetFanSites(std::string_view text) {
    std::string normalised;
    if (!club_text::NormaliseMultiLine(text, kFanSitesSize - 1, normalised)) {
        return false;
    }
    SetFixedText(fanSites_, normalised);
    return true;
}
std::string_view CClub::Newspaper() const {
    return FixedText(newspaper_);
}
bool CClub::SetNewspaper(std::string_view text) {
    return SetLine(newspaper_, text, kNewspaperSize - 1, false);
}
std::string_view CClub::BadgeFile() const {
    return FixedText(badgeFile_);
}
bool CClub::SetBadgeFile(std::string_view text) {
    return SetLine(badgeFile_, text, kBadgeFileSize - 1, false);
}
bool CClub::SetCityPhoto(std::string_view text) {
    if (!club_text::IsSafeLine(text, false)) {
        return false;
    }
    cityPhoto_.assign(text);
    return true;
}

std::string CClub::GetBadgePattern() const {
    std::string pattern(BadgeFile());
    if (pattern.empty()) {
        return pattern;
    }
    for (char& c : pattern) {
        c = c == '\\' ? '/' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    size_t found = pattern.find("BADGE180");
    if (found != std::string::npos) {
        pattern.replace(found, 8, "Badge%d");
    }
    return pattern;
}

// Numbers -------------------------------------------------------------------------------------

uint8_t CClub::ClubValueB(int index) const {
    return index >= 0 && index < 3 ? clubValuesB_[index] : 0;
}

bool CClub::SetClubValueB(int index, uint8_t value) {
    if (index < 0 || index >= 3) {
        return false;
    }
    clubValuesB_[index] = value;
    return true;
}

uint32_t CClub::Rival(int index) const {
    return index >= 0 && index < 2 ? rivals_[index] : 0;
}

bool CClub::SetRival(int index, uint32_t reference) {
    if (index < 0 || index >= 2) {
        return false;
    }
    rivals_[index] = reference;
    return true;
}

uint8_t CClub::SeasonFlagBit(SeasonFlag kind, bool secondTeam) {
    int bit = static_cast<int>(kind) * 2 + (secondTeam ? 1 : 0);
    return static_cast<uint8_t>(1u << bit);
}

bool CClub::HasSeasonFlag(SeasonFlag kind, bool secondTeam) const {
    return (seasonFlags_ & SeasonFlagBit(kind, secondTeam)) != 0;
}

void CClub::SetSeasonFlag(SeasonFlag kind, bool secondTeam, bool on) {
    uint8_t bit = SeasonFlagBit(kind, secondTeam);
    if (!on) {
        seasonFlags_ = static_cast<uint8_t>(seasonFlags_ & ~bit);
        return;
    }
    uint8_t clear = 0;
    switch (kind) {
    case kPromoted:
        clear = SeasonFlagBit(kRelegated, secondTeam);
        break;
    case kRelegated:
        clear = SeasonFlagBit(kPromoted, secondTeam);
        break;
    case kCupWinner:
        clear = SeasonFlagBit(kCupFinalist, secondTeam) | SeasonFlagBit(kCupWinner, !secondTeam);
        break;
    case kCupFinalist:
        clear = SeasonFlagBit(kCupWinner, secondTeam) | SeasonFlagBit(kCupFinalist, !secondTeam);
        break;
    }
    seasonFlags_ = static_cast<uint8_t>((seasonFlags_ & ~clear) | bit);
}

int32_t CClub::AttendanceValue(Attendance which) const {
    return ValueAt(attendance_, which);
}

void CClub::SetAttendanceValue(Attendance which, int32_t value) {
    SetAt(attendance_, which, value);
}

int32_t CClub::LeagueStatistic(Statistic which) const {
    return ValueAt(statistics_, which);
}

void CClub::SetLeagueStatistic(Statistic which, int32_t value) {
    SetAt(statistics_, which, value);
}

const std::string& CClub::Titles(Title which) const {
    static const std::string kEmpty;
    return which >= 0 && which < kTitleCount ? titles_[which] : kEmpty;
}

bool CClub::SetTitles(Title which, std::string_view years) {
    if (which < 0 || which >= kTitleCount || !club_text::IsSafeLine(years, false)) {
        return false;
    }
    titles_[which].assign(years);
    return true;
}

const ResultRecord& CClub::Record(ResultRecord::Kind which) const {
    static const ResultRecord kEmpty;
    return which >= 0 && which < ResultRecord::kKindCount ? records_[which] : kEmpty;
}

bool CClub::SetRecord(ResultRecord::Kind which, const ResultRecord& record) {
    if (which < 0 || which >= ResultRecord::kKindCount ||
        !club_text::IsSafeLine(record.opponent, false)) {
        return false;
    }
    records_[which] = record;
    return true;
}

uint8_t CClub::FacilityLevel(Facility which) const {
    return ValueAt(facilities_, which);
}

bool CClub::SetFacilityLevel(Facility which, uint8_t level) {
    if (which < 0 || which >= kFacilityCount || level > kMaxFacilityLevel) {
        return false;
    }
    facilities_[which] = level;
    return true;
}

int32_t CClub::PackLatitude(int degrees, int minutes, bool secondHemisphere) {
    return PackCoordinate(degrees, minutes, secondHemisphere, 90);
}

int32_t CClub::PackLongitude(int degrees, int minutes, bool secondHemisphere) {
    return PackCoordinate(degrees, minutes, secondHemisphere, 180);
}

int32_t CClub::ClampLatitude(int32_t value) {
    return ClampCoordinate(value, 90);
}

int32_t CClub::ClampLongitude(int32_t value) {
    return ClampCoordinate(value, 180);
}

uint8_t CClub::TransferCountry(int index) const {
    return index >= 0 && index < 2 ? transferCountries_[index] : 0;
}

bool CClub::SetTransferCountry(int index, uint8_t country) {
    if (index < 0 || index >= 2) {
        return false;
    }
    transferCountries_[index] = country;
    return true;
}

// Players -------------------------------------------------------------------------------------

uint32_t CClub::PlayerId(uint32_t index) const {
    return index < playerCount_ ? playerIds_[index] : 0;
}

bool CClub::HasPlayer(uint32_t id) const {
    auto end = playerIds_.begin() + playerCount_;
    return id != 0 && std::find(playerIds_.begin(), end, id) != end;
}

bool CClub::AddPlayer(uint32_t id) {
    if (id == 0 || playerCount_ >= kMaxPlayers || HasPlayer(id)) {
        return false;
    }
    playerIds_[playerCount_++] = id;
    return true;
}

bool CClub::RemovePlayer(uint32_t id) {
    auto end = playerIds_.begin() + playerCount_;
    auto found = std::find(playerIds_.begin(), end, id);
    if (id == 0 || found == end) {
        return false;
    }
    std::copy(found + 1, end, found);
    playerIds_[--playerCount_] = 0;
    return true;
}

void CClub::ClearPlayers() {
    playerIds_.fill(0);
    playerCount_ = 0;
}

int32_t CClub::RecomputeDetailTotal(ClubIoContext& context) {
    detailTotal_ = 0;
    for (uint32_t i = 0; i < playerCount_; ++i) {
        if (const CPlayer* player = context.FindPlayer(playerIds_[i])) {
            detailTotal_ += player->GetDetailValue();
        }
    }
    return detailTotal_;
}

bool CClub::operator==(const CClub& other) const {
    auto sameRecord = [](const ResultRecord& a, const ResultRecord& b) {
        return a.goalsA == b.goalsA && a.goalsB == b.goalsB && a.attendance == b.attendance &&
               a.opponent == b.opponent && a.season == b.season;
    };
    for (int i = 0; i < ResultRecord::kKindCount; ++i) {
        if (!sameRecord(records_[i], other.records_[i])) {
            return false;
        }
    }
    auto same = [](const auto& a, const auto& b) {
        return std::equal(std::begin(a), std::end(a), std::begin(b));
    };
    auto sameText = [](const auto& a, const auto& b) {
        for (size_t i = 0; i < std::size(a); ++i) {
            if (FixedText(a[i]) != FixedText(b[i])) {
                return false;
            }
        }
        return true;
    };
    return world_ == other.world_ && colourEntry_ == other.colourEntry_ &&
           clubValueA_ == other.clubValueA_ && id_ == other.id_ && sameText(names_, other.names_) &&
           sameText(shortNames_, other.shortNames_) &&
           std::equal(&articles_[0][0], &articles_[0][0] + sizeof(articles_),
                      &other.articles_[0][0]) &&
           same(abbreviationArticles_, other.abbreviationArticles_) &&
           sameText(abbreviations_, other.abbreviations_) && sameText(cities_, other.cities_) &&
           FanName() == other.FanName() && SecondFanName() == other.SecondFanName() &&
           Mascot() == other.Mascot() && friendlyClub_ == other.friendlyClub_ &&
           same(rivals_, other.rivals_) && foundationYear_ == other.foundationYear_ &&
           seasonFlags_ == other.seasonFlags_ && startingCapital_ == other.startingCapital_ &&
           stockCompany_ == other.stockCompany_ && penaltyPoints_ == other.penaltyPoints_ &&
           Address() == other.Address() && Telephone() == other.Telephone() &&
           WebSite() == other.WebSite() && FanSites() == other.FanSites() &&
           Newspaper() == other.Newspaper() && same(attendance_, other.attendance_) &&
           same(statistics_, other.statistics_) && titles_ == other.titles_ &&
           BadgeFile() == other.BadgeFile() && same(clubValuesB_, other.clubValuesB_) &&
           mainStadium_ == other.mainStadium_ && alternativeStadium_ == other.alternativeStadium_ &&
           same(facilities_, other.facilities_) && playerCount_ == other.playerCount_ &&
           playerIds_ == other.playerIds_ && latitude_ == other.latitude_ &&
           longitude_ == other.longitude_ && kit_ == other.kit_ && prestige_ == other.prestige_ &&
           cityPhoto_ == other.cityPhoto_ && same(transferCountries_, other.transferCountries_) &&
           youthCountry_ == other.youthCountry_;
}

} // namespace tallo
