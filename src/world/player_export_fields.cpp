#include "world/player_export_fields.h"

#include "world/date_text.h"
#include "world/player.h"

namespace tallo {

namespace {

template <class T> std::string Number(T value) {
    return std::to_string(value);
}

constexpr PlayerExportField kFields[] = {
    {"playerid", [](const CPlayer& p) { return Number(p.Id()); }},
    {"zeloplayerid", [](const CPlayer& p) { return Number(p.MappedId()); }},
    {"nationality", [](const CPlayer& p) { return Number(p.Nationality()); }},
    {"nationality2", [](const CPlayer& p) { return Number(p.SecondNationality()); }},
    {"firstname", [](const CPlayer& p) { return std::string(p.FirstName()); }},
    {"surname", [](const CPlayer& p) { return std::string(p.Surname()); }},
    {"nickname", [](const CPlayer& p) { return std::string(p.Nickname()); }},
    {"psedonym", [](const CPlayer& p) { return std::string(p.Pseudonym()); }},
    {"dateofbirth2", [](const CPlayer& p) { return FormatDate(p.BirthDate(), false); }},
    {"Talent", [](const CPlayer& p) { return Number(p.Talent()); }},
    {"preferredfoot", [](const CPlayer& p) { return Number(p.PreferredFoot()); }},
    {"Passing", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kPassing)); }},
    {"Heading", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kHeading)); }},
    {"ShotPower", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kShotPower)); }},
    {"ShotAccuracy", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kShotAccuracy)); }},
    {"Acceleration", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kAcceleration)); }},
    {"Pace", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kPace)); }},
    {"Tackling", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kTackling)); }},
    {"Dribbling", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kDribbling)); }},
    {"Technique", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kTechnique)); }},
    {"Crossing", [](const CPlayer& p) { return Number(p.Ability(CPlayer::kCrossing)); }},
    {"Leadership", [](const CPlayer& p) { return Number(p.Trait(CPlayer::kLeadership)); }},
    {"Attitude", [](const CPlayer& p) { return Number(p.Trait(CPlayer::kAttitude)); }},
    {"Flexibility", [](const CPlayer& p) { return Number(p.Trait(CPlayer::kFlexibility)); }},
    {"Calm", [](const CPlayer& p) { return Number(p.Trait(CPlayer::kMentalStrength)); }},
    {"Consistency", [](const CPlayer& p) { return Number(p.Trait(CPlayer::kConsistency)); }},
    {"ClinicalFinisher", [](const CPlayer& p) { return Number(p.Trait(CPlayer::kFairness)); }},
    {"Loyalty", [](const CPlayer& p) { return Number(p.Trait(CPlayer::kClubAttitude)); }},
    {"leagueexperience", [](const CPlayer& p) { return Number(p.LeagueExperience()); }},
    {"internationalexperience",
     [](const CPlayer& p) { return Number(p.InternationalExperience()); }},
    {"jerseynumber", [](const CPlayer& p) { return Number(p.ShirtNumber()); }},
    {"postition1", [](const CPlayer& p) { return Number(p.MainPosition()); }},
    {"postition2", [](const CPlayer& p) { return Number(p.SecondPosition()); }},
    {"GoalkeeperRating",
     [](const CPlayer& p) { return Number(p.PositionRating(CPlayer::kGoalkeeperGroup)); }},
    {"DefenseRating",
     [](const CPlayer& p) { return Number(p.PositionRating(CPlayer::kDefenceGroup)); }},
    {"MidfieldRating",
     [](const CPlayer& p) { return Number(p.PositionRating(CPlayer::kMidfieldGroup)); }},
    {"AttackRating",
     [](const CPlayer& p) { return Number(p.PositionRating(CPlayer::kAttackGroup)); }},
    {"haircolorid", [](const CPlayer& p) { return Number(p.HairColour()); }},
    {"facetypeid", [](const CPlayer& p) { return Number(p.FaceType()); }},
    {"hairtypeid", [](const CPlayer& p) { return Number(p.HairStyle()); }},
    {"facialhairstyleid", [](const CPlayer& p) { return Number(p.Beard()); }},
    {"height", [](const CPlayer& p) { return Number(p.Height()); }},
    {"weight", [](const CPlayer& p) { return Number(p.Weight()); }},
    {"TacticalEducation", [](const CPlayer& p) { return Number(p.TacticalEducation()); }},
};

} // namespace

std::span<const PlayerExportField> PlayerExportFields() {
    return kFields;
}

const PlayerExportField* FindPlayerExportField(std::string_view name) {
    for (const PlayerExportField& field : kFields) {
        if (field.name == name) {
            return &field;
        }
    }
    return nullptr;
}

} // namespace tallo
