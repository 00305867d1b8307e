// Checks the fallback voice: its speeds, the cutting of speech into sentences, and real
// synthesis in which the newest text wins.
#include "platform/espeak/espeak_voice.h"

#include <espeak-ng/speak_lib.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

namespace zelvo {
namespace {

TEST(EspeakRate, DefaultIsEspeaksOwnAndEveryRateIsOneEspeakAccepts) {
    EXPECT_EQ(espeakWordsPerMinute(2), espeakRATE_NORMAL);
    for (int rate = -20; rate <= 20; ++rate) {
        const int wpm = espeakWordsPerMinute(rate);
        EXPECT_GE(wpm, espeakRATE_MINIMUM) << rate;
        EXPECT_LE(wpm, espeakRATE_MAXIMUM) << rate;
        if (rate >= 2 && rate <= 10) {
            EXPECT_GT(wpm, espeakWordsPerMinute(rate - 1)) << rate;
        }
    }
}

TEST(SentenceCutter, CutsWhereSentencesStartAndLosesNothing) {
    const struct {
        const char* name;
        std::vector<std::size_t> startsFirst;  // announced before any samples
        std::vector<std::size_t> buffers;      // sizes of the stretches added
        std::vector<std::size_t> startsLate;   // announced after the first stretch
        std::vector<std::size_t> pieces;       // lengths of the pieces, the rest last
    } cases[] = {
        {"no sentence starts", {}, {100, 100, 100}, {}, {300}},
        {"a start at the very beginning is no cut", {0}, {100, 100}, {}, {200}},
        {"a start ahead of the samples waits for them", {0, 150}, {100, 100, 100}, {}, {150, 150}},
        {"two starts inside one stretch", {60, 130}, {200}, {}, {60, 70, 70}},
        {"a start announced after its samples arrived", {}, {100, 100}, {50}, {50, 150}},
        {"a piece shorter than the minimum joins the next", {20, 140}, {200}, {}, {140, 60}},
        {"a start at the very end leaves nothing over", {100}, {100}, {}, {100}},
    };
    for (const auto& c : cases) {
        SentenceCutter cutter(50);
        for (const std::size_t at : c.startsFirst) cutter.sentenceAt(at);
        std::vector<std::vector<std::int16_t>> pieces;
        std::int16_t next = 0;
        bool first = true;
        for (const std::size_t size : c.buffers) {
            std::vector<std::int16_t> stretch(size);
            std::iota(stretch.begin(), stretch.end(), next);
            next = static_cast<std::int16_t>(next + size);
            for (auto& piece : cutter.add(stretch.data(), stretch.size()))
                pieces.push_back(std::move(piece));
            if (first)
                for (const std::size_t at : c.startsLate) cutter.sentenceAt(at);
            first = false;
        }
        auto rest = cutter.finish();
        if (!rest.empty()) pieces.push_back(std::move(rest));

        std::vector<std::size_t> lengths;
        std::vector<std::int16_t> joined;
        for (const auto& piece : pieces) {
            lengths.push_back(piece.size());
            joined.insert(joined.end(), piece.begin(), piece.end());
        }
        EXPECT_EQ(lengths, c.pieces) << c.name;
        std::vector<std::int16_t> all(static_cast<std::size_t>(next));
        std::iota(all.begin(), all.end(), std::int16_t{0});
        EXPECT_EQ(joined, all) << c.name;
    }
}

// Real synthesis: needs espeak-ng-data, as the game does.
TEST(EspeakVoice, SpeaksOnlyTheNewestTextSentenceBySentence) {
    std::mutex m;
    std::condition_variable ready;
    int notified = 0;
    EspeakVoice voice([&] {
        std::lock_guard lock(m);
        ++notified;
        ready.notify_all();
    });
    voice.start();
    voice.setRate(2);
    voice.speak(
        "This long text is overtaken at once and must never be heard, not a word "
        "of it, however long espeak takes to begin.  Nor this second sentence.");
    const unsigned newest = voice.speak("Welcome to the store.  Main menu.");

    std::vector<SpeechPiece> pieces;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::size_t samples = 0;
    int sampleRate = 0;
    // The second sentence ends the text; its piece is the last to come.
    while (std::chrono::steady_clock::now() < deadline) {
        {
            std::unique_lock lock(m);
            ready.wait_for(lock, std::chrono::milliseconds(50));
        }
        ASSERT_EQ(voice.takeFailure(), "");
        while (auto piece = voice.takePiece()) pieces.push_back(std::move(*piece));
        if (pieces.size() >= 2) {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            while (auto piece = voice.takePiece()) pieces.push_back(std::move(*piece));
            break;
        }
    }
    ASSERT_EQ(pieces.size(), 2u) << "one piece per sentence";
    for (const auto& piece : pieces) {
        EXPECT_EQ(piece.generation, newest);
        sampleRate = piece.sampleRate;
        samples += piece.samples.size();
        EXPECT_GT(piece.samples.size(), 0.3 * piece.sampleRate);
    }
    EXPECT_EQ(sampleRate, 22050);
    // About two seconds of speech: the overtaken text (ten seconds) is not in it.
    const double seconds = static_cast<double>(samples) / sampleRate;
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 4.0);
    voice.close();
}

}  // namespace
}  // namespace zelvo
