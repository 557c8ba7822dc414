#include "editing/player/player_look_choices.h"

#include "formats/base_text_file.h"
#include "formats/dialog_text.h"
#include "formats/string_table.h"
#include "platform/code_page.h"

namespace tallo {

namespace {

constexpr int kFaceTypes = 25;
constexpr int kShoeTypes = 6;
constexpr int kNoneString = 148;

// The skin the renderer gives a face type.
DialogTextKey SkinKey(int faceType) {
    if (faceType >= 20) {
        return "look.skin.dark";
    }
    if (faceType >= 15) {
        return "look.skin.brown";
    }
    if (faceType >= 9 && faceType <= 13) {
        return "look.skin.olive";
    }
    if (faceType == 8 || faceType == 14) {
        return "look.skin.fair";
    }
    return "look.skin.light";
}

// The row of a text table carrying `number`, -1 when none does.
int RowOf(const CBaseTextFile& table, int number) {
    for (int row = 0; row < table.Count(); ++row) {
        if (table.Number(row) == number) {
            return row;
        }
    }
    return -1;
}

} // namespace

std::vector<LookChoice> FaceTypeChoices() {
    std::vector<LookChoice> choices;
    for (int face = 1; face <= kFaceTypes; ++face) {
        choices.push_back(
            {face, FormatDialogText("look.face.item", face, DialogText(SkinKey(face)).c_str())});
    }
    return choices;
}

std::vector<LookChoice> HairColourChoices() {
    return {{1, LoadString(530)},
            {2, LoadString(528)},
            {3, DialogText("look.hair_colour.grey")},
            {4, LoadString(527)},
            {5, LoadString(529)}};
}

std::vector<LookChoice> HairStyleChoices() {
    static constexpr DialogTextKey kNames[] = {
        "look.hair.1", "look.hair.2", "look.hair.3", "look.hair.4", "look.hair.5",
        "look.hair.6", "look.hair.7", "look.hair.8", "look.hair.9", "look.hair.10"};
    std::vector<LookChoice> choices;
    int style = 1;
    for (DialogTextKey key : kNames) {
        choices.push_back({style++, DialogText(key)});
    }
    return choices;
}

std::vector<LookChoice> BeardChoices() {
    return {{1, LoadString(550)}, {2, LoadString(545)}, {3, LoadString(546)},
            {4, LoadString(547)}, {5, LoadString(548)}, {6, LoadString(549)}};
}

std::vector<LookChoice> ShoeTypeChoices(const CBaseTextFile* shoes) {
    std::vector<LookChoice> choices;
    for (int shoe = 0; shoe < kShoeTypes; ++shoe) {
        const int row = shoes != nullptr ? RowOf(*shoes, shoe) : -1;
        std::string name;
        if (row >= 0 && !shoes->Text(row).empty()) {
            name = ToUtf8(shoes->Text(row), ActiveCodePage());
        } else {
            name = FormatDialogText("look.shoe.item", shoe);
        }
        choices.push_back({shoe, std::move(name)});
    }
    return choices;
}

std::vector<LookChoice> SpecialFaceChoices(const CBaseTextFile* faces) {
    std::vector<LookChoice> choices{{0, LoadString(kNoneString)}};
    if (faces == nullptr) {
        return choices;
    }
    for (int row = 0; row < faces->Count(); ++row) {
        const int number = faces->Number(row);
        if (number > 0 && number <= 0xFFFF && !faces->Text(row).empty()) {
            choices.push_back({number, ToUtf8(faces->Text(row), ActiveCodePage())});
        }
    }
    return choices;
}

int LookChoiceIndex(const std::vector<LookChoice>& choices, int value) {
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace tallo
