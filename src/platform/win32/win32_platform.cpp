// The desktop behind the game on Windows: window, events, clock, speech outputs and sound.
#include "platform/win32/win32_platform.h"

#include <objbase.h>

#include "platform/speechd/utf8.h"
#include "platform/win32/com_failure.h"
#include "platform/win32/keys.h"
#include "platform/win32/message_queue.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

constexpr int kWidth = 800;

}  // namespace

Win32Platform::Win32Platform(const std::string& title) : title_(title) {
    // The voice, the JAWS object and UI Automation are COM objects of this thread.
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(hr)) {
        ended_ = true;
        throw PlatformError("COM could not be started: " + hresultText(hr));
    }
    comStarted_ = true;
    try {
        window_ = std::make_unique<GameWindow>(title);
        uia_ = std::make_unique<UiaNotifier>(window_->handle());
    } catch (...) {
        window_.reset();
        CoUninitialize();
        comStarted_ = false;
        ended_ = true;
        throw;
    }
    window_->onGetObject([this](WPARAM wParam, LPARAM lParam, LRESULT& result) {
        return uia_ && uia_->answerGetObject(wParam, lParam, result);
    });
}

Win32Platform::~Win32Platform() {
    endProgram();
}

void Win32Platform::endProgram() {
    if (ended_) return;
    ended_ = true;
    stopDayTimer();
    voice_.close();
    jaws_.close();
    mixer_.close();
    if (uia_) uia_->close();
    if (window_) window_->destroy();
    uia_.reset();
    window_.reset();
    if (comStarted_) CoUninitialize();
    comStarted_ = false;
}

int Win32Platform::windowWidth() {
    const int width = window_ ? window_->clientWidth() : 0;
    return width > 0 ? width : kWidth;
}

void Win32Platform::drawLines(const std::vector<std::string>& lines) {
    if (!window_) return;
    window_->picture().lines = lines;
    window_->repaint();
}

void Win32Platform::setTitle(const std::string& text) {
    title_ = text;
    if (window_) window_->setTitle(text);
}

void Win32Platform::processEvents(int timeoutMs) {
    if (ended_) {
        // The window is gone; the only thing left to deliver is the end, so a caller
        // looping on this can never spin.
        if (events_) events_->onClose();
        return;
    }
    MSG msg;
    if (!nextMessage(msg, timeoutMs)) return;
    do {
        handle(msg);  // may nest: the game's handlers call back into processEvents
        if (ended_) return;
    } while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

void Win32Platform::handle(const MSG& msg) {
    const HWND window = window_ ? window_->handle() : nullptr;
    if (msg.hwnd == window && window) {
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            // Never passed on: the system menu must not take Alt or F10 (see keys.h).
            const KeyMessage key =
                keyMessage(msg.message, msg.wParam, msg.lParam, currentModifierBits());
            if (key.kind == KeyMessage::Kind::Key && events_) events_->onKey(key.code, key.state);
            if (key.kind == KeyMessage::Kind::Close && events_) events_->onClose();
            return;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
            return;  // the game hears key-downs only
        case WM_TIMER:
            // A firing WM_TIMER coalesces: however long a day takes, one waits at most.
            if (msg.wParam == kDayTimerId && dayTimer_ && events_) events_->onDayTimer();
            return;
        case GameWindow::kCloseMessage:
            if (window_->takeCloseRequest() && events_) events_->onClose();
            return;
        default:
            break;
        }
    }
    DispatchMessageW(&msg);
}

long long Win32Platform::nowMs() {
    return static_cast<long long>(GetTickCount64());
}

void Win32Platform::startDayTimer(int periodMs) {
    if (!window_) return;
    // Killing first also takes a firing of the old period out of the queue.
    KillTimer(window_->handle(), kDayTimerId);
    dayTimer_ = SetTimer(window_->handle(), kDayTimerId,
                         static_cast<UINT>(periodMs > 0 ? periodMs : 1), nullptr) != 0;
}

void Win32Platform::stopDayTimer() {
    if (window_ && dayTimer_) KillTimer(window_->handle(), kDayTimerId);
    dayTimer_ = false;
}

int Win32Platform::secondsSinceMidnight() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
}

int Win32Platform::currentYear() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t.wYear;
}

bool Win32Platform::openVoice() {
    voiceOpen_ = voice_.open();
    return voiceOpen_;
}

bool Win32Platform::openScreenReader() {
    if (jaws_.open()) return true;
    return uia_ && uia_->clientsListening();
}

void Win32Platform::screenReaderSay(const std::string& text) {
    if (jaws_.isOpen()) {
        jaws_.say(text);
    } else if (uia_) {
        uia_->notify(text);
    }
}

void Win32Platform::brailleWrite(const std::string& text) {
    if (uia_) uia_->notify(text);
}

void Win32Platform::addLogLine(const std::string& text) {
    const std::string line = "log: " + asUtf8(text) + "\n";
    OutputDebugStringW(widen(line).c_str());
    std::fputs(line.c_str(), stderr);
}

void Win32Platform::openSound(int buffers) {
    mixer_.open(window_ ? window_->handle() : nullptr, buffers);
}

void Win32Platform::playSound(int buffer, bool loop, const std::string&, double, double) {
    // The buffer's own volume and pan, as set before this call, are what it plays with;
    // the other arguments only record the request.
    mixer_.play(buffer, loop);
}

}  // namespace zelvo
