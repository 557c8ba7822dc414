#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/stadium.h"

namespace tallo {

class StadiumList;

// The stadium editor (CDlgStadium): name and city, the real-stadium model, the places of the
// eight stands, their season-ticket and away marks, and the total capacity.
//
// The model works on its own copy of the stadium and writes it back only through Store. Every
// change of the model or of a place count brings all eight stands down to the capacity limits
// at once (VIP places go first, then terraces, then seats); the view shows the places again
// after each change. Opening and storing without a change gives the stadium back unchanged.
// A stand must not be both a season-ticket block and the away block: Store refuses such a
// stadium and the view keeps the dialog open with the message of Problem().
class StadiumEditorModel {
public:
    static constexpr size_t kTextLimit = 29; // name and city
    static constexpr int32_t kMaxPlaces = 999999;
    // ModelIndex() of a stadium without a model and of one whose model the list lacks.
    static constexpr int kNoModel = -1;
    static constexpr int kUnlistedModel = -2;

    enum class Places { kSeats, kTerraces, kVip };

    // `models` must outlive the model (the editor uses GlobalStadiumList()).
    StadiumEditorModel(const Stadium& stadium, const StadiumList& models);

    const Stadium& Edited() const { return stadium_; }

    // Record texts (8-bit), cut to 29 characters.
    std::string Name() const { return std::string(stadium_.Name()); }
    std::string City() const { return std::string(stadium_.City()); }
    void SetName(const std::string& text);
    void SetCity(const std::string& text);

    // The names of the model list entries (record text), in list order.
    std::vector<std::string> ModelNames() const;
    // The entry the stadium's model is: the first entry with its number and flag (or, failing
    // that, its number); kNoModel for model 0 that no entry has, kUnlistedModel for another
    // number the list lacks.
    int ModelIndex() const { return modelIndex_; }
    // Chooses entry `index` (kNoModel or any index outside the list: no model), as the list
    // sets a stadium to a model, capacity class included; then the limits are applied.
    void ChooseModel(int index);

    int32_t PlaceCount(int stand, Places kind) const;
    // Sets one count (bounded to 0..kMaxPlaces) and applies the limits to every stand.
    void SetPlaceCount(int stand, Places kind, int32_t count);
    bool SeasonTicket(int stand) const;
    bool Away(int stand) const;
    void SetSeasonTicket(int stand, bool on);
    void SetAway(int stand, bool on);

    // The most places the stand may hold, -1 when there is no limit.
    int32_t StandLimit(int stand) const { return stadium_.StandLimit(stand); }
    int CapacityClass() const { return stadium_.CapacityClass(); }
    int64_t Total() const { return stadium_.TotalCapacity(); }
    // The total with dots between thousands ("22.500").
    std::string TotalText() const;
    // "Capacity class k: at most n places" or "no capacity limit" (UTF-8).
    std::string ClassText() const;

    // The first stand that is both a season-ticket block and the away block.
    std::optional<int> InconsistentStand() const;
    // Why the stadium cannot be stored (UTF-8, naming the stand); empty when it can.
    std::string Problem() const;
    // Writes the stadium into `target`; false (nothing written) when it is inconsistent.
    bool Store(Stadium& target) const;

    // The name of stand 0 to 7 in the interface language (empty outside).
    static std::string StandName(int stand);
    // A count as the total is shown, with dots between thousands; counts beyond the 32-bit
    // range are shown at its end.
    static std::string CountText(int64_t count);

private:
    int FindModelIndex() const;

    const StadiumList& models_;
    Stadium stadium_;
    int modelIndex_ = kNoModel;
};

} // namespace tallo
