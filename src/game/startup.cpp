// The start-up sequence, from the seed to the welcome.
#include "game/startup.h"

#include "core/files.h"
#include "core/zelvo.h"
#include "game/shell.h"
#include "persist/progress.h"
#include "setup/newgame.h"
#include "sound/sound.h"
#include "speech/language.h"
#include "speech/speech.h"

namespace zelvo {

void Form_Load(Zelvo& z) {
    GameState& s = z.s;
    bindshell(z);
    z.rng.seed(static_cast<std::uint64_t>(z.platform.secondsSinceMidnight()));

    s.clock.paused = 1;
    s.game.version = kGameVersion;
    s.game.debugmode = 0;
    s.ui.reviewindex = 0;
    for (auto& entry : s.ui.speechhistory) entry.clear();

    setupsapi(z);
    s.ui.sapirate = 2;
    applyrate(z);
    loadjaws(z);

    if (!startsound(z)) endprogram(z);
    removeleftovers(z.folder);

    setdefaultnames(s);
    readprogress(z);
    // A screen reader chosen last time that does not answer now would leave the player
    // in silence; the voice speaks instead, and the preferences keep the choice.
    if (s.ui.speechoutput == 3 && s.ui.jawsready != 1) s.ui.speechoutput = 0;
    loadlanguagefile(z);
    startusout(z);

    s.ui.menu = 1;
    s.ui.menuposition = 0;
    sayit(z, "Welcome to Zelvo, version " + s.game.version + ", by Tarvik.  Main menu.");
}

}  // namespace zelvo
