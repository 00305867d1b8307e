// Fuzzes loading a saved game: any bytes must load or be refused, never crash, and a game
// that loads must also play on and save again.
#include "fuzz_game.h"
#include "persist/loadgame.h"
#include "persist/savegame.h"
#include "sim/day.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& game = zelvo::fuzzing::freshgame();
    zelvo::fuzzing::writeinput("fuzzed", data, size);
    zelvo::loadgame(game.z, "fuzzed");
    if (game.take() == std::vector<std::string>{"say: Game loaded."}) {
        // Five weeks: a month's end with its bills and statement, paydays and autosaves,
        // the rivals' turns.
        for (int day = 0; day < 35; ++day) {
            zelvo::processday(game.z);
            game.take();
        }
        zelvo::savegame(game.z, "lastsave");
        game.take();
    }
    return 0;
}
