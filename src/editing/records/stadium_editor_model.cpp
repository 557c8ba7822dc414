#include "editing/records/stadium_editor_model.h"

#include <algorithm>
#include <array>
#include <limits>

#include "formats/dialog_text.h"
#include "world/number_format.h"
#include "world/stadium_list.h"

namespace tallo {

namespace {

constexpr std::array<DialogTextKey, Stadium::kStandCount> kStandKeys = {
    "stadium.stand.0", "stadium.stand.1", "stadium.stand.2", "stadium.stand.3",
    "stadium.stand.4", "stadium.stand.5", "stadium.stand.6", "stadium.stand.7"};

bool ValidStand(int stand) {
    return stand >= 0 && stand < Stadium::kStandCount;
}

uint8_t WithBit(uint8_t mask, int bit, bool on) {
    const auto value = static_cast<uint8_t>(1u << bit);
    return static_cast<uint8_t>(on ? mask | value : mask & ~value);
}

} // namespace

StadiumEditorModel::StadiumEditorModel(const Stadium& stadium, const StadiumList& models)
    : models_(models), stadium_(stadium) {
    modelIndex_ = FindModelIndex();
}

int StadiumEditorModel::FindModelIndex() const {
    const std::vector<StadiumModel>& entries = models_.Entries();
    int sameNumber = -1;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].number != stadium_.model) {
            continue;
        }
        if (entries[i].flag == stadium_.ModelFlag()) {
            return static_cast<int>(i);
        }
        if (sameNumber < 0) {
            sameNumber = static_cast<int>(i);
        }
    }
    if (sameNumber >= 0) {
        return sameNumber;
    }
    return stadium_.model == 0 ? kNoModel : kUnlistedModel;
}

void StadiumEditorModel::SetName(const std::string& text) {
    stadium_.SetName(std::string_view(text).substr(0, kTextLimit));
}

void StadiumEditorModel::SetCity(const std::string& text) {
    stadium_.SetCity(std::string_view(text).substr(0, kTextLimit));
}

std::vector<std::string> StadiumEditorModel::ModelNames() const {
    std::vector<std::string> names;
    for (const StadiumModel& entry : models_.Entries()) {
        names.push_back(entry.name);
    }
    return names;
}

void StadiumEditorModel::ChooseModel(int index) {
    const bool listed = index >= 0 && static_cast<size_t>(index) < models_.Count();
    // "No model" is any index beyond the list. With an empty list, index 0 would be beyond it
    // too, yet still count as the first entry and give capacity class 1; the largest index is
    // beyond every list and gives class 0.
    models_.ApplyModelChoice(stadium_, listed ? static_cast<size_t>(index)
                                              : std::numeric_limits<size_t>::max());
    modelIndex_ = listed ? index : kNoModel;
}

int32_t StadiumEditorModel::PlaceCount(int stand, Places kind) const {
    if (!ValidStand(stand)) {
        return 0;
    }
    switch (kind) {
    case Places::kSeats:
        return stadium_.seats[stand];
    case Places::kTerraces:
        return stadium_.terraces[stand];
    case Places::kVip:
        return stadium_.vip[stand];
    }
    return 0;
}

void StadiumEditorModel::SetPlaceCount(int stand, Places kind, int32_t count) {
    if (!ValidStand(stand)) {
        return;
    }
    count = std::clamp<int32_t>(count, 0, kMaxPlaces);
    switch (kind) {
    case Places::kSeats:
        stadium_.seats[stand] = count;
        break;
    case Places::kTerraces:
        stadium_.terraces[stand] = count;
        break;
    case Places::kVip:
        stadium_.vip[stand] = count;
        break;
    }
    stadium_.ApplyCapacityLimits();
}

bool StadiumEditorModel::SeasonTicket(int stand) const {
    return ValidStand(stand) && (stadium_.seasonTicketStands & (1u << stand)) != 0;
}

bool StadiumEditorModel::Away(int stand) const {
    return ValidStand(stand) && (stadium_.awayStands & (1u << stand)) != 0;
}

void StadiumEditorModel::SetSeasonTicket(int stand, bool on) {
    if (ValidStand(stand)) {
        stadium_.seasonTicketStands = WithBit(stadium_.seasonTicketStands, stand, on);
    }
}

void StadiumEditorModel::SetAway(int stand, bool on) {
    if (ValidStand(stand)) {
        stadium_.awayStands = WithBit(stadium_.awayStands, stand, on);
    }
}

std::string StadiumEditorModel::CountText(int64_t count) {
    const int64_t bounded = std::clamp<int64_t>(count, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max());
    return FormatThousands(static_cast<int32_t>(bounded));
}

std::string StadiumEditorModel::TotalText() const {
    return CountText(Total());
}

std::string StadiumEditorModel::ClassText() const {
    const int capacityClass = stadium_.CapacityClass();
    const int32_t ceiling = CapacityCeiling(capacityClass);
    if (ceiling == 0) {
        return DialogText("stadium.class.none");
    }
    return FormatDialogText("stadium.class", capacityClass, CountText(ceiling).c_str());
}

std::optional<int> StadiumEditorModel::InconsistentStand() const {
    for (int stand = 0; stand < Stadium::kStandCount; ++stand) {
        if (SeasonTicket(stand) && Away(stand)) {
            return stand;
        }
    }
    return std::nullopt;
}

std::string StadiumEditorModel::Problem() const {
    const std::optional<int> stand = InconsistentStand();
    if (!stand.has_value()) {
        return std::string();
    }
    return FormatDialogText("stadium.inconsistent", StandName(*stand).c_str());
}

bool StadiumEditorModel::Store(Stadium& target) const {
    // Bits 0-7 are the eight stands, so the masks themselves must agree.
    if (!stadium_.StandMasksConsistent()) {
        return false;
    }
    target = stadium_;
    return true;
}

std::string StadiumEditorModel::StandName(int stand) {
    if (!ValidStand(stand)) {
        return std::string();
    }
    return DialogText(kStandKeys[static_cast<size_t>(stand)]);
}

} // namespace tallo
