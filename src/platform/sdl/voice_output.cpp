// The game's voice (output 0): speech-dispatcher, or espeak-ng when it cannot be reached.
#include "platform/sdl/voice_output.h"

#include "platform/sdl/mixer.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace zelvo {
namespace {

// What the voice's events mean.
constexpr Sint32 kCheck = 1;     // time to ask speech-dispatcher how it is doing
constexpr Sint32 kPieces = 2;    // espeak-ng has speech ready, or could not start
constexpr Sint32 kFinished = 3;  // the speech channel finished a piece

// How often speech-dispatcher is asked while a connection or a text is outstanding; its
// failures (a hang above all) have no event of their own.
constexpr Uint32 kWatchMs = 100;
// How long the first words wait for speech-dispatcher before espeak-ng says them. A daemon
// that already runs answers well within it; one being started takes one to three
// seconds, and a hung one never answers: the player must not sit in silence meanwhile.
constexpr Uint64 kFirstWordsWaitMs = 500;
// A speech thread that is not back by then is stuck in a daemon and is left behind.
constexpr auto kAbandonWait = std::chrono::milliseconds(50);

Uint32 registerType() {
    const Uint32 type = SDL_RegisterEvents(1);
    return type == static_cast<Uint32>(-1) ? 0 : type;
}

void post(Uint32 type, Sint32 code) {
    if (type == 0) return;
    SDL_Event event{};
    event.type = type;
    event.user.code = code;
    SDL_PushEvent(&event);
}

}  // namespace

VoiceOutput::VoiceOutput(Mixer& mixer, std::function<void(const std::string&)> showInTitle)
    : mixer_(mixer),
      eventType_(registerType()),
      showInTitle_(std::move(showInTitle)),
      espeak_([type = eventType_] { post(type, kPieces); }),
      channel_(mixer, eventType_, kFinished) {}

VoiceOutput::~VoiceOutput() {
    close();
}

void VoiceOutput::prepare() {
    if (!closed_) speechd_.open();
}

bool VoiceOutput::open() {
    if (closed_) return false;
    if (opened_) return true;
    opened_ = speechd_.open();
    watch(opened_);
    return opened_;
}

void VoiceOutput::setRate(int rate) {
    speechd_.setRate(rate);
    espeak_.setRate(rate);
}

void VoiceOutput::speak(const std::string& text) {
    if (!opened_ || closed_) return;
    check();  // a failure already known decides where this text goes
    route_.spoke(text);
    switch (route_.engine()) {
    case VoiceRoute::Engine::Speechd:
        // espeak-ng may still be saying what it said for a slow speech-dispatcher.
        if (espeak_.started()) channel_.interrupt();
        speechd_.speak(text);
        if (firstWordsPending_ && !firstWordsAt_) firstWordsAt_ = SDL_GetTicks64();
        watch(true);
        break;
    case VoiceRoute::Engine::EspeakForNow:
    case VoiceRoute::Engine::Espeak:
        channel_.interrupt();
        generation_ = espeak_.speak(text);
        break;
    case VoiceRoute::Engine::Title:
        if (!text.empty()) showInTitle_(text);
        break;
    }
}

std::string VoiceOutput::takeReport() {
    return route_.takeReport();
}

bool VoiceOutput::handle(const SDL_Event& event) {
    if (eventType_ == 0 || event.type != eventType_) return false;
    if (closed_) return true;
    switch (event.user.code) {
    case kCheck:
        check();
        break;
    case kPieces:
        check();
        takePieces();
        break;
    case kFinished:
        channel_.pump();
        break;
    default:
        break;
    }
    return true;
}

void VoiceOutput::soundChanged() {
    if (!closed_) channel_.pump();
}

void VoiceOutput::check() {
    using Engine = VoiceRoute::Engine;
    const Engine engine = route_.engine();
    if ((engine == Engine::Speechd || engine == Engine::EspeakForNow) && opened_) {
        const std::string why = speechd_.takeError();
        if (speechd_.connected()) firstWordsPending_ = false;
        if (!why.empty()) {
            std::fprintf(stderr, "%s; espeak-ng speaks instead\n", why.c_str());
            watch(false);
            const auto text = route_.speechdFailed(why, speechd_.abandon(kAbandonWait));
            if (route_.engine() == Engine::Title) {
                if (text && !text->empty()) showInTitle_(*text);
            } else {
                espeak_.start();
                if (text) say(*text);
            }
        } else if (engine == Engine::EspeakForNow && speechd_.connected()) {
            std::fprintf(stderr, "speech-dispatcher answered; it speaks from here on\n");
            route_.speechdAnswered();
        } else if (engine == Engine::Speechd && firstWordsPending_ && firstWordsAt_ &&
                   SDL_GetTicks64() - *firstWordsAt_ >= kFirstWordsWaitMs && espeakHeard()) {
            firstWordsPending_ = false;
            const auto text = route_.speechdSlow(speechd_.takeBack());
            if (route_.engine() == Engine::EspeakForNow) {
                std::fprintf(stderr,
                             "speech-dispatcher is slow to answer; espeak-ng speaks "
                             "until it does\n");
                espeak_.start();
                if (text) say(*text);
            }
        } else if (engine == Engine::Speechd && speechd_.settled()) {
            watch(false);
        }
    }
    if (route_.engine() == Engine::Espeak || route_.engine() == Engine::EspeakForNow) {
        const std::string why = espeak_.takeFailure();
        if (!why.empty()) {
            std::fprintf(stderr, "%s; messages are shown in the window title\n", why.c_str());
            channel_.interrupt();
            espeak_.close();
            const bool forNow = route_.engine() == Engine::EspeakForNow;
            const auto text = route_.espeakFailed(why);
            if (text && !text->empty()) showInTitle_(*text);
            // speech-dispatcher says it too, once it answers.
            if (forNow && text) speechd_.speak(*text);
        }
    }
}

bool VoiceOutput::espeakHeard() const {
    // espeak-ng plays through the game's sound device; without one, speech-dispatcher,
    // which reaches the sound card its own way, keeps the words however long it takes.
    return mixer_.speechChannel() >= 0;
}

void VoiceOutput::say(const std::string& text) {
    channel_.interrupt();
    generation_ = espeak_.speak(text);
}

void VoiceOutput::takePieces() {
    while (auto piece = espeak_.takePiece()) {
        if (piece->generation == generation_) channel_.add(std::move(*piece));
    }
}

Uint32 VoiceOutput::tick(Uint32 interval, void* param) {
    // Runs on SDL's timer thread: it only posts, and touches nothing of the voice.
    post(static_cast<Uint32>(reinterpret_cast<uintptr_t>(param)), kCheck);
    return interval;
}

void VoiceOutput::watch(bool on) {
    if (on && watcher_ == 0 && eventType_ != 0) {
        watcher_ = SDL_AddTimer(kWatchMs, tick,
                                reinterpret_cast<void*>(static_cast<uintptr_t>(eventType_)));
    } else if (!on && watcher_ != 0) {
        SDL_RemoveTimer(watcher_);
        watcher_ = 0;
    }
}

void VoiceOutput::close() {
    if (closed_) return;
    closed_ = true;
    watch(false);
    speechd_.close();
    espeak_.close();
    channel_.close();
}

}  // namespace zelvo
