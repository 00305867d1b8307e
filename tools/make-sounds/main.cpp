// make-sounds: writes every wave file the game plays into OUTDIR/sounds.
#include <exception>
#include <iostream>

#include "soundset.h"

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '\0') {
        std::cerr << "usage: make-sounds OUTDIR\n"
                     "Writes the game's sounds into OUTDIR/sounds/menu and OUTDIR/sounds/game.\n";
        return 2;
    }
    try {
        zelvo::soundgen::writesounds(argv[1], std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "make-sounds: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
