#include "competitions/fixture_creator.h"

#include <algorithm>

namespace tallo {

namespace {

// Far above any league (100 teams) or pool (120 teams) with a few rounds; keeps a hostile
// request from allocating without bound.
constexpr int64_t kMaxPairings = int64_t{1} << 20;

bool InRange(int32_t team, int32_t teams) {
    return team >= 0 && team < teams;
}

} // namespace

bool CFixtureCreator::Create(int32_t teams, int32_t rounds) {
    if (teams < 3 || rounds < 1) {
        return false;
    }
    const int64_t evenTeams = teams % 2 == 0 ? int64_t{teams} : int64_t{teams} + 1;
    const int64_t matchdays = evenTeams - 1;
    const int64_t columns = evenTeams / 2;
    // Both factors are below 2^31, so these products cannot overflow.
    if (matchdays * columns > kMaxPairings || rounds > kMaxPairings / (matchdays * columns)) {
        return false;
    }
    const int64_t rows = matchdays * rounds;

    table_.assign(static_cast<size_t>(rows * columns), FixturePairing{0, 0});
    teams_ = teams;
    rounds_ = rounds;
    rows_ = static_cast<int32_t>(rows);
    columns_ = static_cast<int32_t>(columns);
    const int32_t m = static_cast<int32_t>(matchdays);
    const int32_t last = columns_ - 1;

    // First matchday: pairing k is (2k, 2k + 1); with an odd count the last pairing has no
    // away team.
    for (int32_t k = 0; k < columns_; ++k) {
        At(0, k).home = 2 * k;
        At(0, k).away = 2 * k + 1 < teams ? 2 * k + 1 : -1;
    }
    // Circle method: team 0 stays at home in pairing 0, everybody else moves one place round
    // the circle of the remaining seats each matchday.
    for (int32_t i = 1; i < m; ++i) {
        At(i, 0).home = At(i - 1, 0).home;
        At(i, 0).away = At(i - 1, 1).home;
        for (int32_t k = 1; k < last; ++k) {
            At(i, k).home = At(i - 1, k + 1).home;
        }
        At(i, last).home = At(i - 1, last).away;
        for (int32_t k = 1; k <= last; ++k) {
            At(i, k).away = At(i - 1, k - 1).away;
        }
    }
    // The resting pairing goes to the last column.
    if (teams % 2 != 0) {
        for (int32_t i = 0; i < m; ++i) {
            for (int32_t k = 0; k < columns_; ++k) {
                if (At(i, k).home == -1 || At(i, k).away == -1) {
                    std::swap(At(i, k), At(i, last));
                    break;
                }
            }
        }
    }
    // Every second matchday, starting with the first, plays the other way round.
    for (int32_t i = 0; i < m; i += 2) {
        for (int32_t k = 0; k < columns_; ++k) {
            std::swap(At(i, k).home, At(i, k).away);
        }
    }

    if (!FirstRoundComplete(table_, teams_, columns_, m) ||
        LongestRun(table_, teams_, columns_, m) > kMaxRun) {
        return false;
    }

    // Each later round is the round before it with home and away exchanged.
    for (int32_t j = 1; j < rounds_; ++j) {
        for (int32_t i = 0; i < m; ++i) {
            for (int32_t k = 0; k < columns_; ++k) {
                const FixturePairing previous = At((j - 1) * m + i, k);
                At(j * m + i, k) = FixturePairing{previous.away, previous.home};
            }
        }
    }
    return true;
}

FixturePairing CFixtureCreator::Entry(int32_t row, int32_t column) const {
    if (table_.empty() || row < 0 || row >= rows_ || column < 0 || column >= columns_) {
        return FixturePairing{};
    }
    return table_[static_cast<size_t>(row) * static_cast<size_t>(columns_) +
                  static_cast<size_t>(column)];
}

bool CFixtureCreator::FirstRoundComplete(const std::vector<FixturePairing>& table, int32_t teams,
                                         int32_t columns, int32_t matchdays) {
    if (teams < 1 || columns < 1 || matchdays < 0 ||
        static_cast<int64_t>(matchdays) * columns > static_cast<int64_t>(table.size()) ||
        static_cast<int64_t>(teams) * teams > 4 * kMaxPairings) {
        return false;
    }
    // met[a * teams + b] counts the meetings of a and b, in both orders.
    std::vector<int32_t> met(static_cast<size_t>(teams) * static_cast<size_t>(teams), 0);
    for (size_t index = 0; index < static_cast<size_t>(matchdays) * columns; ++index) {
        const FixturePairing& pairing = table[index];
        if (pairing.home == -1 || pairing.away == -1) {
            continue; // the resting pairing
        }
        if (!InRange(pairing.home, teams) || !InRange(pairing.away, teams)) {
            return false;
        }
        ++met[static_cast<size_t>(pairing.home) * teams + pairing.away];
        ++met[static_cast<size_t>(pairing.away) * teams + pairing.home];
    }
    for (int32_t a = 0; a < teams; ++a) {
        for (int32_t b = 0; b < teams; ++b) {
            const int32_t expected = a == b ? 0 : 1;
            if (met[static_cast<size_t>(a) * teams + b] != expected) {
                return false;
            }
        }
    }
    return true;
}

int32_t CFixtureCreator::LongestRun(const std::vector<FixturePairing>& table, int32_t teams,
                                    int32_t columns, int32_t matchdays) {
    if (teams < 1 || columns < 1 || matchdays < 0 ||
        static_cast<int64_t>(matchdays) * columns > static_cast<int64_t>(table.size())) {
        return 0;
    }
    int32_t longest = 0;
    for (int32_t team = 0; team < teams; ++team) {
        int32_t run = 0;
        int side = 0; // +1 home, -1 away, 0 not yet seen
        for (int32_t row = 0; row < matchdays; ++row) {
            int rowSide = 0;
            for (int32_t k = 0; k < columns; ++k) {
                const FixturePairing& pairing = table[static_cast<size_t>(row) * columns + k];
                if (pairing.home == team) {
                    rowSide = 1;
                    break;
                }
                if (pairing.away == team) {
                    rowSide = -1;
                    break;
                }
            }
            if (rowSide == 0) {
                continue; // not on this matchday at all
            }
            run = rowSide == side ? run + 1 : 1;
            side = rowSide;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

} // namespace tallo
