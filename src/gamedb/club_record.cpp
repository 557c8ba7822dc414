#include "gamedb/club_record.h"

#include <algorithm>
#include <array>
#include <string>

#include "competitions/competition_id.h"
#include "competitions/db_competition.h"
#include "gamedb/country_record.h"
#include "gamedb/master_buffer.h"
#include "gamedb/master_build_context.h"
#include "gamedb/player_record.h"
#include "gamedb/record_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/stadium_list.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr uint32_t kLeagueKind = 1;
constexpr uint8_t kMaxPenaltyPoints = 0x0F;
constexpr uint8_t kNoLeagueSlot = 6;
constexpr size_t kShortNameCut = 11;    // a name standing in for the short name
constexpr size_t kOpponentCut = 21;     // opponent of a record result
constexpr size_t kTitleTextLimit = 511; // characters of a title text looked at
constexpr long kFirstTitleYear = 1800;  // a smaller number ends a title list
constexpr uint16_t kKitColourFlag = 0x8000;

// League codes of the game, by country and league level from 0.
struct LeagueCodes {
    uint32_t country;
    size_t levels;
    std::array<uint16_t, 4> codes;
};

constexpr std::array<LeagueCodes, 17> kLeagueCodes = {{
    {4, 1, {80}},
    {7, 1, {4}},
    {13, 1, {1}},
    {14, 4, {13, 14, 60, 61}},
    {18, 2, {16, 17}},
    {21, 2, {19, 20}},
    {27, 2, {31, 16}},
    {34, 1, {10}},
    {36, 1, {41}},
    {38, 1, {308}},
    {42, 1, {50}},
    {45, 2, {53, 54}},
    {46, 1, {56}},
    {47, 1, {189}},
    {54, 1, {7}},
    {95, 1, {39}},
    {167, 1, {83}},
}};

std::string Cut(std::string_view text, size_t length) {
    return std::string(text.substr(0, std::min(length, text.size())));
}

// Whether the league of `number` in the club's country lists the club as a team.
bool LeagueListsClub(const CWorld& world, uint32_t country, uint32_t number, uint32_t clubId) {
    const CDBCompetition* league =
        world.FindCompetition(CompetitionId::Make(country, kLeagueKind, number));
    return league != nullptr && league->TeamIndex(clubId) >= 0;
}

const CCountry* CountryOfClub(const CWorld& world, const CClub& club) {
    uint8_t country = RecordCountryByte(club.CountryNumber());
    return country != 0 ? world.GetCountry(country) : nullptr;
}

// A fallback stadium standing in for a club's own, in the club's city.
Stadium FallbackFor(const CClub& club, bool large) {
    Stadium stadium = large ? MakeLargeFallbackStadium() : MakeSmallFallbackStadium();
    stadium.SetCity(club.City(0));
    return stadium;
}

// The main stadium as written: the club's own when it has one with places, else a fallback.
Stadium MainStadiumOf(const CWorld& world, const CClub& club) {
    if (club.MainStadium() == 0) {
        return FallbackFor(club, club.IsNationalTeam());
    }
    const CCountry* country = CountryOfClub(world, club);
    const Stadium* own = country != nullptr ? country->stadiums.Find(club.MainStadium()) : nullptr;
    if (own != nullptr && own->TotalCapacity() > 0) {
        return *own;
    }
    return FallbackFor(club, false);
}

void WriteNames(MasterBuffer& buffer, const MasterBuildContext& context, const CClub& club) {
    auto writePair = [&](int slot) {
        buffer.String(club.Name(slot));
        std::string_view shortName = club.ShortName(slot);
        buffer.String(Cut(shortName.size() < 2 ? club.Name(slot) : shortName, kShortNameCut));
    };
    if (context.Console()) {
        writePair(context.language);
        writePair(context.language);
        return;
    }
    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        writePair(slot);
    }
}

void WriteArticles(MasterBuffer& buffer, const CClub& club) {
    std::array<uint8_t, CClub::kArticleTextCount * CClub::kLanguageSlots> articles{};
    size_t at = 0;
    for (int text = 0; text < CClub::kArticleTextCount; ++text) {
        for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
            articles[at++] = club.Article(static_cast<CClub::ArticleText>(text), slot);
        }
    }
    buffer.Block(articles.data(), articles.size());
    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        buffer.U8(club.AbbreviationArticle(slot));
    }
}

