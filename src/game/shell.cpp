// The shell's binding to the machine: key, day timer and close events, and the menu table.
#include "game/shell.h"

#include <memory>

#include "core/zelvo.h"
#include "game/dayclock.h"
#include "game/keys.h"
#include "game/menutable.h"

namespace zelvo {

namespace {

// Hands the machine's events to the game's handlers.
class GameEvents : public PlatformEvents {
public:
    explicit GameEvents(Zelvo& z) : z_(z) {}
    void onKey(int code, int state) override { Form_KeyDown(z_, code, state); }
    void onDayTimer() override { Timer1_Timer(z_); }
    void onClose() override { endprogram(z_); }

private:
    Zelvo& z_;
};

}  // namespace

void bindshell(Zelvo& z) {
    z.menutable = &gamemenus();
    z.events = std::make_unique<GameEvents>(z);
    z.platform.setEvents(z.events.get());
}

}  // namespace zelvo
