// The UI Automation functions the window's notifications use, loaded by name: mingw-w64
// has no import library for them, and UiaRaiseNotificationEvent is only in Windows 10 1709
// and later (Wine 8 lacks it too). Tests put functions of their own in their place.
#pragma once

#include <windows.h>

#include <oleauto.h>

#include <functional>

struct IRawElementProviderSimple;

namespace zelvo {

// Values of UI Automation's NotificationKind and NotificationProcessing, which mingw-w64's
// headers do not have yet, and its UiaRootObjectId, whose header (uiautomationcoreapi.h)
// does not compile as C++.
constexpr LONG kUiaRootObjectId = -25;
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingMostRecent = 3;

// Each is empty when the system does not have it.
struct UiaCalls {
    std::function<HRESULT(IRawElementProviderSimple* provider, int kind, int processing, BSTR text,
                          BSTR activity)>
        raiseNotification;
    std::function<HRESULT(HWND window, IRawElementProviderSimple** host)> hostProviderFromHwnd;
    std::function<LRESULT(HWND window, WPARAM wParam, LPARAM lParam,
                          IRawElementProviderSimple* provider)>
        returnRawElementProvider;
    std::function<BOOL()> clientsAreListening;
    // The system's screen-reader flag, which NVDA, JAWS and Narrator set while they run.
    std::function<bool()> screenReaderRunning;
    std::function<HRESULT(IRawElementProviderSimple* provider)> disconnectProvider;

    // The functions of the system's uiautomationcore.dll.
    static UiaCalls system();
};

}  // namespace zelvo
