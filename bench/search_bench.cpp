// The player search's walk on a whole installation: a plain walk that only visits every person
// record the search visits and touches its name, beside the search itself with a pattern that
// matches some names and one that matches none.
//
// The installation is named by the environment variable TALLO_BENCH_INSTALL (scripts/bench
// gives the full sample world); its tables are read and its game database is loaded once,
// before the first figure. Times are wall times in milliseconds.
//
//   BM_PlainWalk               every person of the walk (club lists, then the players without
//                              a club) looked up by ID and its surname's first byte read
//   BM_PlayerSearch/0          the search for surname "M*R"
//   BM_PlayerSearch/1          the search for surname "Q*XZQ" (matches nothing); target for
//                              150,000 persons: 200 ms

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench_installation.h"
#include "editing/assistants/player_search_walk.h"
#include "editing/assistants/search_criteria.h"
#include "editing/session/database_session.h"
#include "world/club.h"
#include "world/country.h"
#include "world/player.h"
#include "world/world.h"

namespace {

using namespace tallo;

// The editor on the installation, made once.
struct Editor {
    DatabaseSession* session = nullptr;
    bool ready = false;
};

Editor& TheEditor() {
    static Editor editor;
    editor.session = bench::TheInstallation().session;
    editor.ready = editor.session != nullptr;
    return editor;
}

void BM_PlainWalk(benchmark::State& state) {
    Editor& editor = TheEditor();
    if (!editor.ready) {
        state.SkipWithError("TALLO_BENCH_INSTALL does not name an installation");
        return;
    }
    const CWorld& world = editor.session->World();
    size_t persons = 0;
    for (auto _ : state) {
        persons = 0;
        unsigned touched = 0;
        const auto visit = [&](uint32_t id) {
            if (const CPlayer* player = world.FindPlayer(id)) {
                touched += static_cast<unsigned char>(
                    player->Surname().empty() ? 0 : player->Surname()[0]);
                ++persons;
            }
        };
        for (int number = 1; number <= CWorld::kCountryCount; ++number) {
            for (const auto& [key, club] : world.GetCountry(number)->Clubs()) {
                for (uint32_t index = 0; index < club->PlayerCount(); ++index) {
                    visit(club->PlayerId(index));
                }
            }
        }
        for (const uint32_t id : world.PlayersWithoutClub()) {
            visit(id);
        }
        benchmark::DoNotOptimize(touched);
    }
    state.counters["persons"] = static_cast<double>(persons);
    state.counters["found"] = 0;
}
BENCHMARK(BM_PlainWalk)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PlayerSearch(benchmark::State& state) {
    Editor& editor = TheEditor();
    if (!editor.ready) {
        state.SkipWithError("TALLO_BENCH_INSTALL does not name an installation");
        return;
    }
    const CWorld& world = editor.session->World();
    SearchCriteria criteria;
    criteria.surname = state.range(0) == 0 ? "M*R" : "Q*XZQ";
    const SearchKeys keys = SearchKeys::From(criteria);
    size_t found = 0;
    for (auto _ : state) {
        found = 0;
        SearchWalkCallbacks callbacks;
        callbacks.cancelled = [] { return false; };
        callbacks.found = [&found](const SearchMatch&) { ++found; };
        WalkPlayerSearch(world, keys, callbacks);
        benchmark::DoNotOptimize(found);
    }
    state.counters["persons"] = static_cast<double>(world.PlayerCount());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_PlayerSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
