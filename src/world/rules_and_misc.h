#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tallo {

class CKLFile;

// The rules and international settings of a whole database, kept in "Rules.sav": the names
// of the four international club competitions in the five database languages, their last
// winners and first final venues, the points rules of league play and the substitutions
// allowed in friendly matches.
//
// Competitions by index: 0 Champions Cup, 1 European Cup, 2 South American Cup, 3 IT Cup.
// Club and stadium references carry the country number in bits 16-23 and the club or stadium
// number in the low 16 bits; 0 means none.
//
// The object is a plain value: copying it copies everything (editors work on a copy and
// assign it back when the user confirms).
class RulesAndMisc {
public:
    static constexpr int kCompetitions = 4;
    static constexpr int kLanguages = 5;
    static constexpr int kLongNameSize = 30;  // at most 29 characters
    static constexpr int kShortNameSize = 17; // at most 16 characters
    static constexpr int kClubReferences = 3;
    static constexpr int kStadiumReferences = 3;
    static constexpr int kFurtherClubReferences = 2;
    static constexpr int kPointsRules = 5;
    static constexpr int32_t kDefaultFriendlySubstitutions = 6;
    static constexpr int32_t kMaxFriendlySubstitutions = 7;

    // Points rules by index.
    enum PointsRule {
        kPointsForWin = 0,         // 0 two, 1 three, 2 four
        kPointsForAwayWin = 1,     // 0 two, 1 three, 2 four
        kBonusAgainstChampion = 2, // 0 yes, 1 no
        kBonusForThreeGoals = 3,   // 0 yes, 1 no
        kPointsRuleSpare = 4,      // kept and saved
    };

    // Everything zero and empty, friendly substitutions 6.
    RulesAndMisc();

    // Names ---------------------------------------------------------------------------------
    // An index out of range gives an empty name; setting one fails and changes nothing.
    // Setting copies at most 29 (long) or 16 (short) characters. A text holding a double quote
    // or a control character is refused: it would break the quoted line the names are stored
    // in and shift every value after it.
    std::string_view LongName(int competition, int language) const;
    std::string_view ShortName(int competition, int language) const;
    bool SetLongName(int competition, int language, std::string_view text);
    bool SetShortName(int competition, int language, std::string_view text);

    // References ----------------------------------------------------------------------------
    // Getters give 0 for an index out of range; setters then fail and change nothing.
    // Club references: 0 last Champions Cup winner, 1 last European Cup winner, 2 holder of the
    // South American Cup. Stadium references: 0 and 1 the first season's final venues of the
    // Champions Cup and the European Cup, 2 a third venue. The further club references have
    // no editor; they are kept, validated and saved.
    uint32_t ClubReference(int index) const;
    bool SetClubReference(int index, uint32_t reference);
    uint32_t StadiumReference(int index) const;
    bool SetStadiumReference(int index, uint32_t reference);
    uint32_t FurtherClubReference(int index) const;
    bool SetFurtherClubReference(int index, uint32_t reference);

    // Rules ---------------------------------------------------------------------------------
    int32_t PointsRule(int index) const; // 0 for an index out of range
    bool SetPointsRule(int index, int32_t value);
    int32_t FriendlySubstitutions() const { return friendlySubstitutions_; }
    void SetFriendlySubstitutions(int32_t count) { friendlySubstitutions_ = count; }

    // Copy of the whole object.
    void CopyFrom(const RulesAndMisc& other) { *this = other; }
    bool operator==(const RulesAndMisc& other) const = default;

    // Files ---------------------------------------------------------------------------------

    // Writes "<folder>/Rules.sav" (section RULES_AND_MISC). The file is replaced only when
    // everything could be written; false otherwise.
    bool SaveRules(const std::string& folder) const;
    // Reads "<folder>/Rules.sav", accepting the files of older format versions. A missing file
    // or section leaves the object as it is and gives false.
    bool LoadRules(const std::string& folder);

    // The section alone, for callers that hold the file themselves.
    bool Write(CKLFile& file) const;
    bool Read(CKLFile& file);

    // Checks the references against the loaded world. `currentClub` gives a club reference in
    // its current form, or 0 when it leads to no club; `stadiumExists` tells whether a stadium
    // reference leads to a stadium. References that lead nowhere become 0; references of 0 are
    // left alone. An empty callback leaves its references unchecked. Friendly substitutions are
    // clamped to 0..7.
    using ClubCheck = std::function<uint32_t(uint32_t reference)>;
    using StadiumCheck = std::function<bool(uint32_t reference)>;
    void ValidateRules(const ClubCheck& currentClub, const StadiumCheck& stadiumExists);

private:
    void ShortNamesFromLongNames();

    char longNames_[kCompetitions][kLanguages][kLongNameSize];
    char shortNames_[kCompetitions][kLanguages][kShortNameSize];
    uint32_t clubReferences_[kClubReferences];
    uint32_t stadiumReferences_[kStadiumReferences];
    uint32_t furtherClubReferences_[kFurtherClubReferences];
    int32_t pointsRules_[kPointsRules];
    int32_t friendlySubstitutions_;
};

} // namespace tallo
