#include "platform/win32/uia_calls.h"

namespace zelvo {
namespace {

template <class Function>
Function* find(HMODULE library, const char* name) {
    if (!library) return nullptr;
    // GetProcAddress returns a generic function pointer; the names fix the real types.
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

UiaCalls UiaCalls::system() {
    // Loaded once and kept: the providers it hands out live as long as clients hold them.
    static const HMODULE library = LoadLibraryW(L"uiautomationcore.dll");
    UiaCalls calls;
    if (auto f = find<HRESULT WINAPI(IRawElementProviderSimple*, int, int, BSTR, BSTR)>(
            library, "UiaRaiseNotificationEvent"))
        calls.raiseNotification = f;
    if (auto f = find<HRESULT WINAPI(HWND, IRawElementProviderSimple**)>(library,
                                                                         "UiaHostProviderFromHwnd"))
        calls.hostProviderFromHwnd = f;
    if (auto f = find<LRESULT WINAPI(HWND, WPARAM, LPARAM, IRawElementProviderSimple*)>(
            library, "UiaReturnRawElementProvider"))
        calls.returnRawElementProvider = f;
    if (auto f = find<BOOL WINAPI()>(library, "UiaClientsAreListening"))
        calls.clientsAreListening = f;
    if (auto f = find<HRESULT WINAPI(IRawElementProviderSimple*)>(library, "UiaDisconnectProvider"))
        calls.disconnectProvider = f;
    calls.screenReaderRunning = [] {
        BOOL on = FALSE;
        return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &on, 0) && on;
    };
    return calls;
}

}  // namespace zelvo
