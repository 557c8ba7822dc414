// The player doubles on a whole installation beside a plain walk that only visits the same
// players.
//
// The installation is named by the environment variable TALLO_BENCH_INSTALL (the full sample
// world: tallo-db sample DIR --scale full); its tables are read and its game database is loaded
// once, before the first figure. Times are wall times in milliseconds.
//
//   BM_PlainWalk       every player of the counted clubs of countries 1 to 206 looked up and
//                      its surname read: the least any doubles list costs
//   BM_PlayerDoubles   the doubles list from nothing: candidates built and sorted by surname and
//                      first name, neighbours paired, the rows made and sorted (what opening the
//                      window and every delete cost)

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_installation.h"
#include "editing/assistants/player_doubles_model.h"
#include "editing/session/database_session.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace {

using namespace tallo;

// The game database of the installation, loaded once.
CWorld* TheWorld() {
    DatabaseSession* session = bench::TheInstallation().session;
    return session != nullptr ? &session->World() : nullptr;
}

void BM_PlainWalk(benchmark::State& state) {
    CWorld* world = TheWorld();
    if (world == nullptr) {
        state.SkipWithError("TALLO_BENCH_INSTALL does not name an installation");
        return;
    }
    size_t players = 0;
    for (auto _ : state) {
        players = 0;
        size_t letters = 0;
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            for (const auto& [id, club] : world->GetCountry(number)->Clubs()) {
                if (club->IsNationalTeam()) {
                    continue;
                }
                for (uint32_t i = 0; i < club->PlayerCount(); ++i) {
                    if (const CPlayer* player = world->FindPlayer(club->PlayerId(i))) {
                        letters += player->Surname().size();
                        ++players;
                    }
                }
            }
        }
        benchmark::DoNotOptimize(letters);
    }
    state.counters["players"] = static_cast<double>(players);
    state.counters["pairs"] = 0;
}
BENCHMARK(BM_PlainWalk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlayerDoubles(benchmark::State& state) {
    CWorld* world = TheWorld();
    if (world == nullptr) {
        state.SkipWithError("TALLO_BENCH_INSTALL does not name an installation");
        return;
    }
    size_t players = 0;
    size_t pairs = 0;
    for (auto _ : state) {
        PlayerDoublesModel model(*world, world->Language(), 0, 0);
        const auto rows = model.Rows();
        benchmark::DoNotOptimize(rows.data());
        players = model.Candidates().size();
        pairs = model.Pairs().size();
    }
    state.counters["players"] = static_cast<double>(players);
    state.counters["pairs"] = static_cast<double>(pairs);
}
BENCHMARK(BM_PlayerDoubles)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
