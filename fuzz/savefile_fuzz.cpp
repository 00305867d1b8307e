// Fuzzes loading a saved game: any bytes must load or be refused, never crash.
#include "fuzz_game.h"
#include "persist/loadgame.h"
#include "persist/savegame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& game = zelvo::fuzzing::game();
    zelvo::fuzzing::writeinput("fuzzed", data, size);
    zelvo::loadgame(game.z, "fuzzed");
    game.take();
    return 0;
}
