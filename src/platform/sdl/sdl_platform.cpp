// The desktop behind the game: window, events, clock, speech outputs and sound.
#include "platform/sdl/sdl_platform.h"

#include <cstdio>
#include <ctime>

#include "platform/sdl/input_box.h"
#include "platform/sdl/keymap.h"
#include "platform/sdl/message_box.h"
#include "platform/sdl/x11_window.h"
#include "platform/speechd/utf8.h"

namespace zelvo {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kPollMs = 100;

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return t;
}

}  // namespace

SdlPlatform::SdlPlatform(const std::string& title) : title_(title) {
    // The window shows one surface of text, copied to the screen by SDL itself. Left to
    // choose, SDL brings up OpenGL for that copy, which costs most of the start-up and
    // replaces the first window with one made for OpenGL. The environment still decides
    // when it sets SDL_FRAMEBUFFER_ACCELERATION.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0)
        throw PlatformError(std::string("the window could not be opened: ") + SDL_GetError());
    // The game opens its voice first thing; the connection is made while the window opens.
    // Not before SDL_Init, which changes the process's locale for a moment, and no other
    // thread may run locale-dependent code meanwhile.
    voice_.prepare();
    window_ =
        SDL_CreateWindow(asUtf8(title).c_str(), SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                         kWidth, kHeight, SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
    if (!window_) {
        const std::string why = SDL_GetError();
        SDL_Quit();
        ended_ = true;
        throw PlatformError("the window could not be opened: " + why);
    }
    // SDL starts with text input on; menus read key-downs only, so it stays off until a
    // text-entry box opens.
    SDL_StopTextInput();
    text_ = std::make_unique<WindowText>(window_);
    if (!text_->problem().empty())
        std::fprintf(stderr, "%s; the window stays blank\n", text_->problem().c_str());
    braille_ = std::make_unique<BrailleDisplay>(x11WindowId(window_));
    // The first picture is left to the first pass over the events (see drawLines).
}

SdlPlatform::~SdlPlatform() {
    endProgram();
}

void SdlPlatform::endProgram() {
    if (ended_) return;
    ended_ = true;
    timer_.stop();
    voice_.close();
    braille_.reset();
    mixer_.close();
    text_.reset();
    SDL_DestroyWindow(window_);
    window_ = nullptr;
    SDL_Quit();
}

int SdlPlatform::windowWidth() {
    if (!window_) return kWidth;
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    return w > 0 ? w : kWidth;
}

void SdlPlatform::drawLines(const std::vector<std::string>& lines) {
    lines_ = lines;
    // The window's first picture costs more than any later one (the surface behind it is
    // made and filled, the letters are rendered for the first time). It is drawn at the
    // first pass over the events, which comes right after the start-up hands the welcome
    // to the voice, so that the welcome does not wait for it; every later one at once.
    if (painted_) redraw();
}

void SdlPlatform::redraw() {
    painted_ = true;
    if (text_) text_->showLines(lines_);
}

void SdlPlatform::setTitle(const std::string& text) {
    title_ = text;
    if (window_) SDL_SetWindowTitle(window_, asUtf8(text).c_str());
}

void SdlPlatform::processEvents(int timeoutMs) {
    if (ended_) {
        // SDL is gone; the only thing left to deliver is the end, so a caller looping on
        // this can never spin.
        if (events_) events_->onClose();
        return;
    }
    if (!painted_) redraw();
    screenReader_.pump();
    if (braille_) braille_->pump();
    // While the screen reader owes answers or the braille display may send its panning
    // keys, an endless wait is cut into short ones, so that the answers are taken in, a
    // message never answered is given up in time, and panning follows the player's keys.
    if (timeoutMs < 0 && (screenReader_.waiting() > 0 || (braille_ && braille_->listening())))
        timeoutMs = kPollMs;
    SDL_Event e;
    int got = timeoutMs < 0    ? SDL_WaitEvent(&e)
              : timeoutMs == 0 ? SDL_PollEvent(&e)
                               : SDL_WaitEventTimeout(&e, timeoutMs);
    while (got) {
        dispatch(e);  // may nest: the game's handlers call back into processEvents
        if (ended_) return;
        got = SDL_PollEvent(&e);
    }
}

void SdlPlatform::dispatch(const SDL_Event& e) {
    switch (e.type) {
    case SDL_QUIT:
        if (events_) events_->onClose();
        return;
    case SDL_KEYDOWN: {
        const int code = virtualKey(e.key.keysym);
        if (code == 0 || (e.key.repeat && isModifierKey(code))) return;
        if (events_) events_->onKey(code, modifierBits(e.key.keysym.mod));
        return;
    }
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            redraw();
        return;
    default:
        if (voice_.handle(e)) return;
        if (timer_.isFiring(e) && timer_.takeFiring(e) && events_) events_->onDayTimer();
        return;
    }
}

long long SdlPlatform::nowMs() {
    return static_cast<long long>(SDL_GetTicks64());
}

std::string SdlPlatform::inputBox(const std::string& prompt, const std::string& title,
                                  const TextEcho& echo, const InputChoices& choices) {
    if (ended_ || !text_) return {};
    struct Redraw {  // the game's lines come back however the box ends
        SdlPlatform& p;
        ~Redraw() { p.redraw(); }
    } restore{*this};
    return runInputBox(*text_, voice_, timer_, braille_.get(), prompt, title, echo, choices);
}

void SdlPlatform::messageBox(const std::string& text) {
    // The box is drawn in the window, in the letters of every other message, and goes to
    // every output a player may be following: the voice (speech-dispatcher reaches the
    // sound card its own way, so even a game without a sound device can say why), the
    // title, a braille display, and the terminal the game was started from.
    std::fprintf(stderr, "%s\n", asUtf8(text).c_str());
    if (ended_) return;
    voice_.speak(text);
    brailleWrite(text);
    const std::string before = title_;
    setTitle(text);
    if (text_) runMessageBox(*text_, voice_, timer_, braille_.get(), text);
    setTitle(before);
    redraw();
}

int SdlPlatform::secondsSinceMidnight() {
    const std::tm t = localNow();
    return t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec;
}

int SdlPlatform::currentYear() {
    return localNow().tm_year + 1900;
}

void SdlPlatform::speak(const std::string& text) {
    voice_.speak(text);
    // Told after the text is on its way, so that the failure costs the player nothing.
    const std::string report = voice_.takeReport();
    if (!report.empty()) throw PlatformError(report);
}

void SdlPlatform::brailleWrite(const std::string& text) {
    if (braille_) braille_->write(text);
}

void SdlPlatform::addLogLine(const std::string& text) {
    std::fprintf(stderr, "log: %s\n", text.c_str());
}

void SdlPlatform::openSound(int buffers) {
    mixer_.open(buffers);
    voice_.soundChanged();
}

void SdlPlatform::playSound(int buffer, bool loop, const std::string&, double, double) {
    // The buffer's own volume and pan, as set before this call, are what it plays with;
    // the other arguments only record the request.
    mixer_.play(buffer, loop);
}

}  // namespace zelvo
