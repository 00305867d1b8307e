// BrlAPI connection and writing for the braille display.
#include "platform/braille/brlapi_display.h"

#include <brlapi.h>

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <optional>

#include "platform/braille/segments.h"
#include "platform/speechd/utf8.h"

namespace zelvo {
namespace {

// BrlAPI's default handler abort()s on an asynchronous error. A display that misbehaves
// must not end the game: returning makes the failing call report an error instead, and
// the display is then dropped.
void BRLAPI_STDCALL ignoreException(brlapi_handle_t*, int, brlapi_packetType_t, const void*,
                                    size_t) {}

// A daemon that has gone away (BRLTTY restarted, or stopped) must not end the game either:
// libbrlapi writes to its socket with plain write(), which would raise SIGPIPE. While a
// call into BrlAPI runs, the signal is held back and then dropped, so the write just fails.
class PipeSignalHeld {
public:
    PipeSignalHeld() {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        // Already blocked by someone else: theirs to take, and writes fail quietly anyway.
        held_ =
            pthread_sigmask(SIG_BLOCK, &pipe_, &before_) == 0 && !sigismember(&before_, SIGPIPE);
    }
    ~PipeSignalHeld() {
        if (!held_) return;
        sigset_t pending;
        if (sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now{0, 0};
            sigtimedwait(&pipe_, nullptr, &now);
        }
        pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    }
    PipeSignalHeld(const PipeSignalHeld&) = delete;
    PipeSignalHeld& operator=(const PipeSignalHeld&) = delete;

private:
    sigset_t pipe_;
    sigset_t before_;
    bool held_ = false;
};

int utf8Characters(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0u) != 0x80u && n < INT_MAX) ++n;
    return n;
}

// The display's keys that move through a long message: the ones BRLTTY itself pans its
// window with.
constexpr brlapi_keyCode_t kPanKeys[] = {
    BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINLT,
    BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINRT,
    BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINLTSKIP,
    BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINRTSKIP,
    BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_TOP,
    BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_BOT,
};

std::optional<BraillePan> panOf(brlapi_keyCode_t code) {
    switch (code & (BRLAPI_KEY_TYPE_MASK | BRLAPI_KEY_CODE_MASK)) {
    case BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINLT:
    case BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINLTSKIP:
        return BraillePan::Back;
    case BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINRT:
    case BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_FWINRTSKIP:
        return BraillePan::Forward;
    case BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_TOP:
        return BraillePan::First;
    case BRLAPI_KEY_TYPE_CMD | BRLAPI_KEY_CMD_BOT:
        return BraillePan::Last;
    default:
        return std::nullopt;
    }
}

}  // namespace

BrailleDisplay::BrailleDisplay(long windowId) : windowId_(windowId) {}

BrailleDisplay::~BrailleDisplay() {
    close();
}

bool BrailleDisplay::reconnect() {
    const auto now = std::chrono::steady_clock::now();
    if (now < nextTry_) return false;
    nextTry_ = now + kRetryAfter;
    return connect();
}

bool BrailleDisplay::connect() {
    handle_ = std::make_unique<unsigned char[]>(brlapi_getHandleSize());
    auto* h = reinterpret_cast<brlapi_handle_t*>(handle_.get());
    brlapi_connectionSettings_t settings = BRLAPI_SETTINGS_INITIALIZER;
    if (brlapi__openConnection(h, &settings, nullptr) < 0) {
        handle_.reset();
        return false;
    }
    brlapi__setExceptionHandler(h, ignoreException);
    const int tty =
        windowId_ >= 0 && windowId_ <= INT_MAX ? static_cast<int>(windowId_) : BRLAPI_TTY_DEFAULT;
    if (brlapi__enterTtyMode(h, tty, nullptr) < 0) {
        brlapi__closeConnection(h);
        handle_.reset();
        return false;
    }
    connected_ = true;
    unsigned int x = 0, y = 0;
    if (brlapi__getDisplaySize(h, &x, &y) >= 0 && x > 0)
        cells_ = static_cast<int>(std::min<unsigned long>(1UL * x * std::max(y, 1u), INT_MAX));
    // Every key goes back to BRLTTY but the panning ones, which only this window needs.
    panning_ = cells_ > 0 && brlapi__ignoreKeys(h, brlapi_rangeType_all, nullptr, 0) >= 0 &&
               brlapi__acceptKeys(h, brlapi_rangeType_key, kPanKeys,
                                  sizeof kPanKeys / sizeof kPanKeys[0]) >= 0;
    return true;
}

void BrailleDisplay::write(const std::string& text) {
    PipeSignalHeld held;
    if (!connected_ && !reconnect()) return;
    // Written as UTF-8 explicitly: brlapi_writeText would go by the locale, which this
    // program never sets.
    const std::string utf8 = asUtf8(text);
    if (!panning_) {
        show(utf8);  // the start, as much as the display holds
        return;
    }
    pieces_ = braillesegments(utf8, cells_);
    shown_ = 0;
    show(pieces_.front());
}

void BrailleDisplay::show(const std::string& utf8) {
    if (!connected_) return;
    auto* h = reinterpret_cast<brlapi_handle_t*>(handle_.get());
    const std::string cells = utf8.empty() ? std::string(" ") : utf8;
    brlapi_writeArguments_t args = BRLAPI_WRITEARGUMENTS_INITIALIZER;
    args.regionBegin = 1;
    args.regionSize = -utf8Characters(cells);  // negative: pad or cut to the display's width
    args.text = cells.c_str();
    args.textSize = -1;
    args.cursor = BRLAPI_CURSOR_OFF;
    args.charset = "UTF-8";
    if (brlapi__write(h, &args) < 0) close();
}

void BrailleDisplay::pump() {
    if (!listening()) return;
    PipeSignalHeld held;
    auto* h = reinterpret_cast<brlapi_handle_t*>(handle_.get());
    brlapi_keyCode_t code = 0;
    int shown = shown_;
    int r = 0;
    while ((r = brlapi__readKey(h, 0, &code)) > 0)
        if (const auto pan = panOf(code))
            shown = braillepan(shown, static_cast<int>(pieces_.size()), *pan);
    if (r < 0 && !(brlapi_errno == BRLAPI_ERROR_LIBCERR && brlapi_libcerrno == EINTR)) {
        close();
        return;
    }
    if (shown != shown_ && !pieces_.empty()) {
        shown_ = shown;
        show(pieces_[static_cast<std::size_t>(shown_)]);
    }
}

void BrailleDisplay::close() {
    if (!connected_) return;
    PipeSignalHeld held;
    connected_ = false;
    panning_ = false;
    pieces_.clear();
    auto* h = reinterpret_cast<brlapi_handle_t*>(handle_.get());
    brlapi__leaveTtyMode(h);
    brlapi__closeConnection(h);
    handle_.reset();
}

}  // namespace zelvo
