// The game's one window: black, resizable, its picture painted on WM_PAINT.
#include "platform/win32/game_window.h"

#include "platform/platform.h"
#include "platform/win32/wide.h"

namespace zelvo {
namespace {

constexpr wchar_t kClassName[] = L"Zelvo";
constexpr int kWidth = 800;
constexpr int kHeight = 600;

std::string systemReason(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = n > 0 && text ? std::wstring(text, n) : L"";
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                               reason.back() == L'.' || reason.back() == L' '))
        reason.pop_back();
    return reason.empty() ? "system error " + std::to_string(code) : narrow(reason);
}

}  // namespace

GameWindow::GameWindow(const std::string& title) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kClassName;
    // A second window in the same program finds the class already there.
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw PlatformError("the window could not be opened: " + systemReason(GetLastError()));
    hwnd_ = CreateWindowExW(0, kClassName, widen(title).c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, kWidth, kHeight, nullptr, nullptr, instance, this);
    if (!hwnd_)
        throw PlatformError("the window could not be opened: " + systemReason(GetLastError()));
    HDC dc = GetDC(hwnd_);
    const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(hwnd_, dc);
    painter_.makeFont(dpi);  // without it GDI's own font draws: smaller, still readable
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
    takeFocus();
}

GameWindow::~GameWindow() {
    destroy();
}

void GameWindow::destroy() {
    if (!hwnd_) return;
    HWND gone = hwnd_;
    hwnd_ = nullptr;
    SetWindowLongPtrW(gone, GWLP_USERDATA, 0);
    DestroyWindow(gone);
}

int GameWindow::clientWidth() const {
    RECT r{};
    if (!hwnd_ || !GetClientRect(hwnd_, &r)) return 0;
    return static_cast<int>(r.right - r.left);
}

void GameWindow::setTitle(const std::string& text) {
    if (hwnd_) SetWindowTextW(hwnd_, widen(text).c_str());
}

void GameWindow::repaint() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

bool GameWindow::takeCloseRequest() {
    const bool asked = closeRequested_;
    closeRequested_ = false;
    return asked;
}

void GameWindow::renewCloseRequest() {
    if (closeRequested_ && hwnd_) PostMessageW(hwnd_, kCloseMessage, 0, 0);
}

void GameWindow::takeFocus() {
    if (!hwnd_) return;
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
}

LRESULT CALLBACK GameWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* self = static_cast<GameWindow*>(create->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<GameWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handle(message, wParam, lParam);
}

LRESULT GameWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint fills the whole window; erasing first would flicker
    case WM_SIZE:
        repaint();
        return 0;
    case WM_CLOSE:
        closeRequested_ = true;
        PostMessageW(hwnd_, kCloseMessage, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        // Alt or F10 alone would move the keyboard into the system menu, where the game
        // hears nothing; the player's keys are the game's.
        if ((wParam & 0xFFF0) == SC_KEYMENU) return 0;
        break;
    case WM_GETOBJECT: {
        LRESULT answer = 0;
        if (getObject_ && getObject_(wParam, lParam, answer)) return answer;
        break;
    }
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void GameWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (dc) {
        RECT client{};
        GetClientRect(hwnd_, &client);
        painter_.paint(dc, client, picture_);
    }
    EndPaint(hwnd_, &ps);
}

}  // namespace zelvo
