// The script runner behind zelvo-headless: one command a line, keys and clock firings.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace zelvo {

struct Zelvo;
class HeadlessPlatform;

// A key written as the scripts write it ("Shift+Enter", "Down", "7"): its code and
// modifier state, or nothing for a name the runner does not know.
struct ScriptKey {
    int code = 0;
    int state = 0;
};
std::optional<ScriptKey> parsekey(const std::string& text);

// Runs the commands of `script` against a started game. Returns the exit status: 0, or 2
// after an unknown command (named on `errors` with its line number).
int runscript(Zelvo& z, HeadlessPlatform& platform, std::istream& script, std::ostream& errors);

}  // namespace zelvo