void WriteAbbreviationsAndCities(MasterBuffer& buffer, const MasterBuildContext& context,
                                 const CClub& club) {
    if (context.Console()) {
        buffer.String(club.Abbreviation(context.language));
        buffer.String(club.City(context.language));
        return;
    }
    for (int slot = 0; slot < CClub::kLanguageSlots; ++slot) {
        buffer.String(club.Abbreviation(slot));
        buffer.String(club.City(slot));
    }
}

void WriteTexts(MasterBuffer& buffer, const CClub& club) {
    buffer.String(club.FanName());
    buffer.String(club.SecondFanName());
    buffer.String(club.Mascot());
    buffer.String(club.Address());
    buffer.String(club.Telephone());
    buffer.String(club.WebSite());
    buffer.String(club.FanSites());
    buffer.String(club.Newspaper());
}

// Friendly club and rivals keep only a club number of the club's own country.
uint32_t SameCountryReference(const MasterBuildContext& context, const CClub& club,
                              uint32_t value) {
    return context.GameClubReference(ClubId::Make(club.CountryNumber(), value & 0xFFFFu));
}

std::string BadgeText(const MasterBuildContext& context, const CClub& club) {
    if (!club.BadgeFile().empty() && context.services.badgeUsable &&
        !context.services.badgeUsable(club)) {
        return std::string();
    }
    return club.GetBadgePattern();
}

void WriteFacilities(MasterBuffer& buffer, const CClub& club) {
    // The order of the club section, which differs from the order of the editor.
    for (CClub::Facility facility :
         {CClub::kClubCentre, CClub::kMedicalDepartment, CClub::kMerchandising,
          CClub::kYouthDepartment, CClub::kTrainingGrounds, CClub::kPublicRelations,
          CClub::kResearchDepartment}) {
        buffer.U8(club.FacilityLevel(facility));
    }
}

void WriteHistory(MasterBuffer& buffer, const MasterBuildContext& context, const CClub& club) {
    for (int statistic = 0; statistic < CClub::kStatisticCount; ++statistic) {
        buffer.U32(
            static_cast<uint32_t>(club.LeagueStatistic(static_cast<CClub::Statistic>(statistic))));
    }
    // Championships, cup wins, super cup wins, league cup wins, European cup wins, Champions
    // League wins, club world championships, world championships: the order of Title.
    for (int title = 0; title < CClub::kTitleCount; ++title) {
        WriteYearList(buffer, club.Titles(static_cast<CClub::Title>(title)));
    }
    for (int kind = 0; kind < ResultRecord::kKindCount; ++kind) {
        bool win = kind == ResultRecord::kHomeWin || kind == ResultRecord::kAwayWin;
        WriteResultRecord(buffer, club.Record(static_cast<ResultRecord::Kind>(kind)), win,
                          context.Console());
    }
}

void WritePlayers(MasterBuffer& buffer, const MasterBuildContext& context, const CClub& club) {
    buffer.U32(club.PlayerCount());
    for (uint32_t index = 0; index < club.PlayerCount(); ++index) {
        uint32_t id = club.PlayerId(index);
        buffer.U32(id);
        const CPlayer* player = static_cast<const CWorld&>(context.world).FindPlayer(id);
        if (player != nullptr) {
            WritePlayerRecord(buffer, context, *player);
        }
    }
}

void WriteStadiums(MasterBuffer& buffer, const MasterBuildContext& context, const CClub& club,
                   std::string_view name0) {
    Stadium main = MainStadiumOf(context.world, club);
    WriteStadiumRecord(buffer, context, main);
    if (context.Option(MasterOption::kStadiumList)) {
        std::string name(name0);
        int model = club.MainStadium() == 0 ? 0 : GameStadiumModel(context, main);
        context.text.Emit(ConsoleTextFile::Stadiums,
                          RecordPrintf("  %-30s %d\n", name.c_str(), model));
    }

    // An alternative stadium that names no stadium of the country is left out rather than
    // written as some other stadium's record.
    const Stadium* alternative = nullptr;
    if (club.AlternativeStadium() != 0) {
        const CCountry* country = CountryOfClub(context.world, club);
        alternative =
            country != nullptr ? country->stadiums.Find(club.AlternativeStadium()) : nullptr;
    }
    if (alternative == nullptr) {
        buffer.U32(0);
    } else {
        buffer.U32(1);
        WriteStadiumRecord(buffer, context, *alternative);
    }
}

