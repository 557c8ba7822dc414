#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "formats/kl_file.h"
#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/country_competition_tree.h"
#include "world/player.h"
#include "world/world.h"

namespace tallo::test {

// A stand-in for the competition tree of a country: a top league with a name and teams, a
// national cup name and a fault flag. It writes one COMP0 section with these values (teams
// translated like every club reference of a save) and reads it back.
class FakeCompetitionTree : public CountryCompetitionTree {
public:
    explicit FakeCompetitionTree(CCountry& country) : country_(&country) {}

    std::string topLeague;
    std::string cup;
    std::vector<uint32_t> teams;
    bool faults = false;

    bool Save(CKLFile& file) const override {
        bool ok = file.WriteInt(topLeague.empty() ? 0 : 1);
        if (!topLeague.empty()) {
            ok = file.WriteSectionBegin("COMP0") && ok;
            ok = file.WriteString(topLeague) && ok;
            ok = file.WriteString(cup) && ok;
            ok = file.WriteInt(static_cast<int32_t>(teams.size())) && ok;
            for (uint32_t team : teams) {
                ok = file.WriteHex(country_->TranslateClubReference(team)) && ok;
            }
            ok = file.WriteSectionEnd("COMP0") && ok;
        }
        return ok;
    }
    bool Load(CKLFile& file) override {
        int32_t count = 0;
        file.ReadInt(count);
        if (count < 1 || !file.FindSection("COMP0")) {
            return true;
        }
        file.ReadCString(topLeague);
        file.ReadCString(cup);
        int32_t teamCount = 0;
        file.ReadInt(teamCount);
        for (int32_t i = 0; i < teamCount && i < 100; ++i) {
            uint32_t team = 0;
            file.ReadHex(team);
            teams.push_back(team);
        }
        file.SkipSection("COMP0");
        return true;
    }
    void FinishLoad() override { ++finishedLoads; }
    int LeagueCount() const override { return topLeague.empty() ? 0 : 1; }
    bool HasTopLeague() const override { return !topLeague.empty(); }
    std::string TopLeagueName() const override { return topLeague; }
    std::vector<uint32_t> TopLeagueTeams() const override { return teams; }
    std::string NationalCupName() const override { return cup; }
    bool HasFaults(uint8_t) const override { return faults; }
    std::unique_ptr<CountryCompetitionTree> CloneFor(CCountry& owner) const override {
        auto copy = std::make_unique<FakeCompetitionTree>(*this);
        copy->country_ = &owner;
        return copy;
    }

