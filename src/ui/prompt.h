// The modal text-entry prompt.
#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"

namespace zelvo {

struct Zelvo;

// Asks for a text; empty means the player cancelled (callers then speak "Canceled.").
// Up and Down in the box step through `choices`, told like the letters typed.
std::string askfortext(Zelvo& z, const std::string& prompt, const std::string& title,
                       const InputChoices& choices = {});

// A typed amount of money: optional blanks around an optional sign, an optional "$", and
// decimal digits with at most one point ("250.75", "-5", ".5", "$1,000"). Commas may group
// the whole part in thousands ("1,000", "12,500,000"), never elsewhere. Anything else (letters,
// an exponent, blanks between digits, "1,00", an empty text) is not an amount.
std::optional<double> typedamount(const std::string& text);

// Asks for a new name for `field`: a blank answer speaks "Canceled." and changes nothing;
// otherwise the name is taken exactly as typed and `confirmation` + name + "." is spoken.
// True when the name changed.
bool askforname(Zelvo& z, std::string& field, const std::string& prompt, const std::string& title,
                const std::string& confirmation);

}  // namespace zelvo
