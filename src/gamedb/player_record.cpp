#include "gamedb/player_record.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "gamedb/master_buffer.h"
#include "gamedb/master_build_context.h"
#include "gamedb/record_console_looks.h"
#include "gamedb/record_text.h"
#include "platform/byte_order.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr uint8_t kShoeKitFlag = 0x80; // the shoe byte carries "kit flags set" in its top bit

// The fields of one record, gathered on the stack and handed to the buffer in one piece: a
// build writes some 150,000 person records of a few dozen fields each, and a call into the
// buffer per field cost more than the fields themselves. The bytes are those the buffer's own
// primitives would write, in the same order.
class FieldRun {
public:
    explicit FieldRun(MasterBuffer& buffer) : buffer_(buffer) {}
    ~FieldRun() { Flush(); }
    FieldRun(const FieldRun&) = delete;
    FieldRun& operator=(const FieldRun&) = delete;

    void U8(uint8_t value) { *Room(1) = value; }
    void U16(uint16_t value) { PutLittle16(Room(2), value); }
    void U32(uint32_t value) { PutLittle32(Room(4), value); }
    void Bytes(const void* data, size_t count) {
        if (count > kSize - size_) {
            Flush();
            buffer_.Bytes(data, count);
            return;
        }
        std::memcpy(bytes_ + size_, data, count);
        size_ += count;
    }
    // A length-prefixed block goes to the buffer itself, after the fields before it.
    void Block(std::string_view bytes) {
        Flush();
        buffer_.Block(bytes);
    }
    // Where the next field lands in the buffer.
    uint64_t Position() const { return buffer_.Position() + size_; }
    void Flush() {
        if (size_ > 0) {
            buffer_.Bytes(bytes_, size_);
            size_ = 0;
        }
    }

private:
    static constexpr size_t kSize = 256;

    // Room for `count` (at most kSize) more bytes, taken.
    uint8_t* Room(size_t count) {
        if (count > kSize - size_) {
            Flush();
        }
        uint8_t* at = bytes_ + size_;
        size_ += count;
        return at;
    }

    MasterBuffer& buffer_;
    uint8_t bytes_[kSize];
    size_t size_ = 0;
};

// Starting states of the national team flags (bits 2-4) that pick the contract block.
enum StartingState : int {
    kContract = 1,     // contract start, end date
    kContractByte = 2, // contract start, contract byte
    kStartOnly = 3,    // contract start
    kOnLoan = 4,       // loan club, contract start, end date
};

uint32_t DayValue(GameDate date) {
    return static_cast<uint32_t>(date.dayNumber);
}

// Looks of the console database, converted once per record so that the file and the log line
// carry the same draws.
struct ConsoleLookValues {
    uint8_t hairColour;
    uint8_t skin;
    uint8_t face;
    uint8_t hairStyle;
    uint8_t beard;
};

ConsoleLookValues ConvertLooks(const CPlayer& player, BuildRandom& random) {
    ConsoleLookValues looks{};
    looks.hairColour =
        ConsoleLooks::Convert(ConsoleLooks::HairColour(), player.HairColour(), random);
    looks.skin = ConsoleLooks::Convert(ConsoleLooks::Skin(), player.FaceType(), random);
    looks.face = ConsoleLooks::Convert(ConsoleLooks::Face(), player.FaceType(), random);
    looks.hairStyle = ConsoleLooks::Convert(ConsoleLooks::HairStyle(), player.HairStyle(), random);
    looks.beard = ConsoleLooks::Convert(ConsoleLooks::Beard(), player.Beard(), random);
    return looks;
}

void WriteLooks(FieldRun& buffer, const MasterBuildContext& context, const CPlayer& player) {
    if (!context.Console()) {
        buffer.U8(player.HairColour());
        buffer.U8(player.LookValueD());
        buffer.U8(player.FaceType());
        buffer.U8(player.HairStyle());
        buffer.U8(player.Beard());
        buffer.U8(player.Height());
        buffer.U8(player.Weight());
        buffer.U16(player.SpecialFace());
        return;
    }
    ConsoleLookValues looks = ConvertLooks(player, context.random);
    buffer.U8(looks.hairColour);
    buffer.U8(looks.skin);
    buffer.U8(looks.face);
    buffer.U8(looks.hairStyle);
    buffer.U8(looks.beard);
    buffer.U8(player.Height());
    buffer.U8(player.Weight());
    uint16_t face = context.services.consoleFace ? context.services.consoleFace(player) : 0;
    buffer.U16(face);

    if (context.Option(MasterOption::kConsoleLog)) {
        std::string first(player.FirstName());
        std::string surname(player.Surname());
        context.text.Emit(ConsoleTextFile::Log,
                          RecordPrintf("    %-16s %-20s ZELOID %05d HairC %02d SkinCol %02d "
                                       "FaceStyle %02d HairStyle %02d Facial %02d Star %04d\n",
                                       first.c_str(), surname.c_str(),
                                       static_cast<int>(player.MappedId()), looks.hairColour,
                                       looks.skin, looks.face, looks.hairStyle, looks.beard, face));
    }
}

