#pragma once

#include "support/temp_dir.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tallo::test {

// A file of tests/fixtures/mapping.
inline std::string MappingFixturePath(const std::string& name) {
    return FixturePath("mapping/" + name);
}
inline std::string MappingFixture(const std::string& name) {
    return ReadFile(MappingFixturePath(name));
}

// A world of 206 countries without names (each with its national team).
inline std::unique_ptr<CWorld> MakeWorld() {
    auto world = std::make_unique<CWorld>();
    world->LoadCountryList("/nonexistent/countries.sav");
    return world;
}

inline CClub* AddClub(CWorld& world, int country, const std::string& name) {
    CClub* club = world.GetCountry(country)->CreateClub(name);
    EXPECT_NE(club, nullptr);
    return club;
}

// A player of the world listed by `club`.
inline CPlayer* AddPlayer(CWorld& world, CClub& club, const std::string& firstName,
                          const std::string& surname, const std::string& nickname = "",
                          const std::string& pseudonym = "") {
    CPlayer* player = world.CreatePlayer(0, true);
    EXPECT_NE(player, nullptr);
    player->SetFirstName(firstName);
    player->SetSurname(surname);
    player->SetNickname(nickname);
    player->SetPseudonym(pseudonym);
    EXPECT_TRUE(club.AddPlayer(player->Id()));
    return player;
}

inline std::vector<std::string> SplitReportLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// `text` with every `placeholder` replaced by `value`.
inline std::string Replace(std::string text, const std::string& placeholder,
                           const std::string& value) {
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
        text.replace(at, placeholder.size(), value);
    }
    return text;
}

// Compares a written report with the expected one line by line (lines end in CR LF), then
// byte for byte.
inline void ExpectSameReport(const std::string& actual, const std::string& expected) {
    const std::vector<std::string> got = SplitReportLines(actual);
    const std::vector<std::string> want = SplitReportLines(expected);
    for (size_t i = 0; i < got.size() && i < want.size(); ++i) {
        EXPECT_EQ(got[i], want[i]) << "report line " << i + 1;
    }
    EXPECT_EQ(got.size(), want.size()) << "number of report lines";
    EXPECT_EQ(actual, expected);
}

} // namespace tallo::test
