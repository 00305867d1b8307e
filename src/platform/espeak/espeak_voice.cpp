// The synthesis thread behind the fallback voice, and the cutting of speech into sentences.
#include "platform/espeak/espeak_voice.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <utility>

#include "platform/speechd/spoken_money.h"
#include "platform/speechd/utf8.h"

namespace zelvo {

int espeakWordsPerMinute(int rate) {
    return 125 + 25 * std::clamp(rate, 1, 10);
}

void SentenceCutter::sentenceAt(std::size_t at) {
    starts_.push_back(at);
}

std::vector<std::vector<std::int16_t>> SentenceCutter::add(const std::int16_t* samples,
                                                           std::size_t count) {
    if (count > 0) gathering_.insert(gathering_.end(), samples, samples + count);
    const std::size_t received = cutAt_ + gathering_.size();
    std::sort(starts_.begin(), starts_.end());
    std::vector<std::vector<std::int16_t>> pieces;
    std::vector<std::size_t> ahead;
    for (const std::size_t at : starts_) {
        if (at > received) {
            ahead.push_back(at);
            continue;
        }
        if (at < cutAt_ + minimum_) continue;
        const auto end = gathering_.begin() + static_cast<std::ptrdiff_t>(at - cutAt_);
        pieces.emplace_back(gathering_.begin(), end);
        gathering_.erase(gathering_.begin(), end);
        cutAt_ = at;
    }
    starts_ = std::move(ahead);
    return pieces;
}

std::vector<std::int16_t> SentenceCutter::finish() {
    cutAt_ += gathering_.size();
    starts_.clear();
    return std::exchange(gathering_, {});
}

struct EspeakVoice::Shared {
    std::mutex m;
    std::condition_variable wake;
    std::function<void()> notify;
    std::optional<std::string> text;  // the newest text not yet begun
    unsigned generation = 0;          // of the newest text; older work is dropped
    int rate = 2;
    bool stopping = false;
    std::deque<SpeechPiece> pieces;  // of the newest text, in order
    std::string failure;
};

namespace {

using Shared = EspeakVoice::Shared;

// Pieces this short would put a pause where espeak-ng has hardly begun a sentence.
constexpr double kShortestPieceSeconds = 0.3;

// One text being synthesised; espeak-ng's callback reaches it through `current`, since
// synthesis runs on this thread only.
struct Job {
    Shared& sh;
    unsigned generation;
    int sampleRate;
    SentenceCutter cutter;
};
thread_local Job* current = nullptr;

// Queues the pieces unless a newer text (or the end) has overtaken this one; false then,
// which stops espeak-ng from making the rest.
bool hand(Job& job, std::vector<std::vector<std::int16_t>> pieces) {
    bool fresh = false;
    std::function<void()> notify;
    {
        std::lock_guard lock(job.sh.m);
        fresh = !job.sh.stopping && job.sh.generation == job.generation;
        if (fresh && !pieces.empty()) {
            for (auto& samples : pieces)
                job.sh.pieces.push_back({job.generation, job.sampleRate, std::move(samples)});
            notify = job.sh.notify;
        }
    }
    if (notify) notify();
    return fresh;
}

int onSamples(short* wav, int count, espeak_EVENT* events) {
    Job* job = current;
    if (!job) return 0;
    for (espeak_EVENT* e = events; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (e->type == espeakEVENT_SENTENCE && e->audio_position >= 0)
            job->cutter.sentenceAt(static_cast<std::size_t>(e->audio_position) *
                                   static_cast<std::size_t>(job->sampleRate) / 1000);
    }
    if (!wav) return 0;  // the end of the text; its tail is handed over by the caller
    auto pieces = job->cutter.add(wav, count > 0 ? static_cast<std::size_t>(count) : 0);
    return hand(*job, std::move(pieces)) ? 0 : 1;
}

std::string statusText(espeak_ng_STATUS status, espeak_ng_ERROR_CONTEXT context) {
    // The printed form names the file or folder at fault, which the short form does not.
    std::string text;
    char* buffer = nullptr;
    std::size_t size = 0;
    if (std::FILE* out = open_memstream(&buffer, &size)) {
        espeak_ng_PrintStatusCodeMessage(status, out, context);
        std::fclose(out);
        if (buffer) text = buffer;
        std::free(buffer);
    }
    if (text.empty()) {
        char shortText[512] = {};
        espeak_ng_GetStatusCodeMessage(status, shortText, sizeof shortText);
        text = shortText;
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

// Starts espeak-ng for synthesis into memory; empty on success, else why not.
std::string startEngine() {
    espeak_ng_InitializePath(nullptr);  // ESPEAK_DATA_PATH, or where the package put it
    espeak_ng_ERROR_CONTEXT context = nullptr;
    espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    if (status != ENS_OK) {
        std::string why = statusText(status, context);
        espeak_ng_ClearErrorContext(&context);
        return why;
    }
    status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (status == ENS_OK) status = espeak_ng_SetVoiceByName(ESPEAKNG_DEFAULT_VOICE);
    if (status != ENS_OK) {
        std::string why = statusText(status, nullptr);
        espeak_ng_Terminate();
        return why;
    }
    espeak_SetSynthCallback(onSamples);
    return {};
}

void synthLoop(const std::shared_ptr<Shared>& sh) {
    const std::string failure = startEngine();
    if (!failure.empty()) {
        std::function<void()> notify;
        {
            std::lock_guard lock(sh->m);
            sh->failure = "espeak-ng could not start: " + failure;
            notify = sh->notify;
        }
        if (notify) notify();
        return;
    }
    const int sampleRate = espeak_ng_GetSampleRate();
    const auto shortest = static_cast<std::size_t>(kShortestPieceSeconds * sampleRate);
    int wpmSet = 0;
    std::unique_lock lock(sh->m);
    while (!sh->stopping) {
        if (!sh->text) {
            sh->wake.wait(lock);
            continue;
        }
        const std::string text = std::move(*sh->text);
        sh->text.reset();
        Job job{*sh, sh->generation, sampleRate, SentenceCutter(shortest)};
        const int wpm = espeakWordsPerMinute(sh->rate);
        lock.unlock();
        if (wpm != wpmSet && espeak_ng_SetParameter(espeakRATE, wpm, 0) == ENS_OK) wpmSet = wpm;
        current = &job;
        const espeak_ng_STATUS status = espeak_ng_Synthesize(
            text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
        current = nullptr;
        if (status == ENS_OK) {
            auto rest = job.cutter.finish();
            if (!rest.empty()) {
                std::vector<std::vector<std::int16_t>> last;
                last.push_back(std::move(rest));
                hand(job, std::move(last));
            }
        } else if (status != ENS_SPEECH_STOPPED) {
            // One text it cannot say is no reason to stop speaking the others.
            std::fprintf(stderr, "espeak-ng could not speak a message: %s\n",
                         statusText(status, nullptr).c_str());
        }
        lock.lock();
    }
    lock.unlock();
    espeak_ng_Terminate();
}

}  // namespace

EspeakVoice::EspeakVoice(std::function<void()> notify) : shared_(std::make_shared<Shared>()) {
    shared_->notify = std::move(notify);
}

EspeakVoice::~EspeakVoice() {
    close();
}

void EspeakVoice::start() {
    if (thread_.joinable()) return;
    {
        std::lock_guard lock(shared_->m);
        if (shared_->stopping) return;  // closed for good
    }
    thread_ = std::thread([sh = shared_] { synthLoop(sh); });
}

void EspeakVoice::setRate(int rate) {
    std::lock_guard lock(shared_->m);
    shared_->rate = rate;
}

unsigned EspeakVoice::speak(const std::string& text) {
    std::string utf8 = spokenMoney(asUtf8(text));
    std::lock_guard lock(shared_->m);
    shared_->text = std::move(utf8);
    shared_->pieces.clear();
    shared_->wake.notify_one();
    return ++shared_->generation;
}

std::optional<SpeechPiece> EspeakVoice::takePiece() {
    std::lock_guard lock(shared_->m);
    if (shared_->pieces.empty()) return std::nullopt;
    SpeechPiece piece = std::move(shared_->pieces.front());
    shared_->pieces.pop_front();
    return piece;
}

std::string EspeakVoice::takeFailure() {
    std::lock_guard lock(shared_->m);
    return std::exchange(shared_->failure, std::string());
}

void EspeakVoice::close() {
    {
        std::lock_guard lock(shared_->m);
        shared_->stopping = true;
        shared_->text.reset();
        shared_->pieces.clear();
        shared_->wake.notify_one();
    }
    // Synthesis stops at its next stretch of samples, so this wait is short.
    if (thread_.joinable()) thread_.join();
}

}  // namespace zelvo
