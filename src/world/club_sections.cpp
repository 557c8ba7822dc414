// The club section of country files and club files: writer and reader side by side.
#include "world/club.h"

#include <algorithm>
#include <string>

#include "formats/kl_file.h"
#include "world/club_io_context.h"
#include "world/club_text.h"
#include "world/file_version.h"
#include "world/fixed_text.h"
#include "world/player.h"

namespace tallo {

namespace {

constexpr std::string_view kHistSection = "HIST";
constexpr uint32_t kMajor2004 = 0x2004;

// Reads one line and takes `count` quoted items from it into fields `stride` bytes apart, each
// cut to `maxLength` characters. When the line cannot be read the fields stay as they are.
void ReadQuotedFields(CKLFile& file, char* first, int count, size_t stride, size_t maxLength) {
    std::string line;
    if (!file.ReadCString(line)) {
        return;
    }
    const char* position = line.c_str();
    std::string item(maxLength + 1, '\0');
    for (int i = 0; i < count; ++i) {
        std::fill(item.begin(), item.end(), '\0');
        CKLFile::ReadQuotedItem(position, item.data(), item.size());
        char* field = first + static_cast<size_t>(i) * stride;
        std::fill(field, field + stride, '\0');
        std::copy_n(item.data(), std::min(maxLength, stride - 1), field);
    }
}

bool WriteFixed(CKLFile& file, std::string_view text) {
    return file.WriteString(text);
}

} // namespace

std::string CClub::SectionName(uint32_t sectionNumber) {
    return "CLUB" + std::to_string(static_cast<int32_t>(sectionNumber));
}

bool CClub::Save(CKLFile& file, uint32_t sectionNumber, ClubIoContext& context) const {
    const std::string section = SectionName(sectionNumber);
    if (!file.WriteSectionBegin(section)) {
        return false;
    }
    bool ok = WriteVersion(file);
    ok = file.WriteQuotedList(names_[0], kLanguageSlots, kNameSize) && ok;
    ok = file.WriteQuotedList(shortNames_[0], kLanguageSlots, kShortNameSize) && ok;
    for (const auto& articles : articles_) {
        ok = file.WriteByteArray(articles, kLanguageSlots) && ok;
    }
    ok = file.WriteQuotedList(abbreviations_[0], kLanguageSlots, kAbbreviationSize) && ok;
    ok = file.WriteByteArray(abbreviationArticles_, kLanguageSlots) && ok;
    ok = file.WriteQuotedList(cities_[0], kLanguageSlots, kCitySize) && ok;
    ok = WriteFixed(file, FanName()) && ok;
    ok = WriteFixed(file, SecondFanName()) && ok;

    // Friendly club and rivals: the club number within this club's country, as the file
    // numbers the clubs.
    auto ownCountryReference = [this](uint32_t reference) {
        return MakeId(CountryNumber(), reference & 0xFFFFu);
    };
    ok = file.WriteHex(context.TranslateClubReference(ownCountryReference(friendlyClub_))) && ok;
    for (uint32_t rival : rivals_) {
        ok = file.WriteHex(context.TranslateClubReference(ownCountryReference(rival))) && ok;
    }
    ok = file.WriteShort(foundationYear_) && ok;
    ok = WriteFixed(file, Address()) && ok;
    ok = WriteFixed(file, Telephone()) && ok;
    ok = WriteFixed(file, WebSite()) && ok;
    ok = file.WriteString(club_text::EncodeMultiLine(FanSites())) && ok;
    ok = WriteFixed(file, Newspaper()) && ok;
    ok = WriteFixed(file, Mascot()) && ok;
    ok = file.WriteInt(startingCapital_) && ok;
    ok = file.WriteByte(stockCompany_) && ok;
    ok = file.WriteByte(penaltyPoints_) && ok;
    ok = file.WriteInt(0) && ok; // reserved
    ok = file.WriteInt(0) && ok; // reserved
    for (int32_t value : attendance_) {
        ok = file.WriteInt(value) && ok;
    }
    for (int32_t value : statistics_) {
        ok = file.WriteInt(value) && ok;
    }
    auto stadiumPosition = [&context](uint32_t key) {
        return key < 1 ? 0 : context.StadiumPosition(key);
    };
    ok = file.WriteInt(stadiumPosition(mainStadium_)) && ok;
    ok = file.WriteInt(stadiumPosition(alternativeStadium_)) && ok;
    for (Facility facility : {kClubCentre, kMedicalDepartment, kMerchandising, kYouthDepartment,
                              kTrainingGrounds, kPublicRelations, kResearchDepartment}) {
        ok = file.WriteByte(facilities_[facility]) && ok;
    }
    ok = file.WriteChar(static_cast<int8_t>(seasonFlags_)) && ok;
    ok = WriteFixed(file, BadgeFile()) && ok;
    ok = file.WriteByteLines(clubValuesB_, 3) && ok;

    ok = file.WriteSectionBegin(kHistSection) && ok;
    for (const std::string& years : titles_) {
        ok = file.WriteString(years) && ok;
    }
    for (const ResultRecord& record : records_) {
        ok = record.Write(file) && ok;
    }
    ok = file.WriteSectionEnd(kHistSection) && ok;

    ok = file.WriteInt(latitude_) && ok;
    ok = file.WriteInt(longitude_) && ok;
    ok = file.WriteByte(prestige_) && ok;
    ok = file.WriteString(cityPhoto_) && ok;
    ok = file.WriteByteLines(transferCountries_, 2) && ok;
    ok = file.WriteByte(youthCountry_) && ok;
    ok = file.WriteUShort(colourEntry_) && ok;
    ok = file.WriteUShort(clubValueA_) && ok;

    // Only players that exist are written: an ID without its PLAYER section would make the
    // reader take the next player's section for it.
    uint32_t existing = 0;
    for (uint32_t i = 0; i < playerCount_; ++i) {
        if (context.FindPlayer(playerIds_[i]) != nullptr) {
            ++existing;
        }
    }
    ok = file.WriteInt(static_cast<int32_t>(existing)) && ok;
    for (uint32_t i = 0; i < playerCount_; ++i) {
        const CPlayer* player = context.FindPlayer(playerIds_[i]);
        if (player == nullptr) {
            continue;
        }
        ok = file.WriteInt(static_cast<int32_t>(playerIds_[i])) && ok;
        ok = player->Save(file) && ok;
    }

    ok = kit_.Write(file) && ok;
    ok = file.WriteSectionEnd(section) && ok;
    return ok;
}

bool CClub::Load(CKLFile& file, uint32_t sectionNumber, uint32_t options, ClubIoContext& context) {
    refusedPlayers_ = 0;
    bool found = file.FindSection(SectionName(sectionNumber));
    if (found) {
        ReadSectionBody(file, sectionNumber, options, context);
    }
    ApplyOldColourEntry(context);
    return found;
}

void CClub::ReadSectionBody(CKLFile& file, uint32_t sectionNumber, uint32_t options,
                            ClubIoContext& context) {
    ReadVersion(file);
    const uint32_t major = FileVersion::LoadedMajor();
    const uint32_t minor = FileVersion::LoadedMinor();
    const bool oldFile = major == 0; // written without a VERSION section

    ReadQuotedFields(file, names_[0], kLanguageSlots, kNameSize, kNameSize - 1);
    ReadQuotedFields(file, shortNames_[0], kLanguageSlots, kShortNameSize, kShortNameMax);
    if (!oldFile) {
        for (auto& articles : articles_) {
            file.ReadByteArray(articles, kLanguageSlots);
        }
        ReadQuotedFields(file, abbreviations_[0], kLanguageSlots, kAbbreviationSize,
                         kAbbreviationSize - 1);
        file.ReadByteArray(abbreviationArticles_, kLanguageSlots);
    } else {
        for (auto& articles : articles_) {
            file.ReadByte(articles[0]);
        }
        file.ReadString(abbreviations_[0], kAbbreviationSize);
        file.ReadByte(abbreviationArticles_[0]);
    }
    ReadQuotedFields(file, cities_[0], kLanguageSlots, kCitySize, kCitySize - 1);
    file.ReadString(fanName_, sizeof(fanName_));
    file.ReadString(secondFanName_, sizeof(secondFanName_));
    file.ReadHex(friendlyClub_);
    for (uint32_t& rival : rivals_) {
        file.ReadHex(rival);
    }
    file.ReadShort(foundationYear_);
    file.ReadString(address_, sizeof(address_));
    file.ReadString(telephone_, sizeof(telephone_));
    file.ReadString(webSite_, sizeof(webSite_));
    std::string fanSitesLine;
    if (file.ReadCString(fanSitesLine)) {
        SetFixedText(fanSites_, club_text::DecodeMultiLine(fanSitesLine, kFanSitesSize - 1));
    }
    file.ReadString(newspaper_, sizeof(newspaper_));
    file.ReadString(mascot_, sizeof(mascot_));

    file.ReadInt(startingCapital_);
    file.ReadByte(stockCompany_);
    file.ReadByte(penaltyPoints_);
    int32_t reserved = 0;
    file.ReadInt(reserved);
    file.ReadInt(reserved);
    for (int32_t& value : attendance_) {
        file.ReadInt(value);
    }
    for (int32_t& value : statistics_) {
        file.ReadInt(value);
    }

    int32_t stadiums[2] = {};
    file.ReadInt(stadiums[0]);
    file.ReadInt(stadiums[1]);
    if ((options & kLoadDropStadiums) == 0) {
        // Positions are read back as keys; a negative one means none.
        mainStadium_ = static_cast<uint32_t>(std::max(stadiums[0], 0));
        alternativeStadium_ = static_cast<uint32_t>(std::max(stadiums[1], 0));
    }

    for (Facility facility :
         {kClubCentre, kMedicalDepartment, kMerchandising, kYouthDepartment, kTrainingGrounds}) {
        file.ReadByte(facilities_[facility]);
    }
    if (!oldFile) {
        file.ReadByte(facilities_[kPublicRelations]);
        file.ReadByte(facilities_[kResearchDepartment]);
    } else {
        facilities_[kPublicRelations] = 0;
        facilities_[kResearchDepartment] = 0;
    }
    file.ReadByte(seasonFlags_);

    if ((options & kLoadDropBadge) != 0) {
        std::string scratch;
        file.ReadCString(scratch);
    } else {
        file.ReadString(badgeFile_, sizeof(badgeFile_));
        SetFixedText(badgeFile_, club_text::NormaliseBadgeFile(BadgeFile(), oldFile));
    }
    if (major >= kMajor2004) {
        file.ReadByteLines(clubValuesB_, 3);
    }

    if (file.FindSection(kHistSection)) {
        for (std::string& years : titles_) {
            file.ReadCString(years);
        }
        for (ResultRecord& record : records_) {
            record.Read(file);
        }
        file.SkipSection(kHistSection);
    }

    file.ReadInt(latitude_);
    file.ReadInt(longitude_);
    if (major < kMajor2004) {
        if (latitude_ < 0) {
            latitude_ = ClampLatitude(latitude_);
        }
        if (longitude_ < 0) {
            longitude_ = ClampLongitude(longitude_);
        }
    }

    if (!oldFile) {
        file.ReadByte(prestige_);
        file.ReadCString(cityPhoto_);
        file.ReadByteLines(transferCountries_, 2);
        file.ReadByte(youthCountry_);
        file.ReadShort(colourEntry_);
        if (major == kMajor2004 && minor >= 4) {
            file.ReadShort(clubValueA_);
        }
    } else {
        int32_t fromAttendance = attendance_[kImportantMatchAttendance] / 10000;
        prestige_ = static_cast<uint8_t>(std::clamp<int32_t>(fromAttendance, 0, kMaxPrestige));
        transferCountries_[0] = static_cast<uint8_t>(CountryNumber());
        youthCountry_ = static_cast<uint8_t>(CountryNumber());
    }

    ReadPlayers(file, context);

    if (kit_.Read(file) && major < kMajor2004) {
        kit_.ConvertFromOldFile();
    }
    file.SkipSection(SectionName(sectionNumber));
}

void CClub::ReadPlayers(CKLFile& file, ClubIoContext& context) {
    int32_t count = 0;
    file.ReadInt(count);
    ClearPlayers();
    detailTotal_ = 0;
    for (int32_t i = 0; i < count; ++i) {
        int32_t fileId = 0;
        if (!file.ReadInt(fileId)) {
            // The section ends here: the count promised more than there is.
            file.NoteFinding("the player list promises " + std::to_string(count) +
                             " players; the file holds " + std::to_string(i));
            break;
        }
        if (playerCount_ >= kMaxPlayers) {
            // The list is full: the player is read past (so the file stays in step) and not
            // kept; RefusedPlayerCount tells the caller.
            if (file.FindSection(CPlayer::kSection)) {
                file.SkipSection(CPlayer::kSection);
            }
            ++refusedPlayers_;
            continue;
        }
        CPlayer* player = context.CreatePlayer(static_cast<uint32_t>(fileId));
        if (player == nullptr) {
            if (file.FindSection(CPlayer::kSection)) {
                file.SkipSection(CPlayer::kSection);
            }
            ++refusedPlayers_;
            continue;
        }
        uint32_t id = player->Id();
        if (!player->Load(file)) {
            // No PLAYER section for this entry: no person to keep.
            file.NoteFinding("player " + std::to_string(fileId) + " has no PLAYER section");
            context.DiscardPlayer(id);
            continue;
        }
        if (!AddPlayer(id)) {
            context.DiscardPlayer(id);
            ++refusedPlayers_;
            continue;
        }
        detailTotal_ += player->GetDetailValue();
    }
}

void CClub::ApplyOldColourEntry(ClubIoContext& context) {
    if (!(FileVersion::LoadedMajor() == kMajor2004 && FileVersion::LoadedMinor() < 6)) {
        return;
    }
    int slot = context.CurrentLanguageSlot();
    uint16_t entry = 0;
    if (context.FindTeamColour(Name(slot), entry) ||
        context.FindTeamColour(ShortName(slot), entry)) {
        colourEntry_ = entry;
        kit_.colourEntry = entry;
    }
}

} // namespace tallo
