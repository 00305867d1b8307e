// A sale's sound, with the program's sounds/ folder there (range(0) 1) and missing (0).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "sound/sound.h"
#include "support/started_game.h"

namespace {

void SaleSound(benchmark::State& state) {
    zelvo::testing::StartedGame game;
    if (state.range(0) == 1)
        std::filesystem::copy(ZELVO_SOUNDS, game.folder.path() / "sounds",
                              std::filesystem::copy_options::recursive);
    int aisle = 0;
    for (auto _ : state) {
        aisle = aisle % 10 + 1;
        zelvo::makesound(game.z, "\\sounds\\game\\" + std::to_string(aisle) + ".wav", 0, 2000, 0,
                         -1);
        if (aisle == 10) game.out.str("");
    }
}
BENCHMARK(SaleSound)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
