// One busy December day, and a whole five-year game, on the headless machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "ai/runai.h"
#include "setup/newgame.h"
#include "sim/day.h"
#include "support/started_game.h"

namespace {

// A started game whose folder holds the game's sounds.
struct BenchGame {
    BenchGame() {
        std::filesystem::copy(ZELVO_SOUNDS, game.folder.path() / "sounds",
                              std::filesystem::copy_options::recursive);
    }
    zelvo::testing::StartedGame game;
};

// Every store open, rich enough never to go bankrupt, with ten stocked aisles; the player's
// store too, unless `player` is false (an idle player: no sales, so no sale sounds).
void busystores(zelvo::GameState& s, bool player = true) {
    for (int p = player ? 1 : 2; p <= 5; ++p) {
        zelvo::Store& store = s.store[p];
        store.money = 1e9;
        store.employees = store.wantedemployees = 40;
        store.aislecount = 10;
        for (int a = 1; a <= 10; ++a) {
            const int item = a * 5;
            s.aisle[p][a] = {item,
                             1000000,
                             1000000,
                             s.item[item].baseprice * 0.6,
                             0,
                             0,
                             s.item[item].baseprice * 0.5};
        }
    }
}

void BusyDecemberDay(benchmark::State& state) {
    BenchGame bench;
    auto& game = bench.game;
    busystores(game.z.s);
    for (auto _ : state) {
        game.z.s.calendar = {14, 12, 1, 2};
        zelvo::processday(game.z);
        game.out.str("");
    }
}
BENCHMARK(BusyDecemberDay)->Unit(benchmark::kMillisecond);

// Five years of 30-day months with autosaves and statements; range(0) 1 = the player's
// store sells all day long too (about 144,000 sale sounds), 0 = the player stays idle.
void FiveYearGame(benchmark::State& state) {
    for (auto _ : state) {
        BenchGame bench;
        auto& game = bench.game;
        zelvo::startusout(game.z);
        busystores(game.z.s, state.range(0) == 1);
        game.z.s.human().money = 1e9;
        for (int day = 0; day < 1800; ++day) {
            zelvo::processday(game.z);
            if (day % 30 == 0) game.out.str("");
        }
        if (game.z.s.calendar.year != 6) state.SkipWithError("the game did not run five years");
    }
}
BENCHMARK(FiveYearGame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The computer stores' share of a five-year game in which they stay rich and busy all along:
// each day their turns are timed once more on their own before the day runs (with its own
// turns), so "rivals" over "whole" is their share of a day.
void RivalShareOfFiveYearGame(benchmark::State& state) {
    using clock = std::chrono::steady_clock;
    double rivals = 0, whole = 0;
    for (auto _ : state) {
        BenchGame bench;
        auto& game = bench.game;
        zelvo::startusout(game.z);
        for (int p = 2; p <= 5; ++p) game.z.s.store[p].money = 1e9;
        game.z.s.human().money = 1e9;
        for (int day = 0; day < 1800; ++day) {
            const auto start = clock::now();
            for (int p = 2; p <= 5; ++p)
                if (game.z.s.store[p].active == 1) zelvo::runAI(game.z, p);
            const auto turns = clock::now();
            zelvo::processday(game.z);
            const auto end = clock::now();
            rivals += std::chrono::duration<double>(turns - start).count();
            whole += std::chrono::duration<double>(end - turns).count();
            if (day % 30 == 0) game.out.str("");
        }
    }
    state.counters["rivals_share"] = rivals / whole;
}
BENCHMARK(RivalShareOfFiveYearGame)->Unit(benchmark::kMillisecond);

}  // namespace
