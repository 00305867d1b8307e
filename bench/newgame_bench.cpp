// New-game setup with the built-in list and with a full catalogue read from a file.
#include <benchmark/benchmark.h>

#include "setup/newgame.h"
#include "support/started_game.h"

namespace {

void NewGameBuiltInList(benchmark::State& state) {
    zelvo::testing::StartedGame game;
    for (auto _ : state) zelvo::startusout(game.z);
}
BENCHMARK(NewGameBuiltInList)->Unit(benchmark::kMillisecond);

void NewGame999FileItems(benchmark::State& state) {
    zelvo::testing::StartedGame game;
    std::string file;
    for (int i = 1; i <= 999; ++i)
        file += "Thing number " + std::to_string(i) + "\r\n" + std::to_string(5 + (i * 37) % 2000) +
                "\r\nA thing for the benchmark.\r\n";
    game.folder.write("items1.txt", file);
    game.z.s.itemlist[1].enabled = 0;  // the built-in list off: the file fills the catalogue
    zelvo::startusout(game.z);
    if (game.z.s.game.itemcount != 999) state.SkipWithError("the catalogue is not full");
    for (auto _ : state) zelvo::startusout(game.z);
}
BENCHMARK(NewGame999FileItems)->Unit(benchmark::kMillisecond);

}  // namespace
