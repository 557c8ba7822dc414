#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tallo {

class CCountry;

// The young-player appearance page of the country settings editor (CDlgLandYouthplayer): which
// skin colours, hair colours, hair styles, beards and face types the country's generated young
// players may get, and their average height and weight.
//
// Each list stands for one bit set of the country: item n is selected when bit n is set, and
// Store makes the bits of the items the OR of the selected ones. Bits that no item stands for
// are not shown and stay as they are. The values are those of a player's looks (the same
// numbers the player look page stores), so bit n allows look value n.
class YouthLooksPageModel {
public:
    enum List { kSkinColours, kHairColours, kHairStyles, kBeards, kFaceTypes };
    static constexpr int kListCount = 5;
    static constexpr int kMinHeight = 150;
    static constexpr int kMaxHeight = 220;
    static constexpr int kMinWeight = 50;
    static constexpr int kMaxWeight = 150;

    // An entry of a list: its text (UTF-8, interface language) and its bit.
    struct Item {
        std::string text;
        int bit = 0;
    };
    // The entries of a list, in list order. In the face type list, entries whose text equals
    // that of their neighbours are numbered: "<text> (1)", "<text> (2)", ...
    static std::vector<Item> Items(List list);
    // The bits all entries of a list stand for.
    static uint32_t ItemMask(List list);
    static const std::string& Label(List list);

    // Feet and inches, stones and pounds.
    static std::string HeightText(int centimetres);
    static std::string WeightText(int kilograms);

    void Fill(const CCountry& country);
    // Writes the selections; height and weight only when they changed, each set into its range.
    void Store(CCountry& country) const;

    // Values the view binds: per list, per entry whether it is selected.
    std::array<std::vector<bool>, kListCount> selected;
    int height = 0; // centimetres
    int weight = 0; // kilograms

private:
    int filledHeight_ = 0;
    int filledWeight_ = 0;
};

} // namespace tallo
