#include "editing/player/player_look_page_model.h"

#include <algorithm>
#include <cmath>

#include "assets/renderer_values.h"
#include "editing/player/person_edit_context.h"
#include "formats/dialog_text.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo {

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kPoundsPerKilogram = 2.20462262;

void SetListed(const std::vector<LookChoice>& choices, int value, int& target) {
    if (LookChoiceIndex(choices, value) >= 0) {
        target = value;
    }
}

uint32_t Listed(const std::vector<LookChoice>& choices, int value) {
    return LookChoiceIndex(choices, value) >= 0 ? static_cast<uint32_t>(value) : 0;
}

} // namespace

PlayerLookPageModel::PlayerLookPageModel(const PersonEditContext& context,
                                         const CBaseTextFile* faces, const CBaseTextFile* shoes)
    : context_(context), specialFaces_(SpecialFaceChoices(faces)), faceTypes_(FaceTypeChoices()),
      hairColours_(HairColourChoices()), hairStyles_(HairStyleChoices()), beards_(BeardChoices()),
      shoeTypes_(ShoeTypeChoices(shoes)) {}

void PlayerLookPageModel::SetPerson(CPlayer* person) {
    person_ = person;
    club_ = FindListingClub();
    Fill();
}

void PlayerLookPageModel::Fill() {
    looks_ = Looks();
    if (person_ != nullptr) {
        looks_.specialFace = person_->SpecialFace();
        looks_.faceType = person_->FaceType();
        looks_.hairColour = person_->HairColour();
        looks_.hairStyle = person_->HairStyle();
        looks_.beard = person_->Beard();
        looks_.shoeType = person_->ShoeType();
        looks_.height = person_->Height();
        looks_.weight = person_->Weight();
        looks_.longSleeves = (person_->KitFlags() & CPlayer::kLongSleeves) != 0;
    }
    filled_ = looks_;
}

void PlayerLookPageModel::Store() {
    if (person_ == nullptr) {
        return;
    }
    const Looks& v = looks_;
    if (v.hairColour != filled_.hairColour || v.faceType != filled_.faceType ||
        v.hairStyle != filled_.hairStyle || v.beard != filled_.beard) {
        person_->SetHairColour(static_cast<uint8_t>(v.hairColour));
        person_->SetLookValueD(0);
        person_->SetFaceType(static_cast<uint8_t>(v.faceType));
        person_->SetHairStyle(static_cast<uint8_t>(v.hairStyle));
        person_->SetBeard(static_cast<uint8_t>(v.beard));
    }
    if (v.shoeType != filled_.shoeType || v.specialFace != filled_.specialFace) {
        person_->SetShoeType(static_cast<uint8_t>(std::clamp(v.shoeType, 0, kMaxShoeType)));
        person_->SetSpecialFace(static_cast<uint16_t>(v.specialFace));
    }
    if (v.height != filled_.height || v.weight != filled_.weight) {
        person_->SetHeight(static_cast<uint8_t>(std::clamp(v.height, kMinHeight, kMaxHeight)));
        person_->SetWeight(static_cast<uint8_t>(std::clamp(v.weight, kMinWeight, kMaxWeight)));
    }
    if (v.longSleeves != filled_.longSleeves) {
        uint8_t flags = person_->KitFlags();
        flags = v.longSleeves ? static_cast<uint8_t>(flags | CPlayer::kLongSleeves)
                              : static_cast<uint8_t>(flags & ~CPlayer::kLongSleeves);
        person_->SetKitFlags(flags);
    }
    filled_ = looks_;
}

void PlayerLookPageModel::SetSpecialFace(int face) {
    SetListed(specialFaces_, face, looks_.specialFace);
}

void PlayerLookPageModel::SetFaceType(int value) {
    SetListed(faceTypes_, value, looks_.faceType);
}

void PlayerLookPageModel::SetHairColour(int value) {
    SetListed(hairColours_, value, looks_.hairColour);
}

void PlayerLookPageModel::SetHairStyle(int value) {
    SetListed(hairStyles_, value, looks_.hairStyle);
}

void PlayerLookPageModel::SetBeard(int value) {
    SetListed(beards_, value, looks_.beard);
}

void PlayerLookPageModel::SetShoeType(int value) {
    SetListed(shoeTypes_, value, looks_.shoeType);
}

void PlayerLookPageModel::SetHeight(int cm) {
    looks_.height = std::clamp(cm, kMinHeight, kMaxHeight);
}

void PlayerLookPageModel::SetWeight(int kg) {
    looks_.weight = std::clamp(kg, kMinWeight, kMaxWeight);
}

void PlayerLookPageModel::ToFeetAndInches(int cm, int& feet, int& inches) {
    const int total = static_cast<int>(std::lround(cm / kCentimetresPerInch));
    feet = total / 12;
    inches = total % 12;
}

void PlayerLookPageModel::ToStonesAndPounds(int kg, int& stones, int& pounds) {
    const int total = static_cast<int>(std::lround(kg * kPoundsPerKilogram));
    stones = total / 14;
    pounds = total % 14;
}

std::string PlayerLookPageModel::HeightImperial() const {
    if (person_ == nullptr) {
        return std::string();
    }
    int feet = 0;
    int inches = 0;
    ToFeetAndInches(std::clamp(looks_.height, kMinHeight, kMaxHeight), feet, inches);
    return FormatDialogText("look.height.imperial", feet, inches);
}

std::string PlayerLookPageModel::WeightImperial() const {
    if (person_ == nullptr) {
        return std::string();
    }
    int stones = 0;
    int pounds = 0;
    ToStonesAndPounds(std::clamp(looks_.weight, kMinWeight, kMaxWeight), stones, pounds);
    return FormatDialogText("look.weight.imperial", stones, pounds);
}

std::array<uint32_t, TALLO_LOOK_SIZE> PlayerLookPageModel::LookValues() const {
    std::array<uint32_t, TALLO_LOOK_SIZE> values{};
    values[TALLO_LOOK_FACE_TYPE] = Listed(faceTypes_, looks_.faceType);
    values[TALLO_LOOK_HAIR_COLOUR] = Listed(hairColours_, looks_.hairColour);
    values[TALLO_LOOK_HAIR_STYLE] = Listed(hairStyles_, looks_.hairStyle);
    values[TALLO_LOOK_BEARD] = Listed(beards_, looks_.beard);
    values[TALLO_LOOK_SPECIAL_FACE] = Listed(specialFaces_, looks_.specialFace);
    return values;
}

std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE> PlayerLookPageModel::HeadColours() const {
    if (club_ == nullptr) {
        return {};
    }
    return RendererHeadColours(club_->Kit());
}

const CClub* PlayerLookPageModel::FindListingClub() const {
    if (person_ == nullptr || context_.world == nullptr) {
        return nullptr;
    }
    const CClub* nationalTeam = nullptr;
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        const CCountry* country = context_.world->GetCountry(number);
        if (country == nullptr) {
            continue;
        }
        for (const auto& [id, club] : country->Clubs()) {
            if (!club->HasPlayer(person_->Id())) {
                continue;
            }
            if (!ClubId::IsNationalTeam(id)) {
                return club.get();
            }
            nationalTeam = club.get();
        }
    }
    return nationalTeam;
}

} // namespace tallo
