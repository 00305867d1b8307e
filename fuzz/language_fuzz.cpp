// Fuzzes reading the language file and translating a message with it.
#include "fuzz_game.h"
#include "speech/language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& game = zelvo::fuzzing::game();
    zelvo::fuzzing::writeinput("language.txt", data, size);
    zelvo::loadlanguagefile(game.z);
    zelvo::Translate(game.z, "Zelvo has $50,000.00.  Sapi rate changed to 3.");
    return 0;
}
