// Fuzzes reading the preferences file.
#include "fuzz_game.h"
#include "persist/progress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& game = zelvo::fuzzing::freshgame();
    zelvo::fuzzing::writeinput("progress.ini", data, size);
    zelvo::readprogress(game.z);
    game.take();
    return 0;
}
