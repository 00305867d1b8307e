// The key handler: history review, menu keys, then the keys that work everywhere.
#include "game/keys.h"

#include <algorithm>

#include "core/keys.h"

#include "core/zelvo.h"
#include "finance/loans.h"
#include "game/dayclock.h"
#include "game/menutable.h"
#include "persist/progress.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/money.h"
#include "speech/speech.h"
#include "state/menunumbers.h"
#include "ui/menus.h"

namespace zelvo {

namespace {

bool isreviewkey(int k) {
    return k == key::LeftBracket || k == key::RightBracket || k == key::Comma || k == key::Period;
}

// "[" and comma step to newer messages, "]" and period to older ones; Shift steps by 5.
void review(Zelvo& z, int k, int s) {
    int& index = z.s.ui.reviewindex;
    const bool newer = k == key::LeftBracket || k == key::Comma;
    const bool older = k == key::RightBracket || k == key::Period;
    if (newer && s == 0 && index > 0) index -= 1;
    if (older && s == 0 && index < kHistory) index += 1;
    if (newer && s == mod::Shift && index > 0) index -= 5;
    if (older && s == mod::Shift && index < kHistory) index += 5;
    index = std::clamp(index, 0, kHistory);
    if (index > 0)
        sayit(z, "Rev " + std::to_string(index) + ", " + z.s.ui.speechhistory[index]);
    else
        sayit(z, "");
}

void sayoutputsound(Zelvo& z, const char* file) {
    makesound(z, file, 0, 0, 0, -1);
}

void switchoutput(Zelvo& z) {
    int& output = z.s.ui.speechoutput;
    output += 1;
    if (output > 3) output = 0;
    if (output == 0) {
        z.platform.setTitle(windowtitle(z));
        sayoutputsound(z, sounds::OutputVoice);
    } else if (output == 1) {
        sayoutputsound(z, sounds::OutputTitle);
    } else if (output == 2) {
        sayoutputsound(z, sounds::OutputBraille);
    } else if (z.s.ui.jawsready == 1) {
        z.platform.setTitle(windowtitle(z));
        sayoutputsound(z, sounds::OutputScreenReader);
    } else {
        output = 0;
        z.platform.setTitle(windowtitle(z));
        sayit(z, "Jaws does not seem to be responding, Sapi on.");
    }
    saveprogress(z);
}

void changerate(Zelvo& z, int by) {
    z.s.ui.sapirate = std::clamp(z.s.ui.sapirate + by, 1, 10);
    applyrate(z);
    sayit(z, "Sapi rate changed to " + std::to_string(z.s.ui.sapirate) + ".");
    saveprogress(z);
}

// The setting the program acts on after this key: it keeps the whole session, so turning
// recording on still writes the session from its start.
void togglerecording(Zelvo& z) {
    int& on = z.s.ui.recordsessions;
    on = on ? 0 : 1;
    if (on)
        sayit(z,
              "Recording on.  This session, from its start, and every one after it are "
              "written to the recordings folder.");
    else
        sayit(z, "Recording off.");
    saveprogress(z);
}

void aislequickselect(Zelvo& z, int k) {
    int n = k - key::Digit0;
    if (n == 0) n = 10;
    if (n > z.s.human().aislecount) return;
    sortloans(z);
    const int loans = liveloans(z);
    entermenu(z, menu::Store, 8 + loans + n - 1);
}

}  // namespace

bool ismenukey(int code) {
    switch (code) {
    case key::Left:
    case key::Up:
    case key::Right:
    case key::Down:
    case key::Minus:
    case key::Plus:
    case key::KeypadMinus:
    case key::KeypadPlus:
    case key::R:
    case key::Delete:
    case key::Escape:
    case key::Enter:
    case key::Backspace:
        return true;
    default:
        return false;
    }
}

void Form_KeyDown(Zelvo& z, int KeyCode, int Shift) {
    const int k = KeyCode, s = Shift;
    if (isreviewkey(k)) {
        review(z, k, s);
        return;
    }
    z.s.ui.reviewindex = 0;
    UI& ui = z.s.ui;
    if (ui.menu != 0 && ismenukey(k)) {
        menus(z, k, s);
        return;
    }
    const bool storemenus = ui.menu >= menu::Store && ui.menu <= menu::Research;
    Store& human = z.s.human();
    if (k == key::Z) {
        sayit(z, human.storename + " has " + showmoney(human.money) + ".");
    } else if (k == key::X) {
        sayit(z, spokendate(z.s.calendar.month, z.s.calendar.day, shownyear(z, z.s.calendar.year)));
    } else if (k == key::C) {
        sayit(z, creditratingtext(human.creditrating));
    } else if (storemenus && (k == key::Q || k == key::W || k == key::E)) {
        static const struct {
            int code, number;
            const char* name;
        } jumps[] = {{key::Q, menu::Loan, "Loans"},
                     {key::W, menu::Construction, "Construction"},
                     {key::E, menu::Research, "Market research"}};
        for (const auto& jump : jumps) {
            if (jump.code != k) continue;
            ui.menu = jump.number;
            ui.menuposition = 0;
            sayit(z, jump.name);
        }
    } else if (storemenus && k >= key::Digit0 && k <= key::Digit9) {
        aislequickselect(z, k);
    } else if (k == key::Tab) {
        switchoutput(z);
    } else if (k == key::Space && s == 0 && ui.menu >= 5 && isingamemenu(ui.menu)) {
        pausetoggle(z);
    } else if (k == key::PageUp) {
        changerate(z, +1);
    } else if (k == key::PageDown) {
        changerate(z, -1);
    } else if (k == key::F12 && s == 0) {
        togglerecording(z);
    }
}

}  // namespace zelvo
