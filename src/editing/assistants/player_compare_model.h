#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editing/assistants/list_sort.h"
#include "world/player.h"

namespace tallo {

class CWorld;

// The player comparison: two sides, each choosing a country, a club of it and a player of the
// club, whose 16 abilities are shown side by side. The model only reads the world.
class PlayerCompareModel {
public:
    static constexpr int kSides = 2;
    static constexpr int kColumnCount = 3; // name, position, level
    using Abilities = std::array<uint8_t, CPlayer::kAbilityCount>;

    // An entry of a country or club combo: its text (record text) and the country number or
    // club key.
    struct Item {
        std::string text;
        uint32_t data = 0;
    };
    struct Row {
        uint32_t player = 0;
        std::vector<std::string> cells; // record texts, one per column
    };

    // `country` is preselected on both sides when it is offered.
    PlayerCompareModel(const CWorld& world, int languageSlot, int country);

    // The countries that have a name and a club (not the national team) with a first-team
    // player; the same on both sides.
    const std::vector<Item>& Countries() const { return countries_; }
    int Country(int side) const { return Side(side).country; }
    // Chooses a side's country: its clubs are listed and the first of them chosen.
    void ChooseCountry(int side, int country);

    // The clubs of the side's country that have a name, a number below 65535 and a first-team
    // player: "name (average level of the first-team players)".
    const std::vector<Item>& Clubs(int side) const { return Side(side).clubs; }
    uint32_t Club(int side) const { return Side(side).club; }
    // Chooses a side's club and lists its players (role 0, with a name), sorted. The chosen
    // player stays chosen when the club lists him, else none is chosen.
    void ChooseClub(int side, uint32_t key);

    const std::vector<Row>& Players(int side) const { return Side(side).rows; }
    const ListSort& Sort(int side) const { return Side(side).sort; }
    void SortBy(int side, int column);
    // The row of the chosen player, -1 for none.
    int ChosenRow(int side) const;
    uint32_t Player(int side) const { return Side(side).player; }
    // Chooses the player of a row (-1 or a row outside the list: none).
    void ChooseRow(int side, int row);

    // The chosen player's abilities, none without a player (the fields are disabled then).
    std::optional<Abilities> PlayerAbilities(int side) const;

private:
    struct SideState {
        int country = 0;
        uint32_t club = 0;
        uint32_t player = 0;
        ListSort sort;
        std::vector<Item> clubs;
        std::vector<Row> rows;
    };

    SideState& Side(int side) { return sides_[side == 1 ? 1 : 0]; }
    const SideState& Side(int side) const { return sides_[side == 1 ? 1 : 0]; }
    void SortRows(SideState& state);

    const CWorld& world_;
    int languageSlot_;
    std::vector<Item> countries_;
    std::array<SideState, kSides> sides_;
};

} // namespace tallo