void WriteContractBlock(FieldRun& buffer, const MasterBuildContext& context,
                        const CPlayer& player) {
    int state = (player.NationalTeamFlags() >> CPlayer::kNationalStartShift) & 7;
    switch (state) {
    case kContract:
        buffer.U32(DayValue(player.ContractStartDate()));
        if (!context.Console()) {
            buffer.U32(DayValue(player.ContractEndDate()));
        }
        break;
    case kContractByte:
        buffer.U32(DayValue(player.ContractStartDate()));
        if (!context.Console()) {
            // The record keeps no value of its own for this byte; the game gets 0.
            buffer.U8(0);
        }
        break;
    case kStartOnly:
        buffer.U32(DayValue(player.ContractStartDate()));
        break;
    case kOnLoan:
        buffer.U32(context.GameClubReference(player.LoanClub()));
        buffer.U32(DayValue(player.ContractStartDate()));
        buffer.U32(DayValue(player.ContractEndDate()));
        break;
    default:
        break;
    }
}

void WritePlayerBody(FieldRun& buffer, const MasterBuildContext& context, const CPlayer& player) {
    buffer.U8(player.Reserve());
    buffer.U32(player.MappedId());
    buffer.U8(RecordCountryByte(player.Nationality()));
    buffer.U32(DayValue(player.BirthDate()));
    buffer.U8(player.SecondNationality());
    buffer.U8(player.ForeignExemption());
    buffer.U8(player.Talent());
    buffer.U8(player.MainPosition());
    buffer.U8(player.SecondPosition());
    buffer.U8(player.ThirdPosition());
    for (int group = 0; group < CPlayer::kPositionRatingCount; ++group) {
        buffer.U8(player.PositionRating(group));
    }
    buffer.Bytes(player.Abilities().data(), player.Abilities().size());
    buffer.Bytes(player.Traits().data(), player.Traits().size());

    WriteLooks(buffer, context, player);

    uint8_t shoe = player.ShoeType();
    if (player.KitFlags() != 0) {
        shoe = static_cast<uint8_t>(shoe | kShoeKitFlag);
    }
    buffer.U8(shoe);
    buffer.U8(player.StaffLevel());
    buffer.U8(player.PreferredFoot());
    buffer.U8(player.LeagueExperience());
    buffer.U8(player.InternationalExperience());
    buffer.U8(player.ShirtNumber());
    buffer.U32(context.GameClubReference(player.FirstClub()));
    buffer.U32(context.GameClubReference(player.PreviousClub()));
    buffer.U16(static_cast<uint16_t>(player.YearJoined()));
    buffer.U16(static_cast<uint16_t>(player.ContractEnd()));
    buffer.U8(player.InternationalCaps());
    buffer.U8(player.InternationalGoals());
    buffer.U8(player.TacticalEducation());
    buffer.U8(player.NationalTeamFlags());

    WriteContractBlock(buffer, context, player);

    buffer.U32(context.GameClubReference(player.FavouriteClub()));
    buffer.U32(context.GameClubReference(player.NeverJoinClub()));
    buffer.U8(player.FavouriteCountry());
    if (!context.Console()) {
        for (int slot = 0; slot < 3; ++slot) {
            buffer.U8(player.Language(slot));
        }
    }
    // The photo file name with its zero byte, behind its length.
    const std::string& photo = player.Photo();
    std::string photoBytes(photo.c_str()); // up to a zero byte inside the text
    photoBytes.push_back('\0');
    buffer.Block(photoBytes);
}

// Managers and chairmen.
void WriteOfficialBody(FieldRun& buffer, const MasterBuildContext& context, const CPlayer& player) {
    for (int index = 0; index < CPlayer::kBonusCount; ++index) {
        buffer.U8(player.Bonus(index));
    }
    for (int slot = 0; slot < CPlayer::kLanguageSlots; ++slot) {
        buffer.U8(player.Language(slot));
    }
    buffer.U32(context.GameClubReference(player.FavouriteClub()));
    buffer.U32(context.GameClubReference(player.ClubReferenceE()));
    buffer.U32(player.RelatedPlayer());
    buffer.U8(player.ValueA());
    buffer.U8(player.ValueB());
}

} // namespace

uint8_t RecordCountryByte(uint32_t country) {
    return country >= 1 && country <= CWorld::kCountryCount ? static_cast<uint8_t>(country) : 0;
}

int PlayerNamePool(const MasterBuildContext& context, const CPlayer& player) {
    int language = player.Language(0);
    if (language == 0) {
        // CountryFirstLanguage answers -1 for a nationality outside 1-206.
        language = std::max(0, context.world.CountryFirstLanguage(player.Nationality()));
    }
    return NameStore::PoolOf(language);
}

void WritePlayerRecord(MasterBuffer& out, const MasterBuildContext& context,
                       const CPlayer& player) {
    FieldRun buffer(out);
    int pool = PlayerNamePool(context, player);
    buffer.U8(static_cast<uint8_t>(pool));
    buffer.U16(context.NameAt(pool, kMaleFirstName, player.FirstName(), buffer.Position()));
    buffer.U16(context.NameAt(pool, kSurname, player.Surname(), buffer.Position()));
    buffer.U16(context.NameAt(pool, kUnusedNameKind, player.Nickname(), buffer.Position()));
    buffer.U16(context.NameAt(pool, kThirdName, player.Pseudonym(), buffer.Position()));
    buffer.U8(player.Role());

    switch (player.Role()) {
    case CPlayer::kRolePlayer:
        WritePlayerBody(buffer, context, player);
        break;
    case CPlayer::kRoleManager:
    case CPlayer::kRoleChairman:
        WriteOfficialBody(buffer, context, player);
        break;
    case CPlayer::kRolePresident:
        buffer.U8(player.ValueB());
        break;
    default:
        break; // staff members (roles 4 and above): the record ends with the role
    }
}

} // namespace tallo
