#include "platform/win32/uia_notifier.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <string>
#include <vector>

#include "platform/platform.h"

namespace zelvo {
namespace {

struct Raised {
    IRawElementProviderSimple* provider;
    int kind;
    int processing;
    std::wstring text;
    std::wstring activity;
};

// What the notifier asked of UI Automation.
struct Automation {
    std::vector<Raised> raised;
    HRESULT answer = S_OK;
    std::vector<HWND> hostsAsked;
    IRawElementProviderSimple* returned = nullptr;
    std::vector<IRawElementProviderSimple*> disconnected;
    bool screenReader = true;
    BOOL listening = TRUE;
};

std::wstring text(BSTR b) {
    return b ? std::wstring(b, SysStringLen(b)) : std::wstring();
}

UiaCalls standIns(Automation& uia, bool canRaise = true) {
    UiaCalls calls;
    if (canRaise) {
        calls.raiseNotification = [&uia](IRawElementProviderSimple* provider, int kind,
                                         int processing, BSTR message, BSTR activity) {
            uia.raised.push_back({provider, kind, processing, text(message), text(activity)});
            return uia.answer;
        };
    }
    calls.hostProviderFromHwnd = [&uia](HWND window, IRawElementProviderSimple** host) {
        uia.hostsAsked.push_back(window);
        *host = nullptr;
        return S_OK;
    };
    calls.returnRawElementProvider = [&uia](HWND, WPARAM, LPARAM,
                                            IRawElementProviderSimple* provider) {
        uia.returned = provider;
        return LRESULT{42};
    };
    calls.clientsAreListening = [&uia] { return uia.listening; };
    calls.screenReaderRunning = [&uia] { return uia.screenReader; };
    calls.disconnectProvider = [&uia](IRawElementProviderSimple* provider) {
        uia.disconnected.push_back(provider);
        return S_OK;
    };
    return calls;
}

const HWND kWindow = reinterpret_cast<HWND>(0x1234);

TEST(UiaNotifier, RaisesOneNotificationPerMessageWithItsExactTextTheNewestFirst) {
    Automation uia;
    UiaNotifier notifier(kWindow, standIns(uia));
    const struct {
        std::string message;
        std::wstring raised;
    } cases[] = {
        // A screen reader reads amounts itself and brailles them as written.
        {"Zelvo has $49,874.60.", L"Zelvo has $49,874.60."},
        {"Ren\xC3\xA9's Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
         L"Ren\u00E9's Caf\u00E9 \u20AC \U0001F600"},
        {"Ren\xE9", L"Ren\u00E9"},  // Latin-1 from an old save
        {"Welcome to Zelvo, version 1.1, by Tarvik.  Main menu.",
         L"Welcome to Zelvo, version 1.1, by Tarvik.  Main menu."},
    };
    for (const auto& c : cases) notifier.notify(c.message);
    notifier.notify("");  // a silence raises nothing to be read as blank
    ASSERT_EQ(uia.raised.size(), std::size(cases));
    for (size_t i = 0; i < uia.raised.size(); ++i) {
        const Raised& r = uia.raised[i];
        EXPECT_EQ(r.text, cases[i].raised);
        EXPECT_EQ(r.kind, 4);        // NotificationKind_Other
        EXPECT_EQ(r.processing, 3);  // NotificationProcessing_MostRecent
        EXPECT_FALSE(r.activity.empty());
        EXPECT_EQ(r.activity, uia.raised[0].activity);  // one activity: newer replaces older
        EXPECT_NE(r.provider, nullptr);
        EXPECT_EQ(r.provider, uia.raised[0].provider);
    }
}

TEST(UiaNotifier, ASystemThatCannotRaiseIsReportedOnceAndEachFailureKindOnce) {
    Automation without;
    UiaNotifier old(kWindow, standIns(without, false));
    try {
        old.notify("Main menu.");
        FAIL() << "a notification that cannot be raised was taken for raised";
    } catch (const PlatformError& e) {
        EXPECT_NE(std::string(e.what()).find("UiaRaiseNotificationEvent"), std::string::npos);
    }
    EXPECT_NO_THROW(old.notify("New game"));

    Automation failing;
    failing.answer = E_FAIL;
    UiaNotifier notifier(kWindow, standIns(failing));
    EXPECT_THROW(notifier.notify("Loans"), PlatformError);
    EXPECT_NO_THROW(notifier.notify("Loans"));
    failing.answer = E_OUTOFMEMORY;
    EXPECT_THROW(notifier.notify("Construction"), PlatformError);
    EXPECT_EQ(failing.raised.size(), 3u);  // each was still tried
}

// Output 3 without JAWS goes to the notifications only when someone reads them out: else
// the game falls back to its voice and says so.
TEST(UiaNotifier, ReachesAScreenReaderOnlyWhenOneRunsAndNotificationsExist) {
    const struct {
        bool canRaise;
        bool screenReader;
        BOOL listening;
        bool reached;
    } cases[] = {
        {true, true, TRUE, true},
        {true, false, TRUE, false},  // UI Automation has clients, but no screen reader runs
        {true, true, FALSE, false},
        {false, true, TRUE, false},  // a Windows without notifications
    };
    for (const auto& c : cases) {
        Automation uia;
        uia.screenReader = c.screenReader;
        uia.listening = c.listening;
        UiaNotifier notifier(kWindow, standIns(uia, c.canRaise));
        EXPECT_EQ(notifier.clientsListening(), c.reached)
            << c.canRaise << c.screenReader << c.listening;
    }
}

TEST(UiaNotifier, TheWindowsProviderIsNamedZelvoAndLetsGoWhenClosed) {
    Automation uia;
    UiaNotifier notifier(kWindow, standIns(uia));
    LRESULT result = 0;
    EXPECT_FALSE(notifier.answerGetObject(0, static_cast<LPARAM>(OBJID_CLIENT), result));
    ASSERT_TRUE(notifier.answerGetObject(0, static_cast<LPARAM>(kUiaRootObjectId), result));
    EXPECT_EQ(result, 42);
    IRawElementProviderSimple* provider = uia.returned;
    ASSERT_NE(provider, nullptr);
    EXPECT_TRUE(notifier.clientsListening());

    ProviderOptions options{};
    ASSERT_EQ(provider->get_ProviderOptions(&options), S_OK);
    EXPECT_TRUE(options & ProviderOptions_ServerSideProvider);
    VARIANT name;
    ASSERT_EQ(provider->GetPropertyValue(UIA_NamePropertyId, &name), S_OK);
    ASSERT_EQ(name.vt, VT_BSTR);
    EXPECT_EQ(text(name.bstrVal), L"Zelvo");
    VariantClear(&name);
    VARIANT other;
    ASSERT_EQ(provider->GetPropertyValue(UIA_AutomationIdPropertyId, &other), S_OK);
    EXPECT_EQ(other.vt, VT_EMPTY);  // the host provider answers it
    IRawElementProviderSimple* host = nullptr;
    EXPECT_EQ(provider->get_HostRawElementProvider(&host), S_OK);
    EXPECT_EQ(uia.hostsAsked, std::vector<HWND>{kWindow});

    provider->AddRef();  // a client still holding it when the window goes
    notifier.close();
    EXPECT_EQ(uia.disconnected, std::vector<IRawElementProviderSimple*>{provider});
    EXPECT_EQ(provider->get_HostRawElementProvider(&host), S_OK);
    EXPECT_EQ(host, nullptr);
    EXPECT_EQ(uia.hostsAsked.size(), 1u);  // no longer pointed at the window
    provider->Release();
    EXPECT_FALSE(notifier.answerGetObject(0, static_cast<LPARAM>(kUiaRootObjectId), result));
    notifier.notify("Exit the game");
    EXPECT_TRUE(uia.raised.empty());
}

// The system's UI Automation behind a real window. Wine 8 has no UiaRaiseNotificationEvent
// and may deliver no notification to a client: what is checked is that a client finds the
// window's provider and that nothing is reported twice.
UiaNotifier* windowsNotifier = nullptr;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (message == WM_GETOBJECT && windowsNotifier &&
        windowsNotifier->answerGetObject(wParam, lParam, result))
        return result;
    return DefWindowProcW(window, message, wParam, lParam);
}

// What a UI Automation client, as a screen reader is, reads as the window's name.
std::wstring clientSeesName(HWND window) {
    const HMODULE uia = GetModuleHandleW(L"uiautomationcore.dll");
    using FromHandle = HRESULT WINAPI(HWND, void**);
    using Property = HRESULT WINAPI(void*, PROPERTYID, VARIANT*);
    using Release = BOOL WINAPI(void*);
    auto fromHandle = reinterpret_cast<FromHandle*>(
        reinterpret_cast<void*>(GetProcAddress(uia, "UiaNodeFromHandle")));
    auto property = reinterpret_cast<Property*>(
        reinterpret_cast<void*>(GetProcAddress(uia, "UiaGetPropertyValue")));
    auto release =
        reinterpret_cast<Release*>(reinterpret_cast<void*>(GetProcAddress(uia, "UiaNodeRelease")));
    if (!fromHandle || !property || !release) return L"(no UI Automation client functions)";
    void* node = nullptr;
    if (FAILED(fromHandle(window, &node)) || !node) return L"(no element for the window)";
    VARIANT name;
    VariantInit(&name);
    const HRESULT result = property(node, UIA_NamePropertyId, &name);
    const std::wstring seen =
        SUCCEEDED(result) && name.vt == VT_BSTR ? text(name.bstrVal) : L"(no name)";
    VariantClear(&name);
    release(node);
    return seen;
}

TEST(UiaNotifierSystem, AClientFindsTheWindowsProviderAndNothingIsReportedTwice) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    WNDCLASSW type{};
    type.lpfnWndProc = windowProcedure;
    type.hInstance = GetModuleHandleW(nullptr);
    type.lpszClassName = L"ZelvoUiaTest";
    ASSERT_NE(RegisterClassW(&type), 0);
    // A message-only window, as the tests run with no display; its title is a message, as
    // the game window's often is, and not the name the provider gives.
    const HWND window = CreateWindowW(L"ZelvoUiaTest", L"Main menu.", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, type.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    {
        UiaNotifier notifier(window);
        windowsNotifier = &notifier;
        const LRESULT answer =
            SendMessageW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(kUiaRootObjectId));
        EXPECT_NE(answer, 0) << "the window did not hand out its provider";
        EXPECT_EQ(clientSeesName(window), L"Zelvo");
        notifier.clientsListening();
        int reports = 0;
        for (const char* message : {"Main menu.", "New game", "Help"}) {
            try {
                notifier.notify(message);
            } catch (const PlatformError&) {
                ++reports;
            }
        }
        EXPECT_LE(reports, 1);
        notifier.close();
        windowsNotifier = nullptr;
    }
    DestroyWindow(window);
    UnregisterClassW(L"ZelvoUiaTest", GetModuleHandleW(nullptr));
    CoUninitialize();
}

}  // namespace
}  // namespace zelvo
