// The speech thread behind the voice: connecting, speaking the newest text, reconnecting.
#include "platform/speechd/speechd_voice.h"

#include <libspeechd.h>
#include <pthread.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/speechd/spoken_money.h"
#include "platform/speechd/utf8.h"

namespace zelvo {
namespace {

using Clock = std::chrono::steady_clock;

// speech-dispatcher autospawns in about a second and answers a command at once; a daemon
// that has not answered by this time is taken to be hung (it can block forever).
constexpr auto kAnswerLimit = std::chrono::seconds(5);
// After a failed connection, how long before the next attempt; each attempt may spawn
// a daemon, so not on every message.
constexpr auto kRetryAfterFailure = std::chrono::seconds(10);
// How long closing waits for the speech thread before abandoning it.
constexpr auto kCloseWait = std::chrono::milliseconds(500);

}  // namespace

struct SpeechdVoice::Shared {
    std::mutex m;
    std::condition_variable wake;     // the speech thread sleeps on it
    std::condition_variable done;     // close() waits on it for the thread's end
    std::optional<std::string> text;  // the newest text not yet spoken
    // The text being handed to the daemon; if the daemon hangs on it, it was never heard.
    std::optional<std::string> inFlight;
    bool connected = false;
    bool everConnected = false;
    std::optional<int> rate;
    bool rateChanged = false;
    bool stopping = false;
    bool finished = false;
    // Set while the speech thread waits on the daemon (opening, or handing over a text);
    // a daemon can hang at either point, and the player should hear why it went quiet.
    std::optional<Clock::time_point> waitingSince;
    bool hangReported = false;
    std::string error;  // a failure not yet handed to the game
};

namespace {

using Shared = SpeechdVoice::Shared;

SPDConnection* connect(std::string& error) {
    char* why = nullptr;
    SPDConnection* c =
        spd_open2("zelvo", "main", nullptr, SPD_MODE_SINGLE, nullptr, /*autospawn=*/1, &why);
    if (!c) {
        error = "speech-dispatcher could not be reached";
        if (why) {
            std::string reason = why;
            while (!reason.empty() && std::isspace(static_cast<unsigned char>(reason.back())))
                reason.pop_back();
            error += ": " + reason;
        }
    }
    std::free(why);
    return c;
}

// What one turn of the speech thread hands to the daemon.
struct Work {
    std::optional<std::string> text;
    std::optional<int> rate;
};

bool deliver(SPDConnection* c, const Work& w) {
    if (w.rate && spd_set_voice_rate(c, std::clamp(*w.rate * 10, -100, 100)) != 0) return false;
    if (!w.text) return true;
    if (spd_cancel(c) != 0) return false;
    // An empty text only silences what was being said. The words for money are made here,
    // at the daemon's door: a text taken back for espeak-ng is still the game's own.
    return w.text->empty() || spd_say(c, SPD_TEXT, spokenMoney(*w.text).c_str()) > 0;
}

void speechLoop(const std::shared_ptr<Shared>& sh) {
    // libspeechd writes to its socket with plain write(): a daemon that has quit would
    // otherwise kill the whole game with SIGPIPE. Blocked here, the write just fails.
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &blocked, nullptr);