void WriteKits(MasterBuffer& buffer, const MasterBuildContext& context, const CClub& club,
               std::string_view name0) {
    const ClubKit& kit = club.Kit();
    buffer.U16(kit.colourEntry != 0 ? static_cast<uint16_t>(kit.colourEntry | kKitColourFlag) : 0);
    buffer.Block(&kit.styles[0][0], sizeof(kit.styles));
    buffer.Block(&kit.colours[0][0], sizeof(kit.colours));

    if (context.Option(MasterOption::kKitList)) {
        std::string lines;
        std::string name(name0);
        for (int which = 0; which < ClubKit::kKitCount; ++which) {
            lines += RecordPrintf("  %-30s,", which == 0 ? name.c_str() : "");
            for (int style = 0; style < ClubKit::kStyleCount; ++style) {
                lines += RecordPrintf(" %02d,", kit.styles[which][style]);
            }
            for (int colour = 0; colour < ClubKit::kColourBytes; ++colour) {
                lines += RecordPrintf(" %02d,", kit.colours[which][colour]);
            }
            lines += "\n";
        }
        context.text.Emit(ConsoleTextFile::Kits, lines);
    }
}

} // namespace

int32_t GameCoordinate(int32_t packed) {
    int64_t magnitude = packed < 0 ? -static_cast<int64_t>(packed) : packed;
    int64_t minutes = (magnitude >> 16) * 60 + (magnitude & 0xFFFF);
    return static_cast<int32_t>(packed < 0 ? -minutes : minutes);
}

void WriteYearList(MasterBuffer& buffer, std::string_view titles) {
    std::string_view text = titles.substr(0, std::min(titles.size(), kTitleTextLimit));
    if (!text.empty() && text.front() == '"') {
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() >= '0' && text.front() <= '9') {
        while (true) {
            size_t comma = text.find(',');
            std::string_view piece = text.substr(0, comma);
            // A decimal number as the C library reads one: blanks, a sign, digits; no digits
            // give 0. Values beyond 32 bits stay above every year.
            size_t at = 0;
            while (at < piece.size() && (piece[at] == ' ' || piece[at] == '\t')) {
                ++at;
            }
            bool negative = at < piece.size() && piece[at] == '-';
            if (at < piece.size() && (piece[at] == '-' || piece[at] == '+')) {
                ++at;
            }
            long long year = 0;
            while (at < piece.size() && piece[at] >= '0' && piece[at] <= '9') {
                year = std::min<long long>(year * 10 + (piece[at] - '0'), 0xFFFFFFFFll);
                ++at;
            }
            if (negative) {
                year = -year;
            }
            if (year < kFirstTitleYear) {
                break;
            }
            if (year <= 0xFFFF) {
                buffer.U16(static_cast<uint16_t>(year));
            }
            if (comma == std::string_view::npos) {
                break;
            }
            text.remove_prefix(comma + 1);
        }
    }
    buffer.U16(0);
}

void WriteResultRecord(MasterBuffer& buffer, const ResultRecord& record, bool win, bool console) {
    if (console) {
        buffer.U8(0);
        buffer.U8(0);
        buffer.U32(0);
        buffer.String("");
        buffer.U16(0);
        return;
    }
    auto [first, second] = record.OrderedGoals(win);
    buffer.U8(static_cast<uint8_t>(first));
    buffer.U8(static_cast<uint8_t>(second));
    buffer.U32(static_cast<uint32_t>(record.attendance));
    buffer.String(Cut(record.opponent, kOpponentCut));
    buffer.U16(record.season);
}

