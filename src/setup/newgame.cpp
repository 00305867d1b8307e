// New-game setup.
#include "setup/newgame.h"

#include "core/zelvo.h"

namespace zelvo {

void startusout(Zelvo& z) {
    // The calendar of a new game; the stores, the catalogue and the market are set up here
    // as those parts of the game are built.
    Calendar& calendar = z.s.calendar;
    calendar.day = 1;
    calendar.month = 1;
    calendar.year = 1;
    calendar.paycounter = 1;
}

}  // namespace zelvo
