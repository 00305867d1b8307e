// Speech output 3 on Windows: JAWS says and brailles each message through its own API.
#include "platform/win32/jaws_api.h"

#include <oleauto.h>

#include "platform/platform.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

// JAWS queues each message behind what it is still saying, so that a burst of events (a
// day's sales and payments, then the statement) is heard whole; the player silences JAWS
// with its own key. The voice, which has no such key, cuts off instead.
constexpr VARIANT_BOOL kFlush = VARIANT_FALSE;

// What went wrong inside SayString, in JAWS's own words when it gave any.
std::string invokeFailure(HRESULT result, EXCEPINFO& exception) {
    std::string why = hresultText(result);
    if (result == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        if (exception.bstrDescription && *exception.bstrDescription)
            why += ": " + narrow(exception.bstrDescription);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return why;
}

}  // namespace

JawsApi::JawsApi() = default;

JawsApi::~JawsApi() {
    close();
}

bool JawsApi::open() {
    if (jaws_) return true;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(L"FreedomSci.JawsApi", &clsid))) return false;
    IDispatch* jaws = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch,
                                reinterpret_cast<void**>(&jaws))) ||
        !jaws)
        return false;
    // An object without SayString is not one the game can speak through.
    wchar_t name[] = L"SayString";
    LPOLESTR names[] = {name};
    if (FAILED(jaws->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &sayString_))) {
        jaws->Release();
        return false;
    }
    jaws_ = jaws;
    absenceReported_ = false;
    return true;
}

bool JawsApi::isOpen() const {
    return jaws_ != nullptr;
}

void JawsApi::say(const std::string& text) {
    if (!jaws_) {
        if (absenceReported_) return;
        absenceReported_ = true;
        throw PlatformError("JAWS is not running");
    }
    const std::wstring wide = widen(text);
    // IDispatch takes its arguments last first.
    VARIANT args[2];
    VariantInit(&args[0]);
    args[0].vt = VT_BOOL;
    args[0].boolVal = kFlush;
    VariantInit(&args[1]);
    args[1].vt = VT_BSTR;
    args[1].bstrVal = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (!args[1].bstrVal) throw PlatformError("no memory for a message to JAWS");
    DISPPARAMS params{args, nullptr, 2, 0};
    VARIANT answer;
    VariantInit(&answer);
    EXCEPINFO exception{};
    UINT badArgument = 0;
    const HRESULT result = jaws_->Invoke(sayString_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                         &params, &answer, &exception, &badArgument);
    VariantClear(&answer);
    VariantClear(&args[1]);
    if (FAILED(result)) {
        const std::string why = invokeFailure(result, exception);
        if (failures_.first(result)) throw PlatformError("JAWS could not say it: " + why);
    }
}

void JawsApi::close() {
    if (jaws_) jaws_->Release();
    jaws_ = nullptr;
    sayString_ = DISPID_UNKNOWN;
}

}  // namespace zelvo
