// One busy December day, and a whole five-year game, on the headless machine.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "ai/runai.h"
#include "busy_stores.h"
#include "setup/newgame.h"
#include "sim/day.h"
#include "sim/workforce.h"
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

void BusyDecemberDay(benchmark::State& state) {
    BenchGame bench;
    auto& game = bench.game;
    zelvo::busystores(game.z.s);
    for (auto _ : state) {
        game.z.s.calendar = {14, 12, 1, 2};
        zelvo::processday(game.z);
        game.out.str("");
    }
}
BENCHMARK(BusyDecemberDay)->Unit(benchmark::kMillisecond);

// The day's hiring when every store has the staff it wants, at a wage of range(0) dollars:
// nobody may hire, so no draw is due, however many passes the wage allows.
void HiringWithFullStores(benchmark::State& state) {
    BenchGame bench;
    auto& s = bench.game.z.s;
    zelvo::busystores(s);
    for (int p = 1; p <= 5; ++p) s.store[p].wage = static_cast<double>(state.range(0));
    for (auto _ : state) zelvo::moveworkers(bench.game.z);
}
BENCHMARK(HiringWithFullStores)->Arg(7)->Arg(50)->Unit(benchmark::kMicrosecond);

// Five years of 30-day months with autosaves and statements; range(0) 1 = the player's
// store sells all day long too (about 144,000 sale sounds), 0 = the player stays idle.
void FiveYearGame(benchmark::State& state) {
    for (auto _ : state) {
        BenchGame bench;
        auto& game = bench.game;
        zelvo::startusout(game.z);
        zelvo::busystores(game.z.s, state.range(0) == 1);
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
