// Fuzzes reading an items file (with its line-end repair) and adding its items.
#include "content/itemfiles.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto& game = zelvo::fuzzing::freshgame();
    zelvo::fuzzing::writeinput("items1.txt", data, size);
    auto items = zelvo::readitemsfile(game.z, game.folder.file("items1.txt"));
    game.z.s.game.itemcount = 0;
    if (items) {
        zelvo::CatalogueAdder adder(game.z);
        for (const auto& item : *items) adder.add(item.name, item.price, item.description);
    }
    return 0;
}