uint16_t ClubLeagueCode(const CWorld& world, const CClub& club) {
    uint32_t country = club.CountryNumber();
    const LeagueCodes* codes = nullptr;
    for (const LeagueCodes& entry : kLeagueCodes) {
        if (entry.country == country) {
            codes = &entry;
            break;
        }
    }
    if (codes == nullptr) {
        return 0;
    }
    // The country's leagues in ascending number order.
    const auto& competitions = world.Competitions();
    auto it = competitions.lower_bound(CompetitionId::Make(country, kLeagueKind, 0));
    auto end = competitions.upper_bound(CompetitionId::Make(country, kLeagueKind, 0xFFFF));
    for (; it != end; ++it) {
        const CDBCompetition* league = it->second;
        if (league == nullptr || league->TeamIndex(club.Id()) < 0) {
            continue;
        }
        int32_t level = league->Level();
        if (level < 0 || static_cast<size_t>(level) >= codes->levels) {
            return 0;
        }
        return codes->codes[static_cast<size_t>(level)];
    }
    return 0;
}

uint8_t ClubLeagueSlot(const CWorld& world, const CClub& club) {
    uint8_t slot = static_cast<uint8_t>(std::min(club.PenaltyPoints(), kMaxPenaltyPoints) |
                                        (kNoLeagueSlot << 4));
    const CCountry* country = CountryOfClub(world, club);
    if (country == nullptr) {
        return slot;
    }
    for (int level = 0; level < CountrySettings::kLeagueLevels; ++level) {
        for (uint32_t number = country->firstLeagueIndex[level];
             number < country->endLeagueIndex[level]; ++number) {
            if (LeagueListsClub(world, country->Number(), number, club.Id())) {
                slot = static_cast<uint8_t>((slot & 0x0F) | (level << 4));
                break;
            }
        }
    }
    return slot;
}

void WriteClubRecord(MasterBuffer& buffer, const MasterBuildContext& context, CClub& club) {
    MasterBuffer::LengthMark body = buffer.BeginLength();
    std::string name0(club.Name(0));
    if (context.Option(MasterOption::kConsoleLog)) {
        std::string name(club.Name(context.language));
        context.text.Emit(ConsoleTextFile::Log, RecordPrintf("  %s\n", name.c_str()));
    }

    WriteNames(buffer, context, club);
    WriteArticles(buffer, club);
    WriteAbbreviationsAndCities(buffer, context, club);
    WriteTexts(buffer, club);
    buffer.U32(SameCountryReference(context, club, club.FriendlyClub()));
    buffer.U32(SameCountryReference(context, club, club.Rival(0)));
    buffer.U32(SameCountryReference(context, club, club.Rival(1)));
    buffer.U16(static_cast<uint16_t>(club.FoundationYear()));
    buffer.U32(static_cast<uint32_t>(GameCoordinate(club.Latitude())));
    buffer.U32(static_cast<uint32_t>(GameCoordinate(club.Longitude())));

    std::string badge = BadgeText(context, club);
    buffer.String(badge);
    if (context.Option(MasterOption::kConsoleLog)) {
        context.text.Emit(ConsoleTextFile::Log, RecordPrintf("  %s\n", badge.c_str()));
    }
    if (context.Option(MasterOption::kBadgeList)) {
        context.text.Emit(ConsoleTextFile::Badges,
                          RecordPrintf("  %-30s %s\n", name0.c_str(), badge.c_str()));
    }

    buffer.U16(club.ColourEntry());
    uint16_t leagueCode = ClubLeagueCode(context.world, club);
    club.SetClubValueA(leagueCode);
    buffer.U16(leagueCode);
    for (int index = 0; index < 3; ++index) {
        buffer.U8(club.ClubValueB(index));
    }
    if (!context.Console()) {
        buffer.U8(ClubLeagueSlot(context.world, club));
    }
    buffer.U32(static_cast<uint32_t>(club.StartingCapital()));
    buffer.U8(club.StockCompany());
    WriteFacilities(buffer, club);
    buffer.U8(club.SeasonFlags());
    WriteHistory(buffer, context, club);
    WritePlayers(buffer, context, club);
    for (int which = 0; which < CClub::kAttendanceCount; ++which) {
        buffer.U32(
            static_cast<uint32_t>(club.AttendanceValue(static_cast<CClub::Attendance>(which))));
    }
    buffer.U8(club.Prestige());
    buffer.U8(club.TransferCountry(0));
    buffer.U8(club.TransferCountry(1));
    buffer.U8(club.YouthCountry());
    buffer.String(club.CityPhoto());
    WriteStadiums(buffer, context, club, name0);
    WriteKits(buffer, context, club, name0);
    buffer.EndLength(body);
}

} // namespace tallo
