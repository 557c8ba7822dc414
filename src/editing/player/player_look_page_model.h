#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "assets/renderer_plugin.h"
#include "editing/player/player_look_choices.h"

namespace tallo {

class CBaseTextFile;
class CClub;
class CPlayer;
struct PersonEditContext;

// The look page (CDlgPlayerLook): special face, the generated face (face and skin type, hair
// colour, hair style, beard and moustache), shoe type, height and weight with their imperial
// renderings, long sleeves; and the values the renderer's head preview takes.
//
// The page edits its person in place. Store writes a group of values only when one of them
// differs from what Fill found, so an untouched page changes no byte: the face group (hair
// colour, look value D, which the page always sets to 0, face type, hair style, beard), then
// shoe type and special face, then height and weight (each within its limits), then the
// long-sleeves bit of the kit flags (the other bits kept).
class PlayerLookPageModel {
public:
    static constexpr int kMinHeight = 150;
    static constexpr int kMaxHeight = 220;
    static constexpr int kMinWeight = 50;
    static constexpr int kMaxWeight = 150;
    static constexpr int kMaxShoeType = 5;

    // The look values of the page.
    struct Looks {
        int specialFace = 0;
        int faceType = 0;
        int hairColour = 0;
        int hairStyle = 0;
        int beard = 0;
        int shoeType = 0;
        int height = 0;
        int weight = 0;
        bool longSleeves = false;
        bool operator==(const Looks&) const = default;
    };

    // `faces` and `shoes`: the special face and shoe tables of the database's language folder
    // (null: none).
    PlayerLookPageModel(const PersonEditContext& context, const CBaseTextFile* faces,
                        const CBaseTextFile* shoes);

    // Binds the page to a person (null: nothing) and fills the values from it.
    void SetPerson(CPlayer* person);
    CPlayer* Person() const { return person_; }
    void Fill();
    // Writes the changed groups into the person (nothing without a person).
    void Store();

    const Looks& Values() const { return looks_; }
    // Setters keep each value within what the page offers: face type 1-25, hair colour 1-5,
    // hair style 1-10, beard 1-6, shoe type 0-5, a special face of the list, height 150-220,
    // weight 50-150. A value the page does not offer is refused (the old one stays).
    void SetSpecialFace(int face);
    void SetFaceType(int value);
    void SetHairColour(int value);
    void SetHairStyle(int value);
    void SetBeard(int value);
    void SetShoeType(int value);
    void SetHeight(int cm);
    void SetWeight(int kg);
    void SetLongSleeves(bool on) { looks_.longSleeves = on; }

    const std::vector<LookChoice>& SpecialFaces() const { return specialFaces_; }
    const std::vector<LookChoice>& FaceTypes() const { return faceTypes_; }
    const std::vector<LookChoice>& HairColours() const { return hairColours_; }
    const std::vector<LookChoice>& HairStyles() const { return hairStyles_; }
    const std::vector<LookChoice>& Beards() const { return beards_; }
    const std::vector<LookChoice>& ShoeTypes() const { return shoeTypes_; }

    // "5 ft 11 in" and "11 st 11 lb" of the values shown (rounded to the nearest inch and
    // pound).
    std::string HeightImperial() const;
    std::string WeightImperial() const;
    static void ToFeetAndInches(int cm, int& feet, int& inches);
    static void ToStonesAndPounds(int kg, int& stones, int& pounds);

    // The renderer's head: the five look values of the lists (0 for a value no entry has) and
    // the kit colours of the club listing the person (a person without a club: no colours).
    std::array<uint32_t, TALLO_LOOK_SIZE> LookValues() const;
    std::array<uint32_t, TALLO_HEAD_COLOURS_SIZE> HeadColours() const;
    // The club listing the person (an ordinary club before a national team), or null.
    const CClub* Club() const { return club_; }

private:
    const CClub* FindListingClub() const;

    const PersonEditContext& context_;
    CPlayer* person_ = nullptr;
    const CClub* club_ = nullptr;
    Looks looks_;
    Looks filled_;
    std::vector<LookChoice> specialFaces_;
    std::vector<LookChoice> faceTypes_;
    std::vector<LookChoice> hairColours_;
    std::vector<LookChoice> hairStyles_;
    std::vector<LookChoice> beards_;
    std::vector<LookChoice> shoeTypes_;
};

} // namespace tallo
