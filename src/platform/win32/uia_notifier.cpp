// Speech output 2 on Windows: each message raised as a UI Automation notification.
#include "platform/win32/uia_notifier.h"

#include <utility>

#include "platform/platform.h"
#include "platform/win32/uia_provider.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

// One activity for every message, so a screen reader that honours "most recent" drops an
// older message it has not read yet in favour of the newest, as the voice does.
constexpr wchar_t kActivity[] = L"Zelvo.Message";

// A BSTR that is freed however the call ends.
class Bstr {
public:
    explicit Bstr(const std::wstring& text)
        : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { SysFreeString(text_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const { return text_; }

private:
    BSTR text_;
};

}  // namespace

UiaNotifier::UiaNotifier(HWND window) : UiaNotifier(window, UiaCalls::system()) {}

UiaNotifier::UiaNotifier(HWND window, UiaCalls calls)
    : window_(window),
      calls_(std::move(calls)),
      provider_(new WindowProvider(window, calls_.hostProviderFromHwnd)) {}

UiaNotifier::~UiaNotifier() {
    close();
}

bool UiaNotifier::answerGetObject(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // Only UI Automation's own request; the older accessibility requests are the system's.
    if (!provider_ || !calls_.returnRawElementProvider ||
        static_cast<LONG>(lParam) != kUiaRootObjectId)
        return false;
    result = calls_.returnRawElementProvider(window_, wParam, lParam, provider_);
    return true;
}

bool UiaNotifier::clientsListening() const {
    // UI Automation says clients listen whenever any program has asked it for events, which
    // on today's Windows is nearly always; only a running screen reader reads notifications
    // out, so without one the game's own fallback to the voice must apply.
    return calls_.raiseNotification && calls_.screenReaderRunning && calls_.screenReaderRunning() &&
           calls_.clientsAreListening && calls_.clientsAreListening() != FALSE;
}

void UiaNotifier::notify(const std::string& text) {
    // An empty message is a silence; a notification of nothing would only be read as blank.
    if (!provider_ || text.empty()) return;
    if (!calls_.raiseNotification) {
        if (missingReported_) return;
        missingReported_ = true;
        throw PlatformError(
            "this Windows cannot raise UI Automation notifications (UiaRaiseNotificationEvent, "
            "Windows 10 1709 and later, is missing): messages are shown in the window title "
            "only");
    }
    const Bstr message(widen(text));
    const Bstr activity(kActivity);
    if (!message.get() || !activity.get()) throw PlatformError("no memory for a notification");
    const HRESULT result =
        calls_.raiseNotification(provider_, kNotificationKindOther,
                                 kNotificationProcessingMostRecent, message.get(), activity.get());
    if (FAILED(result) && failures_.first(result))
        throw PlatformError("the UI Automation notification failed: " + hresultText(result));
}

void UiaNotifier::close() {
    if (!provider_) return;
    provider_->disconnect();
    // Clients that still hold the provider are told it is gone; it is freed when they let go.
    if (calls_.disconnectProvider) calls_.disconnectProvider(provider_);
    provider_->Release();
    provider_ = nullptr;
}

}  // namespace zelvo
