#include "platform/win32/uia_provider.h"

#include <uiautomationclient.h>

#include <utility>

namespace zelvo {

WindowProvider::WindowProvider(HWND window, HostProvider host)
    : window_(window), host_(std::move(host)) {}

HRESULT WindowProvider::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IRawElementProviderSimple)) {
        *object = static_cast<IRawElementProviderSimple*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG WindowProvider::AddRef() {
    return ++references_;
}

ULONG WindowProvider::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT WindowProvider::get_ProviderOptions(ProviderOptions* options) {
    if (!options) return E_POINTER;
    *options = ProviderOptions_ServerSideProvider;
    return S_OK;
}

HRESULT WindowProvider::GetPatternProvider(PATTERNID, IUnknown** provider) {
    if (!provider) return E_POINTER;
    *provider = nullptr;  // the window offers no control patterns
    return S_OK;
}

HRESULT WindowProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    if (!value) return E_POINTER;
    VariantInit(value);
    if (property == UIA_NamePropertyId) {
        value->bstrVal = SysAllocString(L"Zelvo");
        if (!value->bstrVal) return E_OUTOFMEMORY;
        value->vt = VT_BSTR;
    }
    return S_OK;  // VT_EMPTY: the host provider answers the rest
}

HRESULT WindowProvider::get_HostRawElementProvider(IRawElementProviderSimple** provider) {
    if (!provider) return E_POINTER;
    *provider = nullptr;
    const HWND window = window_.load();
    if (!window || !host_) return S_OK;
    return host_(window, provider);
}

}  // namespace zelvo
