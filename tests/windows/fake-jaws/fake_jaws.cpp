// A stand-in for the JAWS screen reader's API object, for tests only: an in-process COM
// server whose SayString appends each text it is given, as one line of UTF-8, to the file
// named by the environment variable ZELVO_FAKE_JAWS_LOG (read at every call), and, when
// ZELVO_FAKE_JAWS_FLUSH_LOG names a file too, its flush flag there as a line "1" or "0".
// Registered under "FreedomSci.JawsApi" by tests/smoke/windows-fake-jaws.sh.
#include <windows.h>

#include <oleauto.h>

#include <cstdio>
#include <string>

namespace {

// {5E1D2C0B-7A41-4C8E-9B7D-3F6A2E91C4D8}: this stand-in's own class, never JAWS's.
const CLSID kFakeJawsClsid = {
    0x5e1d2c0b, 0x7a41, 0x4c8e, {0x9b, 0x7d, 0x3f, 0x6a, 0x2e, 0x91, 0xc4, 0xd8}};
constexpr DISPID kSayString = 1;

LONG objects = 0;

std::string utf8(const wchar_t* text, UINT length) {
    if (length == 0) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                      nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr,
                        nullptr);
    return out;
}

// Fills in a failure the caller can report in words.
HRESULT fail(EXCEPINFO* exception, const wchar_t* why) {
    if (exception) {
        *exception = EXCEPINFO{};
        exception->bstrSource = SysAllocString(L"FreedomSci.JawsApi (test stand-in)");
        exception->bstrDescription = SysAllocString(why);
        exception->scode = E_FAIL;
    }
    return DISP_E_EXCEPTION;
}

// Appends `line` to the file the environment variable `log` names; false when it names
// none or the file cannot be written.
bool append(const wchar_t* log, const std::string& line) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(log, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    FILE* file = _wfopen(path, L"ab");
    if (!file) return false;
    const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
    return std::fclose(file) == 0 && written;
}

class FakeJaws : public IDispatch {
public:
    FakeJaws() { InterlockedIncrement(&objects); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0) {
            InterlockedDecrement(&objects);
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        HRESULT result = S_OK;
        for (UINT i = 0; i < count; ++i) {
            // Late binding matches names without regard to case, as JAWS's own object does.
            ids[i] = lstrcmpiW(names[i], L"SayString") == 0 ? kSayString : DISPID_UNKNOWN;
            if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
        }
        return result;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* answer, EXCEPINFO* exception, UINT* bad) override {
        if (id != kSayString) return DISP_E_MEMBERNOTFOUND;
        if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
        if (!params || params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
        if (params->cArgs != 2) return DISP_E_BADPARAMCOUNT;
        // The arguments come last first: the text, then the flush flag.
        VARIANT text, flush;
        VariantInit(&text);
        VariantInit(&flush);
        if (FAILED(VariantChangeType(&text, &params->rgvarg[1], 0, VT_BSTR))) {
            if (bad) *bad = 0;
            return DISP_E_TYPEMISMATCH;
        }
        if (FAILED(VariantChangeType(&flush, &params->rgvarg[0], 0, VT_BOOL))) {
            VariantClear(&text);
            if (bad) *bad = 1;
            return DISP_E_TYPEMISMATCH;
        }
        const std::string line = utf8(text.bstrVal, SysStringLen(text.bstrVal)) + "\n";
        VariantClear(&text);
        if (!append(L"ZELVO_FAKE_JAWS_LOG", line))
            return fail(exception, L"ZELVO_FAKE_JAWS_LOG is not set or cannot be written");
        if (GetEnvironmentVariableW(L"ZELVO_FAKE_JAWS_FLUSH_LOG", nullptr, 0) != 0 &&
            !append(L"ZELVO_FAKE_JAWS_FLUSH_LOG", flush.boolVal ? "1\n" : "0\n"))
            return fail(exception, L"ZELVO_FAKE_JAWS_FLUSH_LOG cannot be written");
        if (answer) {
            VariantInit(answer);
            answer->vt = VT_BOOL;
            answer->boolVal = VARIANT_TRUE;
        }
        return S_OK;
    }

private:
    virtual ~FakeJaws() = default;
    LONG references_ = 1;
};

class Factory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // One factory for the life of the library.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        FakeJaws* jaws = new FakeJaws;
        const HRESULT result = jaws->QueryInterface(riid, object);
        jaws->Release();
        return result;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            InterlockedIncrement(&objects);
        else
            InterlockedDecrement(&objects);
        return S_OK;
    }
};

Factory factory;

}  // namespace

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kFakeJawsClsid)) return CLASS_E_CLASSNOTAVAILABLE;
    return factory.QueryInterface(riid, object);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() {
    return objects == 0 ? S_OK : S_FALSE;
}
