// The script runner behind zelvo-headless: one command a line, keys and clock firings.
#pragma once

#include <istream>
#include <ostream>

#include "app/scriptformat.h"

namespace zelvo {

struct Zelvo;
class HeadlessPlatform;
class ReplayFiles;

// Runs the commands of `script` against a started game, and lays out the files a recording
// kept as the game comes to read them (through `files`, when its opening was read already
// with them; otherwise in the game's folder). Returns the exit status: 0, or 2 after an
// unknown command or a file that cannot be laid out (told on `errors` with its line
// number, counted from `firstline` for a script whose opening lines were read already).
int runscript(Zelvo& z, HeadlessPlatform& platform, std::istream& script, std::ostream& errors,
              int firstline = 1, ReplayFiles* files = nullptr);

}  // namespace zelvo
