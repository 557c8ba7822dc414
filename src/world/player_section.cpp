// The PLAYER section of the record files: writing, reading and the conversions of the values
// that older editions of the files stored differently.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "formats/kl_file.h"
#include "world/country_load_stage.h"
#include "world/file_version.h"
#include "world/player.h"
#include "world/player_looks.h"
#include "world/player_world.h"
#include "world/text_utils.h"

namespace tallo {

namespace {

constexpr uint32_t kMajor2003 = 0x2003;
constexpr uint32_t kMajor2004 = 0x2004;

// Notes fill one line in the file: carriage returns are dropped and line feeds become tabs.
std::string NotesToLine(const std::string& notes) {
    std::string line;
    line.reserve(notes.size());
    for (char c : notes) {
        if (c == '\r') {
            continue;
        }
        line.push_back(c == '\n' ? '\t' : c);
    }
    return line;
}

std::string NotesFromLine(std::string_view line) {
    // The writer puts a blank before a text that starts with ';' or '%' (a comment or marker
    // otherwise); take it off again.
    if (line.size() >= 2 && line[0] == ' ' && (line[1] == ';' || line[1] == '%')) {
        line.remove_prefix(1);
    }
    std::string notes;
    notes.reserve(line.size());
    for (char c : line) {
        if (c == '\t') {
            notes += "\r\n";
        } else {
            notes.push_back(c);
        }
    }
    return notes;
}

// A name line, tidied (blanks collapsed) before it is cut to the field, so that the blank the
// writer may put in front does not cost a character. A cut that ends on a blank would leave a
// blank at the end, which the next load removes: it is dropped now, so that a saved name reads
// back the same. The line is tidied straight from the file's data into the field.
template <size_t N> bool ReadName(CKLFile& file, char (&field)[N]) {
    std::string_view text;
    if (!file.ReadTextView(text)) {
        return false;
    }
    const size_t length = CollapseBlanksInto(text, field, N - 1);
    std::memset(field + length, 0, N - length);
    return true;
}

// The favourite club and club reference E are stored as a country number and a club
// reference; the country goes into the reference's country byte. A club number of 0 leads
// to no club.
uint32_t CombineClubReference(int32_t country, uint32_t reference) {
    if ((reference & 0xFFFFu) == 0) {
        return 0;
    }
    return (reference & 0xFF00FFFFu) | ((static_cast<uint32_t>(country) & 0xFFu) << 16);
}

} // namespace

bool CPlayer::Save(CKLFile& file) const {
    auto translate = [this](uint32_t reference) -> uint32_t {
        if (reference == 0) {
            return 0;
        }
        return world_ != nullptr ? world_->TranslateClubReference(reference) : reference;
    };
    auto writeIntPair = [&](uint32_t reference) {
        bool ok = file.WriteInt(ClubReferenceCountry(reference));
        return file.WriteInt(static_cast<int32_t>(translate(reference))) && ok;
    };
    auto writeBytePair = [&](uint32_t reference) {
        bool ok = file.WriteByte(ClubReferenceCountry(reference));
        return file.WriteInt(static_cast<int32_t>(translate(reference))) && ok;
    };

    bool ok = file.WriteSectionBegin(kSection);
    ok = file.WriteString(FirstName()) && ok;
    ok = file.WriteString(Surname()) && ok;
    ok = file.WriteString(Nickname()) && ok;
    ok = file.WriteString(Pseudonym()) && ok;
    ok = file.WriteChar(static_cast<int8_t>(role_)) && ok;
    ok = file.WriteChar(static_cast<int8_t>(reserve_)) && ok;
    ok = file.WriteByte(nationality_) && ok;
    ok = file.WriteByte(secondNationality_) && ok;
    ok = file.WriteByte(foreignExemption_) && ok;
    ok = birthDate_.Write(file) && ok;
    ok = file.WriteByte(static_cast<uint8_t>((talent_ & 7) + 8 * staffLevel_)) && ok;
    ok = file.WriteByte(mainPosition_) && ok;
    ok = file.WriteByteLines(otherPositions_.data(), 2) && ok;
    ok = file.WriteByteLines(positionRatings_.data(), kPositionRatingCount) && ok;
    ok = file.WriteByteLines(abilities_.data(), kAbilityCount) && ok;
    ok = file.WriteByteLines(traits_.data(), kTraitCount) && ok;
    for (uint8_t look :
         {hairColour_, lookValueD_, faceType_, hairStyle_, beard_, height_, weight_}) {
        ok = file.WriteByte(look) && ok;
    }
    for (uint8_t value :
         {preferredFoot_, leagueExperience_, internationalExperience_, shirtNumber_}) {
        ok = file.WriteChar(static_cast<int8_t>(value)) && ok;
    }
    ok = file.WriteInt(static_cast<int32_t>(mappedId_)) && ok;
    ok = writeIntPair(firstClub_) && ok;
    ok = writeIntPair(previousClub_) && ok;
    ok = file.WriteShort(yearJoined_) && ok;
    ok = file.WriteShort(contractEnd_) && ok;
    ok = file.WriteByte(caps_) && ok;
    ok = file.WriteByte(goals_) && ok;
    ok = file.WriteByteLines(bonus_.data(), kBonusCount) && ok;
    ok = file.WriteByteLines(languages_.data(), kLanguageSlots) && ok;
    ok = writeIntPair(favouriteClub_) && ok;
    ok = writeIntPair(clubReferenceE_) && ok;
    ok = file.WriteInt(static_cast<int32_t>(relatedPlayer_)) && ok;
    ok = file.WriteByte(valueA_) && ok;
    ok = file.WriteByte(valueB_) && ok;
    ok = file.WriteString(photo_) && ok;
    ok = file.WriteByte(tacticalEducation_) && ok;
    ok = file.WriteByte(nationalTeamFlags_) && ok;
    ok = writeBytePair(loanClub_) && ok;
    ok = contractStartDate_.Write(file) && ok;
    ok = contractEndDate_.Write(file) && ok;
    // The national team flags and the favourite club stand here a second time.
    ok = file.WriteByte(nationalTeamFlags_) && ok;
    ok = writeBytePair(favouriteClub_) && ok;
    ok = writeBytePair(neverJoinClub_) && ok;
    ok = file.WriteByte(favouriteCountry_) && ok;
    ok = file.WriteUShort(specialFace_) && ok;
    ok = file.WriteUShort(shoeType_) && ok;
    ok = file.WriteByte(kitFlags_) && ok;
    ok = file.WriteString(NotesToLine(notes_)) && ok;
    ok = file.WriteSectionEnd(kSection) && ok;
    return ok;
}

bool CPlayer::Load(CKLFile& file) {
    const uint32_t major = FileVersion::LoadedMajor();
    const uint32_t minor = FileVersion::LoadedMinor();
    const bool found = file.FindSection(kSection);

    if (found) {
        const bool firstNameRead = ReadName(file, firstName_);
        const bool surnameRead = ReadName(file, surname_);
        if (!firstNameRead || !surnameRead) {
            // The default names count the players registered before this one; on a stage
            // that count is only known when the stage is merged.
            if (CountryLoadStage* stage = CountryLoadStage::Current()) {
                stage->NoteDefaultName(*this, !firstNameRead, !surnameRead);
            } else if (world_ != nullptr) {
                world_->GiveDefaultNames(*this, !firstNameRead, !surnameRead);
            }
        }
        ReadName(file, nickname_);
        ReadName(file, pseudonym_);
        // The number lines between the dates and texts are read a run at a time.
        NumberLines<5>(file) >> role_ >> reserve_ >> nationality_ >> secondNationality_ >>
            foreignExemption_;
        birthDate_.Read(file);

        NumberLines<53> fixed(file);
        const auto packed = static_cast<uint8_t>(fixed.Next());
        talent_ = packed & 7;
        staffLevel_ = static_cast<uint8_t>(packed >> 3);
        fixed >> mainPosition_ >> otherPositions_ >> positionRatings_ >> abilities_ >> traits_;
        fixed >> hairColour_ >> lookValueD_ >> faceType_ >> hairStyle_ >> beard_ >> height_ >>
            weight_;
        fixed >> preferredFoot_ >> leagueExperience_ >> internationalExperience_ >> shirtNumber_;
        fixed >> mappedId_;
        fixed.Next(); // the country of the first club
        fixed >> firstClub_;
        fixed.Next(); // the country of the previous club
        fixed >> previousClub_ >> yearJoined_ >> contractEnd_ >> caps_ >> goals_;
        if (major == 0) {
            int16_t dropped = 0; // a value the oldest files hold here
            file.ReadShort(dropped);
        }

        NumberLines<15> more(file);
        more >> bonus_ >> languages_;
        int32_t country = more.Next();
        uint32_t reference = 0;
        more >> reference;
        favouriteClub_ = CombineClubReference(country, reference);
        country = more.Next();
        more >> reference;
        clubReferenceE_ = CombineClubReference(country, reference);
        more >> relatedPlayer_ >> valueA_ >> valueB_;
        file.ReadCString(photo_);

        if (major != 0) {
            NumberLines<4> loan(file);
            loan >> tacticalEducation_ >> nationalTeamFlags_;
            loan.Next(); // the country of the loan club
            loan >> loanClub_;
            contractStartDate_.Read(file);
            contractEndDate_.Read(file);
            // The flags stand here a second time, then the favourite club again (its
            // country, its number), the country of the club never joined and the rest. A file
            // that ends before the flags keeps their first copy instead of losing them.
            NumberLines<9> last(file);
            if (last.Read() > 0) {
                last >> nationalTeamFlags_;
            } else {
                last.Next();
            }
            last.Next();
            last.Next();
            last.Next();
            last >> neverJoinClub_ >> favouriteCountry_ >> specialFace_ >> shoeType_ >> kitFlags_;
            if (major == kMajor2004 && minor >= 8) {
                std::string_view line;
                if (file.ReadTextView(line)) {
                    notes_ = NotesFromLine(line);
                }
            }
        }

        ConvertOldValues(major, minor);
        file.SkipSection(kSection);
    }

    // Files before major 0x2004 minor 7 predate the ID mapping and the special face table.
    if (major < kMajor2004 || (major == kMajor2004 && minor < 7)) {
        if (world_ != nullptr) {
            if (auto mapped = world_->LookUpMappedId(*this)) {
                mappedId_ = *mapped;
            }
        }
        specialFace_ = 0;
        if (world_ != nullptr) {
            std::string name(FirstName());
            name += ' ';
            name += Surname();
            specialFace_ = world_->FindSpecialFace(name);
        }
    }

    if (found && major == kMajor2004 && minor < 7) {
        faceType_ = PlayerLooks::FaceTypeFromMinor6(faceType_);
        beard_ = PlayerLooks::BeardFromMinor6(beard_);
        // Hair styles were counted from 1; an old 0 is no style at all (the default 5).
        hairStyle_ = hairStyle_ == 0 ? 5 : static_cast<uint8_t>(hairStyle_ - 1);
    }
    // Current files read style 0 as 1. Files of a newer edition than this one are read as
    // current ones (they are saved as current ones), and an old style 1 that became 0 above
    // is taken to 1 now, so that the player saves as he will read back.
    if (found && major >= kMajor2004 && hairStyle_ == 0) {
        hairStyle_ = 1;
    }

    if (found) {
        ClampLoadedValues();
    }
    return found;
}

void CPlayer::ConvertOldValues(uint32_t major, uint32_t minor) {
    using PlayerLooks::Column;
    auto setFirstLanguageFromNationality = [this] {
        if (world_ == nullptr) {
            return;
        }
        const int language = world_->CountryFirstLanguage(nationality_);
        if (language >= 0 && language <= 255) {
            languages_[0] = static_cast<uint8_t>(language);
        }
    };

    if (major < kMajor2004) {
        // Looks: the rows of the tables give the value of each edition; both older editions
        // are taken straight to the current value.
        if (major == 0 || major == kMajor2003) {
            const Column from = major == 0 ? PlayerLooks::kMajor0 : PlayerLooks::kMajor2003;
            hairColour_ = PlayerLooks::ConvertHairColour(hairColour_, from, PlayerLooks::kCurrent);
            faceType_ = PlayerLooks::ConvertFaceType(faceType_, from, PlayerLooks::kCurrent);
            hairStyle_ = PlayerLooks::ConvertHairStyle(hairStyle_, from, PlayerLooks::kCurrent);
            beard_ = PlayerLooks::ConvertBeard(beard_, from, PlayerLooks::kCurrent);
        }
        // Style 0 (kept from the file, or a style no row converts) is read as 1 from current
        // files; take that now, so the player saves as he will read back.
        if (hairStyle_ == 0) {
            hairStyle_ = 1;
        }
        shoeType_ = 2;
        for (uint8_t& ability : abilities_) {
            ability = PlayerLooks::ConvertAbility(ability, PlayerLooks::kMajor2003,
                                                  PlayerLooks::kCurrent);
        }
        if (role_ == kRolePlayer) {
            setFirstLanguageFromNationality();
        }
    }
    if (major < kMajor2003) {
        valueA_ =
            PlayerLooks::ConvertValueA(valueA_, PlayerLooks::kMajor0, PlayerLooks::kMajor2003);
        // Tactical education did not exist: derive it from age and talent.
        int education = AgeAt(birthDate_) / 9 +
                        (world_ != nullptr ? world_->RandomBelow(4) : DefaultRandomBelow(4)) +
                        talent_ - 2;
        tacticalEducation_ = static_cast<uint8_t>(std::clamp(education, 0, 5));
    }
    if (major == kMajor2004 && minor <= 1 && role_ == kRolePlayer) {
        setFirstLanguageFromNationality();
    }
}

} // namespace tallo
