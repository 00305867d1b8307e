// sayit and popup: every message goes through here to the history, the window and an output.
#include <exception>

#include "core/clock.h"
#include "core/diagnostics.h"
#include "core/zelvo.h"
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

// Mid(text, start, length) with start counted from 1, in characters.
std::string mid(const std::string& text, const std::vector<std::size_t>& starts, long long start,
                long long length) {
    long long count = static_cast<long long>(starts.size());
    if (start < 1 || start > count || length <= 0) return "";
    long long last = std::min(count, start - 1 + length);  // one past, in characters
    std::size_t from = starts[static_cast<std::size_t>(start - 1)];
    std::size_t to = last >= count ? text.size() : starts[static_cast<std::size_t>(last)];
    return text.substr(from, to - from);
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
    const double w = width / 28.0 * 1.5;
    auto starts = charstarts(text);
    if (w <= 0) return {text};
    const double len = static_cast<double>(starts.size());
    // Line k starts at character N(1 + w k) and runs up to where line k + 1 starts, so that
    // no character is shown twice or left out when w is not a whole number.
    auto start = [&](long long k) {
        return static_cast<long long>(std::nearbyint(1 + w * static_cast<double>(k)));
    };
    std::vector<std::string> lines;
    for (long long k = 0; static_cast<double>(k) <= len / w; ++k)
        lines.push_back(mid(text, starts, start(k), start(k + 1) - start(k)));
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
    makesound(z, "\\sounds\\game\\pause.wav", 0, 0, 0, -1);
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
