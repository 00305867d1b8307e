// The game window as UI Automation sees it: a window named "Zelvo" whose other properties
// come from the system's own provider for the window handle.
#pragma once

#include <windows.h>

#include <uiautomationcore.h>

#include <atomic>
#include <functional>

namespace zelvo {

class WindowProvider : public IRawElementProviderSimple {
public:
    using HostProvider = std::function<HRESULT(HWND, IRawElementProviderSimple**)>;

    // Made with one reference, the caller's. UI Automation may call in from its own
    // threads, so nothing here is changed after construction but the window, atomically.
    WindowProvider(HWND window, HostProvider host);

    // The window is going away: the provider stops pointing clients at it.
    void disconnect() { window_.store(nullptr); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE
    get_HostRawElementProvider(IRawElementProviderSimple** provider) override;

private:
    virtual ~WindowProvider() = default;

    std::atomic<ULONG> references_{1};
    std::atomic<HWND> window_;
    const HostProvider host_;
};

}  // namespace zelvo
