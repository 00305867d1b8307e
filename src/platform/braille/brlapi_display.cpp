// BrlAPI connection and writing for the braille display.
#include "platform/braille/brlapi_display.h"

#include <brlapi.h>

#include <climits>

#include "platform/speechd/utf8.h"

namespace zelvo {
namespace {

// BrlAPI's default handler abort()s on an asynchronous error. A display that misbehaves
// must not end the game: returning makes the failing call report an error instead, and
// the display is then dropped.
void BRLAPI_STDCALL ignoreException(brlapi_handle_t*, int, brlapi_packetType_t, const void*,
                                    size_t) {}

int utf8Characters(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0u) != 0x80u && n < INT_MAX) ++n;
    return n;
}

}  // namespace

BrailleDisplay::BrailleDisplay(long windowId) : windowId_(windowId) {}

BrailleDisplay::~BrailleDisplay() {
    close();
}

bool BrailleDisplay::connect() {
    tried_ = true;
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
    return true;
}

void BrailleDisplay::write(const std::string& text) {
    if (!connected_ && (tried_ || !connect())) return;
    auto* h = reinterpret_cast<brlapi_handle_t*>(handle_.get());
    // Written as UTF-8 explicitly: brlapi_writeText would go by the locale, which this
    // program never sets.
    std::string utf8 = asUtf8(text);
    if (utf8.empty()) utf8.push_back(' ');
    brlapi_writeArguments_t args = BRLAPI_WRITEARGUMENTS_INITIALIZER;
    args.regionBegin = 1;
    args.regionSize = -utf8Characters(utf8);  // negative: pad or cut to the display's width
    args.text = utf8.c_str();
    args.textSize = -1;
    args.cursor = BRLAPI_CURSOR_OFF;
    args.charset = "UTF-8";
    if (brlapi__write(h, &args) < 0) close();
}

void BrailleDisplay::close() {
    if (!connected_) return;
    connected_ = false;
    auto* h = reinterpret_cast<brlapi_handle_t*>(handle_.get());
    brlapi__leaveTtyMode(h);
    brlapi__closeConnection(h);
    handle_.reset();
}

}  // namespace zelvo
