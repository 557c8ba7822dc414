#include "editing/club/club_stadium_page_model.h"

#include <algorithm>
#include <filesystem>

#include "editing/club/club_edit_context.h"
#include "editing/club/club_field_text.h"
#include "formats/dialog_text.h"
#include "platform/code_page.h"
#include "platform/prompt.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo {

namespace {

std::optional<int32_t> Packed(const ClubStadiumPageModel::Coordinate& coordinate, size_t maxDigits,
                              bool latitude) {
    const std::optional<int32_t> degrees = ReadDigits(coordinate.degrees, maxDigits);
    const std::optional<int32_t> minutes = ReadDigits(coordinate.minutes, maxDigits);
    if (!degrees || !minutes) {
        return std::nullopt;
    }
    return latitude ? CClub::PackLatitude(*degrees, *minutes, coordinate.secondHemisphere)
                    : CClub::PackLongitude(*degrees, *minutes, coordinate.secondHemisphere);
}

bool operator==(const ClubStadiumPageModel::Coordinate& a,
                const ClubStadiumPageModel::Coordinate& b) {
    return a.secondHemisphere == b.secondHemisphere && a.degrees == b.degrees &&
           a.minutes == b.minutes;
}

} // namespace

ClubStadiumPageModel::ClubStadiumPageModel(const ClubEditContext& context) : context_(context) {}

std::optional<int32_t> ClubStadiumPageModel::PackedLatitude(const Coordinate& coordinate) {
    return Packed(coordinate, kLatitudeEditLength, true);
}

std::optional<int32_t> ClubStadiumPageModel::PackedLongitude(const Coordinate& coordinate) {
    return Packed(coordinate, kLongitudeEditLength, false);
}

ClubStadiumPageModel::Coordinate ClubStadiumPageModel::Unpacked(int32_t value) {
    Coordinate coordinate;
    coordinate.secondHemisphere = value < 0;
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    coordinate.degrees = std::to_string(magnitude >> 16);
    coordinate.minutes = std::to_string(magnitude & 0xFFFF);
    return coordinate;
}

void ClubStadiumPageModel::Fill(const CClub& club) {
    std::vector<ChoiceEntry> stadiums(1);
    std::vector<ChoiceEntry> countries(1);
    if (context_.world != nullptr) {
        if (const CCountry* country = context_.world->GetCountry(context_.country)) {
            stadiums = StadiumChoices(*country);
        }
        countries = CountryChoices(*context_.world, context_.languageSlot);
    }
    mainStadium.entries = stadiums;
    mainStadium.Fill(club.MainStadium());
    alternativeStadium.entries = stadiums;
    alternativeStadium.Fill(club.AlternativeStadium());
    for (int i = 0; i < CClub::kFacilityCount; ++i) {
        filledFacilities_[i] = club.FacilityLevel(static_cast<CClub::Facility>(i));
        facilities[i] = filledFacilities_[i];
    }
    for (int i = 0; i < 2; ++i) {
        transferCountries[i].entries = countries;
        transferCountries[i].Fill(club.TransferCountry(i));
    }
    youthCountry.entries = countries;
    youthCountry.Fill(club.YouthCountry());
    filledLatitude_ = Unpacked(club.Latitude());
    latitude = filledLatitude_;
    filledLongitude_ = Unpacked(club.Longitude());
    longitude = filledLongitude_;
    filledCityPhoto_ = club.CityPhoto();
    cityPhoto = filledCityPhoto_;
}

std::vector<std::string> ClubStadiumPageModel::Store(CClub& club) const {
    std::vector<std::string> refused;
    club.SetMainStadium(mainStadium.Value());
    club.SetAlternativeStadium(alternativeStadium.Value());
    for (int i = 0; i < CClub::kFacilityCount; ++i) {
        if (facilities[i] != filledFacilities_[i]) {
            club.SetFacilityLevel(
                static_cast<CClub::Facility>(i),
                static_cast<uint8_t>(std::clamp<int>(facilities[i], 0, CClub::kMaxFacilityLevel)));
        }
    }
    for (int i = 0; i < 2; ++i) {
        club.SetTransferCountry(i, static_cast<uint8_t>(transferCountries[i].Value()));
    }
    club.SetYouthCountry(static_cast<uint8_t>(youthCountry.Value()));

    if (!(latitude == filledLatitude_)) {
        if (const std::optional<int32_t> value = PackedLatitude(latitude)) {
            club.SetLatitude(*value);
        } else {
            refused.push_back(FormatDialogText("club.refused.number",
                                               DialogText("club.label.latitude").c_str(),
                                               static_cast<int>(kLatitudeEditLength)));
        }
    }
    if (!(longitude == filledLongitude_)) {
        if (const std::optional<int32_t> value = PackedLongitude(longitude)) {
            club.SetLongitude(*value);
        } else {
            refused.push_back(FormatDialogText("club.refused.number",
                                               DialogText("club.label.longitude").c_str(),
                                               static_cast<int>(kLongitudeEditLength)));
        }
    }
    if (cityPhoto != filledCityPhoto_ && !club.SetCityPhoto(cityPhoto)) {
        refused.push_back(FormatDialogText("club.refused.picture", cityPhoto.c_str()));
    }
    return refused;
}

bool ClubStadiumPageModel::ChooseCityPhoto() {
    if (context_.prompt == nullptr) {
        return false;
    }
    const std::optional<std::string> path =
        context_.prompt->ChooseFileToOpen(DialogText("club.photo.filter"), "jpg");
    if (!path || path->empty()) {
        return false;
    }
    std::string name = std::filesystem::path(*path).filename().string();
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    bool lossless = true;
    std::string record = FromUtf8(name, ActiveCodePage(), &lossless);
    if (name.empty() || !lossless) {
        // A name the database's code page cannot spell would name another file.
        context_.prompt->ShowMessage(FormatDialogText("club.refused.picture", name.c_str()),
                                     DialogText("club.label.city_photo"));
        return false;
    }
    cityPhoto = std::move(record);
    return true;
}

} // namespace tallo
