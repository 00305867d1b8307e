// The modal text-entry prompt.
#pragma once

#include <string>

namespace zelvo {

struct Zelvo;

// Asks for a text; empty means the player cancelled (callers then speak "Canceled.").
std::string askfortext(Zelvo& z, const std::string& prompt, const std::string& title);

}  // namespace zelvo
