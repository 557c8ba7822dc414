// The main window model on a whole installation: the refresh of the country with the most clubs
// (country list, club list, the country's statistics and the database statistics after a change
// of that country) and the database statistics counted from scratch.
//
// The installation is named by the environment variable TALLO_BENCH_INSTALL (scripts/bench
// gives the full sample world); its tables are read and its game database is loaded once,
// before the first figure. Times are wall times in milliseconds.
//
//   BM_RefreshBiggestCountry   RefreshFromDatabase with the biggest country selected, after
//                              that country was marked changed (what every command on it
//                              costs); target 50 ms
//   BM_DatabaseStatistics      the database half of the statistics over the 206 countries, from
//                              nothing (the window's first refresh); target 100 ms

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

#include "bench_installation.h"
#include "editing/journal/change_scope.h"
#include "editing/main_window/database_statistics.h"
#include "editing/main_window/main_window_model.h"
#include "editing/session/database_session.h"
#include "editing/session/open_databases.h"
#include "world/country.h"
#include "world/world.h"

namespace {

using namespace tallo;

// The editor on the installation, made once.
struct Editor {
    std::unique_ptr<MainWindowModel> model;
    DatabaseSession* session = nullptr;
    int biggest = 0;
    bool ready = false;
};

Editor& TheEditor() {
    // Kept to the end of the process, as the installation's world is.
    static Editor& editor = *new Editor;
    if (editor.ready) {
        return editor;
    }
    bench::BenchInstallation& installation = bench::TheInstallation();
    editor.session = installation.session;
    if (editor.session == nullptr) {
        return editor;
    }
    if (!editor.model) {
        editor.model = std::make_unique<MainWindowModel>(*installation.databases, nullptr, nullptr);
    }
    CWorld& world = editor.session->World();
    for (int number = 1; number <= CWorld::kCountryCount; ++number) {
        if (editor.biggest == 0 || world.GetCountry(number)->GetClubCount() >
                                       world.GetCountry(editor.biggest)->GetClubCount()) {
            editor.biggest = number;
        }
    }
    world.continent = static_cast<uint16_t>(world.GetCountry(editor.biggest)->continent);
    world.previousContinent = world.continent;
    world.selectedCountry = static_cast<uint16_t>(editor.biggest);
    editor.model->RefreshFromDatabase();
    editor.ready = editor.model->SelectedCountry() == editor.biggest;
    return editor;
}

void BM_RefreshBiggestCountry(benchmark::State& state) {
    Editor& editor = TheEditor();
    if (!editor.ready) {
        state.SkipWithError("TALLO_BENCH_INSTALL does not name an installation");
        return;
    }
    const ChangeScope scope = ChangeScope::Country(editor.biggest);
    for (auto _ : state) {
        editor.session->Changed(&scope);
        editor.model->RefreshFromDatabase();
        benchmark::DoNotOptimize(editor.model->Clubs().data());
    }
    // The same counters in both figures (the CSV report wants every counter in every row).
    state.counters["clubs"] = static_cast<double>(editor.model->Clubs().size());
    state.counters["persons"] = editor.model->CountryStats().persons;
}
BENCHMARK(BM_RefreshBiggestCountry)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DatabaseStatistics(benchmark::State& state) {
    Editor& editor = TheEditor();
    if (!editor.ready) {
        state.SkipWithError("TALLO_BENCH_INSTALL does not name an installation");
        return;
    }
    DatabaseStatistics statistics;
    for (auto _ : state) {
        statistics = CountDatabaseStatistics(editor.session->World());
        benchmark::DoNotOptimize(statistics.persons);
    }
    state.counters["persons"] = statistics.persons;
    state.counters["clubs"] = statistics.clubs;
}
BENCHMARK(BM_DatabaseStatistics)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
