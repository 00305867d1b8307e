// zelvo-busy-save FOLDER SEED [idle]: writes the save "busy", a new game whose five stores
// sell all day long, or with "idle" the save "idle", a new game in which every store is
// merely rich: the rivals play by their own rules and, unlike in most games an idle player
// loses to no one, last the five years. The start of the whole-game runs of zelvo-headless.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "busy_stores.h"
#include "core/zelvo.h"
#include "game/startup.h"
#include "persist/savegame.h"
#include "platform/headless/headless_platform.h"
#include "setup/newgame.h"

int main(int argc, char** argv) {
    const bool idle = argc == 4 && std::string(argv[3]) == "idle";
    if (argc != 3 && !idle) {
        std::fprintf(stderr, "usage: zelvo-busy-save FOLDER SEED [idle]\n");
        return 2;
    }
    std::ostringstream out;
    zelvo::HeadlessPlatform platform(out, "Zelvo", {std::atoi(argv[2]), 2030});
    zelvo::Zelvo z(platform, argv[1]);
    zelvo::Form_Load(z);
    zelvo::startusout(z);
    if (idle)
        for (int p = 1; p <= 5; ++p) z.s.store[p].money = 1e9;
    else
        zelvo::busystores(z.s);
    zelvo::savegame(z, idle ? "idle" : "busy");
    if (out.str().find("say: Game saved.") == std::string::npos) {
        std::cerr << "zelvo-busy-save: the game was not saved:\n" << out.str();
        return 1;
    }
    return 0;
}
