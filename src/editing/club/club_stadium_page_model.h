#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/club/club_choice_lists.h"

namespace tallo {

class CClub;
class IPrompt;
struct ClubEditContext;

// The stadium and facilities page (CDlgClubStadium): main and alternative stadium, the seven
// facility levels, the two transfer countries and the youth country, latitude and longitude,
// and the city photo.
class ClubStadiumPageModel {
public:
    // One coordinate as the page shows it: the hemisphere (false: the first, North or East;
    // true: the second, South or West, stored negated) and the degrees and minutes as typed.
    struct Coordinate {
        bool secondHemisphere = false;
        std::string degrees;
        std::string minutes;
    };

    static constexpr size_t kLatitudeEditLength = 3;
    static constexpr size_t kLongitudeEditLength = 4;
    static constexpr int kFacilityLevels = 6; // 0 to 5

    explicit ClubStadiumPageModel(const ClubEditContext& context);

    void Fill(const CClub& club);
    // Writes the values into `club`; the messages of what was refused (the club keeps its old
    // value there).
    std::vector<std::string> Store(CClub& club) const;

    // "Find file": asks for a picture through the context's prompt; the chosen file's name
    // (without its folder: the pictures lie in the installation's folder of city photos)
    // becomes the city photo. False when cancelled or when there is no prompt.
    bool ChooseCityPhoto();

    // The stored form of a coordinate, by the packing rules of the club (degrees 0-90 or
    // 0-180, minutes 0-59); nothing when the degrees or minutes are not numbers.
    static std::optional<int32_t> PackedLatitude(const Coordinate& coordinate);
    static std::optional<int32_t> PackedLongitude(const Coordinate& coordinate);
    static Coordinate Unpacked(int32_t value);

    // Values the view binds ---------------------------------------------------------------------
    ChoiceField mainStadium;
    ChoiceField alternativeStadium;
    std::array<int, 7> facilities{}; // 0-5 each, in the club's facility order
    std::array<ChoiceField, 2> transferCountries;
    ChoiceField youthCountry;
    Coordinate latitude;
    Coordinate longitude;
    std::string cityPhoto; // record text

private:
    const ClubEditContext& context_;
    Coordinate filledLatitude_;
    Coordinate filledLongitude_;
    std::array<int, 7> filledFacilities_{};
    std::string filledCityPhoto_;
};

} // namespace tallo
