// One busy December day, and a whole five-year game, on the headless machine.
#include <benchmark/benchmark.h>

#include <filesystem>

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

}  // namespace
