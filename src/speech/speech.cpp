// sayit and popup: every message goes through here to the history, the window and an output.
#include <algorithm>
#include <cmath>
#include <exception>

#include "core/diagnostics.h"
#include "core/waits.h"
#include "core/zelvo.h"
#include "sound/sound.h"
#include "sound/sounds.h"
#include "speech/language.h"
#include "speech/speech.h"

namespace zelvo {

namespace {

// Characters are counted as UTF-8 code points, so a translated message is never cut
// inside a letter.
std::vector<std::size_t> charstarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    return starts;
}

void logfailure(const Zelvo& z, const std::exception& e) {
    debuglog(z, std::string("error in sayit: ") + e.what());
}

// Runs one step of sayit; a failing step is logged and the next one runs.
template <class Step>
void step(Zelvo& z, Step&& run) {
    try {
        run();
    } catch (const std::exception& e) {
        logfailure(z, e);
    }
}

void record(Zelvo& z, const std::string& text) {
    auto& history = z.s.ui.speechhistory;
    for (int i = kHistory; i >= 2; --i) history[i] = std::move(history[i - 1]);
    history[1] = text;
}

// Screen readers announce a title change, so a repeated message gets one blank added first.
void changetitle(Zelvo& z, const std::string& text, bool letevents) {
    if (z.platform.title() == text) {
        z.platform.setTitle(text + " ");
        if (letevents) z.platform.processEvents(0);
    }
    z.platform.setTitle(text);
}

// Step 4 of sayit. `letevents` lets the window process pending events after the text is
// handed over, as a message does; an echo made inside the text-entry box must not, or
// the next keys typed would reach the game's key handler instead of the box.
void output(Zelvo& z, const std::string& text, bool letevents) {
    const int output = z.s.ui.speechoutput;
    if (output == 0) {
        step(z, [&] {
            if (z.s.ui.sapiready == 1)
                z.platform.speak(text);
            else
                z.platform.setTitle(text);
        });
        if (letevents) step(z, [&] { z.platform.processEvents(0); });
    }
    if (output == 1 || output == 2) step(z, [&] { changetitle(z, text, letevents); });
    if (output == 2) step(z, [&] { z.platform.brailleWrite(text); });
    if (output == 3) step(z, [&] { z.platform.screenReaderSay(text); });
}

}  // namespace

std::vector<std::string> splitlines(const std::string& text, int width) {
    // A line holds N(w) characters, w = width / 28 x 1.5; it ends at the last blank that
    // fits, so that a player with low vision reads whole words, and only a word longer
    // than a line is cut. The blanks at a break are dropped, so no line starts with one.
    const double w = width / 28.0 * 1.5;
    const long long fits = std::max(1LL, static_cast<long long>(std::nearbyint(w)));
    const auto starts = charstarts(text);
    const auto count = static_cast<long long>(starts.size());
    auto at = [&](long long k) {
        return k >= count ? text.size() : starts[static_cast<std::size_t>(k)];
    };
    auto blank = [&](long long k) { return text[at(k)] == ' '; };

    std::vector<std::string> lines;
    long long pos = 0;
    for (;;) {
        while (pos < count && blank(pos)) ++pos;
        if (pos >= count) break;
        long long end = pos + fits;  // one past the line's last character
        if (end < count) {
            long long b = end;  // a blank just after the line still lets it end whole
            while (b > pos && !blank(b)) --b;
            if (b > pos) end = b;
        } else {
            end = count;
        }
        long long last = end;
        while (last > pos && blank(last - 1)) --last;
        lines.push_back(text.substr(at(pos), at(last) - at(pos)));
        pos = end;
    }
    if (lines.empty()) lines.emplace_back();  // the window is still cleared
    return lines;
}

void sayit(Zelvo& z, const std::string& tempm) {
    std::string text = tempm;
    if (z.language.count != 0) step(z, [&] { text = Translate(z, text); });
    if (z.s.ui.reviewindex == 0 && !text.empty()) record(z, text);
    step(z, [&] { z.platform.drawLines(splitlines(text, z.platform.windowWidth())); });

    output(z, text, true);
}

void sendtooutput(Zelvo& z, const std::string& text) {
    output(z, text, false);
}

void popup(Zelvo& z, const std::string& tempm) {
    if (z.s.game.debugmode != 1) pausegame(z);
    makesound(z, sounds::Pause, 0, 0, 0, -1);
    hold(z, 0.2);
    sayit(z, tempm);
}

void setupsapi(Zelvo& z) {
    z.s.ui.sapiready = 1;
    bool opened = false;
    try {
        opened = z.platform.openVoice();
    } catch (const std::exception&) {
        opened = false;
    }
    if (!opened) z.s.ui.sapiready = 0;
}

void loadjaws(Zelvo& z) {
    z.s.ui.jawsready = -1;
    bool opened = false;
    try {
        opened = z.platform.openScreenReader();
    } catch (const std::exception&) {
        opened = false;
    }
    z.s.ui.jawsready = opened ? 1 : 0;
}

void applyrate(Zelvo& z) {
    if (z.s.ui.sapiready != 1) return;
    try {
        z.platform.setVoiceRate(z.s.ui.sapirate);
    } catch (const std::exception& e) {
        logfailure(z, e);
    }
}

}  // namespace zelvo