    SPDConnection* conn = nullptr;
    bool connectNow = true;    // at start, and once straight after a lost connection
    bool reconnected = false;  // the connection was reopened for the text in hand
    bool failing = false;      // the last failure was reported; retries stay quiet
    Clock::time_point nextTry{};
    std::unique_lock lock(sh->m);
    while (!sh->stopping) {
        if (!conn) {
            if (!connectNow) {
                if (!sh->text) {
                    sh->wake.wait(lock);
                    continue;
                }
                if (Clock::now() < nextTry) {
                    sh->wake.wait_until(lock, nextTry);
                    continue;
                }
            }
            connectNow = false;
            sh->waitingSince = Clock::now();
            sh->hangReported = false;
            lock.unlock();
            std::string error;
            SPDConnection* opened = connect(error);
            lock.lock();
            sh->waitingSince.reset();
            if (!opened) {
                if (!failing) sh->error = error;
                failing = true;
                nextTry = Clock::now() + kRetryAfterFailure;
                reconnected = false;
                continue;
            }
            conn = opened;
            sh->connected = true;
            sh->everConnected = true;
            failing = false;
            sh->rateChanged = sh->rate.has_value();
            continue;
        }
        if (!sh->text && !sh->rateChanged) {
            sh->wake.wait(lock);
            continue;
        }
        Work work;
        work.text = std::move(sh->text);
        sh->text.reset();
        if (sh->rateChanged) work.rate = sh->rate;
        sh->rateChanged = false;
        sh->inFlight = work.text;
        sh->waitingSince = Clock::now();
        sh->hangReported = false;
        lock.unlock();
        const bool ok = deliver(conn, work);
        if (!ok) spd_close(conn);
        lock.lock();
        sh->waitingSince.reset();
        sh->inFlight.reset();
        if (ok) {
            reconnected = false;
            continue;
        }
        // The daemon went away (it quits when idle, or was stopped): reconnect once at
        // once for this text; if that fails too, give up on it and say so.
        conn = nullptr;
        sh->connected = false;
        // Unless something newer came meanwhile, the text is still owed to the player:
        // a later connection, or another voice, says it.
        if (!sh->text) sh->text = std::move(work.text);
        if (reconnected) {
            if (!failing) sh->error = "speech-dispatcher stopped answering";
            failing = true;
            nextTry = Clock::now() + kRetryAfterFailure;
            reconnected = false;
            continue;
        }
        connectNow = true;
        reconnected = true;
    }
    lock.unlock();
    if (conn) spd_close(conn);
    lock.lock();
    sh->connected = false;
    sh->finished = true;
    sh->done.notify_all();
}

}  // namespace

SpeechdVoice::SpeechdVoice() : shared_(std::make_shared<Shared>()) {}

SpeechdVoice::~SpeechdVoice() {
    close();
}

bool SpeechdVoice::open() {
    if (thread_.joinable()) return true;
    {
        std::lock_guard lock(shared_->m);
        if (shared_->stopping) return false;  // closed for good
    }
    thread_ = std::thread([sh = shared_] { speechLoop(sh); });
    return true;
}

void SpeechdVoice::setRate(int rate) {
    std::lock_guard lock(shared_->m);
    shared_->rate = std::clamp(rate, -10, 10);
    shared_->rateChanged = true;
    shared_->wake.notify_one();
}

void SpeechdVoice::speak(const std::string& text) {
    if (!thread_.joinable()) return;
    std::string utf8 = asUtf8(text);
    std::lock_guard lock(shared_->m);
    shared_->text = std::move(utf8);
    shared_->wake.notify_one();
}

std::string SpeechdVoice::takeError() {
    std::lock_guard lock(shared_->m);
    if (shared_->waitingSince && !shared_->hangReported &&
        Clock::now() - *shared_->waitingSince > kAnswerLimit) {
        shared_->hangReported = true;
        return "speech-dispatcher did not answer within 5 seconds";
    }
    return std::exchange(shared_->error, std::string());
}

bool SpeechdVoice::connected() {
    std::lock_guard lock(shared_->m);
    return shared_->connected;
}

std::optional<std::string> SpeechdVoice::takeBack() {
    std::lock_guard lock(shared_->m);
    if (shared_->connected || shared_->everConnected) return std::nullopt;
    return std::exchange(shared_->text, std::nullopt);
}

bool SpeechdVoice::settled() {
    std::lock_guard lock(shared_->m);
    return shared_->connected && !shared_->text && !shared_->waitingSince && shared_->error.empty();
}

void SpeechdVoice::close() {
    stop(kCloseWait);
}

std::optional<std::string> SpeechdVoice::abandon(std::chrono::milliseconds wait) {
    std::optional<std::string> unspoken;
    {
        std::lock_guard lock(shared_->m);
        shared_->stopping = true;  // no later open() either
        unspoken = shared_->text ? shared_->text : shared_->inFlight;
        shared_->text.reset();
    }
    stop(wait);
    return unspoken;
}

void SpeechdVoice::stop(std::chrono::milliseconds wait) {
    if (!thread_.joinable()) return;
    std::unique_lock lock(shared_->m);
    shared_->stopping = true;
    shared_->wake.notify_one();
    const bool ended = shared_->done.wait_for(lock, wait, [&] { return shared_->finished; });
    lock.unlock();
    if (ended) {
        thread_.join();
    } else {
        // Stuck in a daemon that does not answer: it holds its own share of the state and
        // ends with the process.
        thread_.detach();
    }
}

}  // namespace zelvo
