// The fallback voice: espeak-ng synthesising speech on a thread of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace zelvo {

// espeak-ng's speed in words per minute for the game's rate 1 to 10 (others are clamped).
// The game starts at 2, which is espeak-ng's own everyday speed.
int espeakWordsPerMinute(int rate);

// Synthesised speech, 16-bit mono.
struct SpeechPiece {
    unsigned generation = 0;  // which speak() it belongs to
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// Cuts a text's samples into pieces where sentences start, so the first sentence plays
// while the rest is still being made. A would-be piece shorter than `minimum` samples
// stays joined to the next one: a pause of its own between tiny pieces sounds broken.
class SentenceCutter {
public:
    explicit SentenceCutter(std::size_t minimum) : minimum_(minimum) {}
    // A sentence starts `at` samples after the start of the text (before or after the
    // samples added so far).
    void sentenceAt(std::size_t at);
    // Appends samples; returns the pieces they complete, in order.
    std::vector<std::vector<std::int16_t>> add(const std::int16_t* samples, std::size_t count);
    // What is left once the text ends; empty when nothing is.
    std::vector<std::int16_t> finish();

private:
    std::size_t minimum_;
    std::size_t cutAt_ = 0;  // samples before the piece being gathered
    std::vector<std::size_t> starts_;
    std::vector<std::int16_t> gathering_;
};

// Every call returns at once. espeak-ng is started, used and ended on the synthesis
// thread; finished pieces wait in a queue until the main thread takes them, and `notify`
// runs on the synthesis thread whenever there is something to take (a piece or a failure).
class EspeakVoice {
public:
    explicit EspeakVoice(std::function<void()> notify);
    ~EspeakVoice();
    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;

    // Starts the synthesis thread, which starts espeak-ng; a failure to do so comes back
    // through takeFailure().
    void start();
    bool started() const { return thread_.joinable(); }
    // The game's rate, 1 to 10; kept for the next text when given before start().
    void setRate(int rate);
    // Drops what is being made and what waits, and makes `text` instead, its money
    // amounts in words. Returns the generation its pieces will carry.
    unsigned speak(const std::string& text);
    // The next finished piece of the newest text, or nothing.
    std::optional<SpeechPiece> takePiece();
    // Why espeak-ng could not start, once; empty otherwise.
    std::string takeFailure();
    void close();

    struct Shared;

private:
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

}  // namespace zelvo
