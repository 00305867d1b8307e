// The script runner behind zelvo-headless: one command a line, keys and clock firings.
#pragma once

#include <istream>
#include <ostream>

#include "app/scriptformat.h"

namespace zelvo {

struct Zelvo;
class HeadlessPlatform;

// Runs the commands of `script` against a started game. Returns the exit status: 0, or 2
// after an unknown command (named on `errors` with its line number, counted from
// `firstline` for a script whose opening lines were read already).
int runscript(Zelvo& z, HeadlessPlatform& platform, std::istream& script, std::ostream& errors,
              int firstline = 1);

}  // namespace zelvo
