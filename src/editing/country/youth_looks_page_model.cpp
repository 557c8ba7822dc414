#include "editing/country/youth_looks_page_model.h"

#include <algorithm>
#include <iterator>

#include "editing/player/player_look_choices.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "world/country.h"
#include "world/number_format.h"

namespace tallo {

namespace {

struct NumberedEntry {
    int text; // string-table entry
    int bit;
};

// Hair colours and beards by their string-table entries; the bits are the look values the
// player look page gives the same texts.
constexpr NumberedEntry kHairColourEntries[] = {{530, 1}, {528, 2}, {702, 3}, {527, 4}, {529, 5}};
constexpr NumberedEntry kBeardEntries[] = {{550, 1}, {545, 2}, {549, 6},
                                           {546, 3}, {547, 4}, {548, 5}};

// The skin a face type is drawn with, by key; the face types listed skin by skin so that the
// faces of one skin stand together and are told apart by their number.
struct SkinGroup {
    DialogTextKey skin;
    std::vector<int> faces;
};

const std::vector<SkinGroup>& SkinGroups() {
    static const std::vector<SkinGroup> groups{
        {"youth.skin.light", {1, 2, 3, 4, 5, 6, 7}},   {"youth.skin.fair", {8, 14}},
        {"youth.skin.olive", {9, 10, 11, 12, 13}},     {"youth.skin.brown", {15, 16, 17, 18, 19}},
        {"youth.skin.dark", {20, 21, 22, 23, 24, 25}},
    };
    return groups;
}

uint32_t* Field(CCountry& country, YouthLooksPageModel::List list) {
    switch (list) {
    case YouthLooksPageModel::kSkinColours:
        return &country.allowedSkinColours;
    case YouthLooksPageModel::kHairColours:
        return &country.allowedHairColours;
    case YouthLooksPageModel::kHairStyles:
        return &country.allowedHairStyles;
    case YouthLooksPageModel::kBeards:
        return &country.allowedFacialHair;
    default:
        return &country.allowedFaceTypes;
    }
}

uint32_t FieldValue(const CCountry& country, YouthLooksPageModel::List list) {
    return *Field(const_cast<CCountry&>(country), list);
}

// Numbers the texts of entries that stand beside entries of the same text.
void NumberEqualNeighbours(std::vector<YouthLooksPageModel::Item>& items) {
    size_t start = 0;
    while (start < items.size()) {
        size_t end = start + 1;
        while (end < items.size() && items[end].text == items[start].text) {
            ++end;
        }
        if (end - start > 1) {
            const std::string text = items[start].text;
            for (size_t i = start; i < end; ++i) {
                items[i].text = FormatDialogText("youth.face.numbered", text.c_str(),
                                                 static_cast<int>(i - start + 1));
            }
        }
        start = end;
    }
}

} // namespace

std::vector<YouthLooksPageModel::Item> YouthLooksPageModel::Items(List list) {
    std::vector<Item> items;
    switch (list) {
    case kSkinColours: {
        int bit = 1;
        for (const SkinGroup& group : SkinGroups()) {
            items.push_back({DialogText(group.skin), bit++});
        }
        break;
    }
    case kHairColours:
        for (const NumberedEntry& entry : kHairColourEntries) {
            items.push_back({LoadString(entry.text), entry.bit});
        }
        break;
    case kHairStyles:
        for (const LookChoice& choice : HairStyleChoices()) {
            items.push_back({choice.name, choice.value});
        }
        break;
    case kBeards:
        for (const NumberedEntry& entry : kBeardEntries) {
            items.push_back({LoadString(entry.text), entry.bit});
        }
        break;
    case kFaceTypes:
        for (const SkinGroup& group : SkinGroups()) {
            for (int face : group.faces) {
                items.push_back({DialogText(group.skin), face});
            }
        }
        NumberEqualNeighbours(items);
        break;
    }
    return items;
}

uint32_t YouthLooksPageModel::ItemMask(List list) {
    uint32_t mask = 0;
    for (const Item& item : Items(list)) {
        mask |= 1u << item.bit;
    }
    return mask;
}

const std::string& YouthLooksPageModel::Label(List list) {
    switch (list) {
    case kSkinColours:
        return DialogText("youth.label.skin_colours");
    case kHairColours:
        return DialogText("youth.label.hair_colours");
    case kHairStyles:
        return DialogText("youth.label.hair_styles");
    case kBeards:
        return DialogText("youth.label.beards");
    default:
        return DialogText("youth.label.face_types");
    }
}

std::string YouthLooksPageModel::HeightText(int centimetres) {
    return FormatHeight(centimetres);
}

std::string YouthLooksPageModel::WeightText(int kilograms) {
    return FormatWeight(kilograms);
}

void YouthLooksPageModel::Fill(const CCountry& country) {
    for (int which = 0; which < kListCount; ++which) {
        const List list = static_cast<List>(which);
        const uint32_t value = FieldValue(country, list);
        std::vector<bool>& marks = selected[which];
        marks.clear();
        for (const Item& item : Items(list)) {
            marks.push_back((value & (1u << item.bit)) != 0);
        }
    }
    height = filledHeight_ = country.averageHeight;
    weight = filledWeight_ = country.averageWeight;
}

void YouthLooksPageModel::Store(CCountry& country) const {
    for (int which = 0; which < kListCount; ++which) {
        const List list = static_cast<List>(which);
        const std::vector<Item> items = Items(list);
        uint32_t chosen = 0;
        for (size_t i = 0; i < items.size() && i < selected[which].size(); ++i) {
            if (selected[which][i]) {
                chosen |= 1u << items[i].bit;
            }
        }
        uint32_t& field = *Field(country, list);
        field = (field & ~ItemMask(list)) | chosen;
    }
    if (height != filledHeight_) {
        country.averageHeight = static_cast<uint8_t>(std::clamp(height, kMinHeight, kMaxHeight));
    }
    if (weight != filledWeight_) {
        country.averageWeight = static_cast<uint8_t>(std::clamp(weight, kMinWeight, kMaxWeight));
    }
}

} // namespace tallo
