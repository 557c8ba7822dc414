#include "competitions/fixture_templates.h"

#include "competitions/fixture_creator.h"
#include "competitions/fixture_templates_builtin.h"

#include <algorithm>
#include <array>
#include <mutex>

namespace tallo {

namespace {

constexpr int32_t kTemplateCount = kLastTemplateSize - kFirstTemplateSize + 1;

int32_t MatchdaysPerRound(int32_t teams) {
    return teams % 2 == 0 ? teams - 1 : teams;
}

// The 8-team template keeps room for 16 rows; rows 14 and 15 stay 0.
constexpr int32_t kEightTeamRowCapacity = 16;

// The 8-team template from Create(8, 2): each pairing as (home + 1, away + 1).
bool MakeEightTeamTemplate(FixtureTemplate& result) {
    CFixtureCreator creator;
    if (!creator.Create(8, 2)) {
        return false;
    }
    result.teams = 8;
    result.rowsPerRound = MatchdaysPerRound(8);
    result.rowCount = creator.Rows();
    result.bytes.assign(static_cast<size_t>(kEightTeamRowCapacity) * 8, 0);
    for (int32_t row = 0; row < creator.Rows(); ++row) {
        for (int32_t column = 0; column < creator.Columns(); ++column) {
            const FixturePairing pairing = creator.Entry(row, column);
            result.bytes[static_cast<size_t>(row) * 8 + 2 * column] =
                static_cast<uint8_t>(pairing.home + 1);
            result.bytes[static_cast<size_t>(row) * 8 + 2 * column + 1] =
                static_cast<uint8_t>(pairing.away + 1);
        }
    }
    return true;
}

// The 9-team template from Create(9, 2): four pairings (home + 1, away + 1), then the resting
// team + 1, the filled side of the resting pairing that Create keeps in the last column.
bool MakeNineTeamTemplate(FixtureTemplate& result) {
    CFixtureCreator creator;
    if (!creator.Create(9, 2)) {
        return false;
    }
    result.teams = 9;
    result.rowsPerRound = MatchdaysPerRound(9);
    result.rowCount = creator.Rows();
    result.bytes.assign(static_cast<size_t>(creator.Rows()) * 9, 0);
    for (int32_t row = 0; row < creator.Rows(); ++row) {
        uint8_t* out = &result.bytes[static_cast<size_t>(row) * 9];
        for (int32_t column = 0; column < 4; ++column) {
            const FixturePairing pairing = creator.Entry(row, column);
            out[2 * column] = static_cast<uint8_t>(pairing.home + 1);
            out[2 * column + 1] = static_cast<uint8_t>(pairing.away + 1);
        }
        const FixturePairing resting = creator.Entry(row, 4);
        out[8] = static_cast<uint8_t>((resting.home >= 0 ? resting.home : resting.away) + 1);
    }
    return true;
}

struct TemplateSet {
    std::array<FixtureTemplate, kTemplateCount> templates;
    std::array<bool, kTemplateCount> present{};
    bool generatedOk = false;
};

TemplateSet MakeTemplates() {
    TemplateSet set;
    const bool eight = MakeEightTeamTemplate(set.templates[0]);
    const bool nine = MakeNineTeamTemplate(set.templates[1]);
    set.present[0] = eight;
    set.present[1] = nine;
    set.generatedOk = eight && nine;
    for (int32_t teams = 10; teams <= kLastTemplateSize; ++teams) {
        const BuiltinFixtureTable table = BuiltinFixtureTemplate(teams);
        const size_t index = static_cast<size_t>(teams - kFirstTemplateSize);
        if (table.bytes == nullptr || table.teams != teams) {
            continue;
        }
        FixtureTemplate& result = set.templates[index];
        result.teams = teams;
        result.rowsPerRound = MatchdaysPerRound(teams);
        result.rowCount = table.rows;
        result.bytes.assign(table.bytes, table.bytes + static_cast<size_t>(table.rows) * teams);
        set.present[index] = true;
    }
    return set;
}

// Generation gives the same tables every time, so the set is made once for the process
// (thread-safe by the rules of function-local statics).
const TemplateSet& Templates() {
    static const TemplateSet set = MakeTemplates();
    return set;
}

void Fail(std::string* problem, std::string text) {
    if (problem != nullptr) {
        *problem = std::move(text);
    }
}

} // namespace

uint8_t FixtureTemplate::At(int32_t row, int32_t index) const {
    if (row < 0 || index < 0 || index >= teams) {
        return 0;
    }
    const size_t offset =
        static_cast<size_t>(row) * static_cast<size_t>(teams) + static_cast<size_t>(index);
    return offset < bytes.size() ? bytes[offset] : 0;
}

bool PrepareFixtureTemplates() {
    return Templates().generatedOk;
}

const FixtureTemplate* GetFixtureTemplate(int32_t teams) {
    if (teams < kFirstTemplateSize || teams > kLastTemplateSize) {
        return nullptr;
    }
    const TemplateSet& set = Templates();
    const size_t index = static_cast<size_t>(teams - kFirstTemplateSize);
    return set.present[index] ? &set.templates[index] : nullptr;
}

bool CheckFixtureTemplate(const FixtureTemplate& t, std::string* problem) {
    const int32_t n = t.teams;
    if (n < kFirstTemplateSize || n > kLastTemplateSize) {
        Fail(problem, "size outside 8 to 24");
        return false;
    }
    const int32_t m = MatchdaysPerRound(n);
    if (t.rowsPerRound != m || t.rowCount != 2 * m ||
        t.bytes.size() < static_cast<size_t>(t.rowCount) * n) {
        Fail(problem, "layout does not fit the size");
        return false;
    }
    const int32_t pairings = n / 2;
    const bool odd = n % 2 != 0;

    for (int32_t round = 0; round < 2; ++round) {
        std::vector<int32_t> met(static_cast<size_t>(n + 1) * (n + 1), 0);
        std::vector<int32_t> rests(static_cast<size_t>(n + 1), 0);
        for (int32_t i = 0; i < m; ++i) {
            const int32_t row = round * m + i;
            std::vector<int32_t> seen(static_cast<size_t>(n + 1), 0);
            for (int32_t k = 0; k < pairings; ++k) {
                const int32_t home = t.At(row, 2 * k);
                const int32_t away = t.At(row, 2 * k + 1);
                if (home < 1 || home > n || away < 1 || away > n) {
                    Fail(problem, "team number outside 1 to n in row " + std::to_string(row));
                    return false;
                }
                if (home == away) {
                    Fail(problem, "a team meets itself in row " + std::to_string(row));
                    return false;
                }
                ++seen[home];
                ++seen[away];
                ++met[static_cast<size_t>(std::min(home, away)) * (n + 1) + std::max(home, away)];
                // The second round repeats the first with home and away exchanged.
                if (round == 1 && (t.At(i, 2 * k) != away || t.At(i, 2 * k + 1) != home)) {
                    Fail(problem, "row " + std::to_string(row) +
                                      " is not its first-round row with home and away "
                                      "exchanged");
                    return false;
                }
            }
            int32_t resting = 0;
            for (int32_t team = 1; team <= n; ++team) {
                if (seen[team] > 1) {
                    Fail(problem, "a team plays twice in row " + std::to_string(row));
                    return false;
                }
                if (seen[team] == 0) {
                    resting = team;
                    ++rests[team];
                }
            }
            if (odd) {
                const int32_t extra = t.At(row, n - 1);
                if (extra != 0 && extra != resting) {
                    Fail(problem, "the last byte of row " + std::to_string(row) +
                                      " is neither 0 nor the resting team");
                    return false;
                }
            }
        }
        for (int32_t a = 1; a <= n; ++a) {
            if (odd && rests[a] != 1) {
                Fail(problem, "team " + std::to_string(a) +
                                  " does not rest exactly once in round " +
                                  std::to_string(round + 1));
                return false;
            }
            for (int32_t b = a + 1; b <= n; ++b) {
                if (met[static_cast<size_t>(a) * (n + 1) + b] != 1) {
                    Fail(problem, "teams " + std::to_string(a) + " and " + std::to_string(b) +
                                      " do not meet exactly once in round " +
                                      std::to_string(round + 1));
                    return false;
                }
            }
        }
    }

    // Runs of home and of away matches over both rounds; a resting day is passed over.
    for (int32_t team = 1; team <= n; ++team) {
        int32_t run = 0;
        int side = 0;
        for (int32_t row = 0; row < t.rowCount; ++row) {
            int rowSide = 0;
            for (int32_t k = 0; k < pairings && rowSide == 0; ++k) {
                if (t.At(row, 2 * k) == team) {
                    rowSide = 1;
                } else if (t.At(row, 2 * k + 1) == team) {
                    rowSide = -1;
                }
            }
            if (rowSide == 0) {
                continue;
            }
            run = rowSide == side ? run + 1 : 1;
            side = rowSide;
            if (run > CFixtureCreator::kMaxRun) {
                Fail(problem, "team " + std::to_string(team) + " plays more than " +
                                  std::to_string(CFixtureCreator::kMaxRun) +
                                  " matches in a row on the same side");
                return false;
            }
        }
    }
    return true;
}

int32_t FillFixtureFromTemplate(int32_t teams, int32_t rounds,
                                const std::function<void(int32_t row, int32_t column, uint8_t home,
                                                         uint8_t away)>& setPairing) {
    const FixtureTemplate* t = GetFixtureTemplate(teams);
    if (t == nullptr || rounds < 1 || t->rowsPerRound < 1) {
        return 0;
    }
    const int32_t m = t->rowsPerRound;
    const int32_t columns = teams / 2;
    int32_t filled = 0;
    for (int32_t round = 0; round < rounds && filled + m <= kMaxTemplateMatchdays; ++round) {
        const int32_t firstRow = round % 2 == 0 ? 0 : m;
        for (int32_t i = 0; i < m; ++i) {
            for (int32_t column = 0; column < columns; ++column) {
                setPairing(filled, column, t->At(firstRow + i, 2 * column),
                           t->At(firstRow + i, 2 * column + 1));
            }
            ++filled;
        }
    }
    return filled;
}

std::vector<FixtureMatchday> FixturesFromTemplate(int32_t teams, int32_t rounds) {
    std::vector<FixtureMatchday> matchdays;
    const int32_t columns = teams / 2;
    FillFixtureFromTemplate(
        teams, rounds, [&](int32_t row, int32_t column, uint8_t home, uint8_t away) {
            if (static_cast<size_t>(row) >= matchdays.size()) {
                matchdays.resize(static_cast<size_t>(row) + 1, FixtureMatchday(columns));
            }
            matchdays[row][column] = FixtureListPairing{home, away};
        });
    return matchdays;
}

} // namespace tallo