    int finishedLoads = 0;

private:
    CCountry* country_;
};

// Installs a factory of fake trees for the life of the object.
class FakeTreeFactoryScope {
public:
    FakeTreeFactoryScope() {
        SetCompetitionTreeFactory([](CCountry& country, bool withDefaults) {
            auto tree = std::make_unique<FakeCompetitionTree>(country);
            if (withDefaults) {
                tree->cup = "Cup";
            }
            return tree;
        });
    }
    ~FakeTreeFactoryScope() { SetCompetitionTreeFactory(nullptr); }
};

inline FakeCompetitionTree* FakeTreeOf(CCountry& country) {
    return dynamic_cast<FakeCompetitionTree*>(country.Competitions());
}

// A countries.sav of all 206 countries: names "Land<n>,Pays<n>", codes "L<n>" (cut to three
// characters), continent n mod 6, languages n mod 50 + 1 and 2, world value n mod 7.
inline std::string CountryListText() {
    std::string text;
    for (int n = 1; n <= CWorld::kCountryCount; ++n) {
        text += "Land" + std::to_string(n) + ",Pays" + std::to_string(n) + "\r\n";
        text += "L" + std::to_string(n) + "\r\n";
        text += std::to_string(n % 6) + "\r\n";
        text += std::to_string(n % 50 + 1) + "\r\n";
        text += "2\r\n";
        text += std::to_string(n % 7) + "\r\n";
    }
    return text;
}

inline void WriteCountryList(const std::string& path) {
    WriteFile(path, CountryListText());
}

// A registered player of the world with a recognisable name.
inline CPlayer& AddPerson(CWorld& world, CClub& club, const std::string& surname,
                          uint8_t role = CPlayer::kRolePlayer) {
    CPlayer* player = world.CreatePlayer(0, true);
    player->SetFirstName("Test");
    player->SetSurname(surname);
    player->SetRole(role);
    player->SetNationality(static_cast<uint8_t>(club.CountryNumber()));
    player->SetMainPosition(CPlayer::kCM);
    club.AddPlayer(player->Id());
    return *player;
}

// `count` clubs in the country, each with `players` players.
inline void AddClubs(CWorld& world, CCountry& country, int count, int players) {
    for (int i = 0; i < count; ++i) {
        CClub* club = country.CreateClub("Club " + std::to_string(country.Number()) + "-" +
                                         std::to_string(i + 1));
        for (int p = 0; p < players; ++p) {
            AddPerson(world, *club,
                      "P" + std::to_string(country.Number()) + "x" + std::to_string(i) + "x" +
                          std::to_string(p));
        }
    }
}

// Fills a few countries of a world fresh from LoadCountryList with a bit of everything a
// country file holds.
inline void FillSmallWorld(CWorld& world) {
    for (int number : {1, 2, 206}) {
        CCountry& country = *world.GetCountry(number);
        AddClubs(world, country, number == 1 ? 10 : 3, 3);
        Referee referee;
        referee.name.SetFirstName("Ref");
        referee.name.SetSurname("Eree" + std::to_string(number));
        referee.trait = 3;
        country.referees.Add(referee);
        Sponsor sponsor;
        sponsor.SetName("Sponsor");
        country.sponsors.Add(sponsor);
        StaffMember staff;
        staff.name.SetSurname("Staff");
        staff.level = 2;
        country.staff.Add(staff);
        Stadium stadium;
        stadium.SetName("Arena");
        stadium.seats[0] = 1000;
        country.stadiums.Add(stadium);
        stadium.SetName("Park");
        country.stadiums.Add(stadium);
        country.nationalStadium = 2;
        country.nationalCoach.name.SetSurname("Coach");
        country.ReservePlayerPool(3);
        country.PlayerPool()[0].name.SetSurname("Young");
        country.PlayerPool()[0].favouriteClub = static_cast<int32_t>(ClubId::Make(number, 2));
        CPlayer* manager = world.CreatePlayer(0, true);
        manager->SetSurname("Candidate");
        manager->SetRole(CPlayer::kRoleManager);
        manager->SetMainPosition(CPlayer::kGK);
        country.AdditionalManagers().insert(manager->Id());
        country.notes = "First line\r\nSecond line";
        country.magazine = "Kicker";
        country.winterBreak = 1;
        country.indoorTournaments = 1;
        country.generatedPlayerRating = 20;
        country.allowedFaceTypes = 0x3FFFFFF;
    }
    CCountry& first = *world.GetCountry(1);
    CClub* firstClub = first.GetClubByPosition(0);
    firstClub->SetMainStadium(1);
    firstClub->SetFriendlyClub(ClubId::Make(1, 3));
    if (FakeCompetitionTree* tree = FakeTreeOf(first)) {
        tree->topLeague = "Premier";
        for (size_t i = 0; i < first.GetClubCount() - 1; ++i) {
            tree->teams.push_back(first.GetClubByPosition(i)->Id());
        }
    }
    for (int i = 0; i < 2; ++i) {
        CPlayer* free = world.CreatePlayer(0, true);
        free->SetSurname("Free" + std::to_string(i));
        free->SetMainPosition(CPlayer::kST);
        world.PlayersWithoutClub().push_back(free->Id());
    }
    world.Rules().SetLongName(0, 0, "Champions Cup");
    world.Rules().SetClubReference(0, ClubId::Make(1, 2));
    world.Rules().SetStadiumReference(0, (1u << 16) | 2u);
}

} // namespace tallo::test
