#include "support/WinTestSupport.h"

#include <commctrl.h>

#include "ui/Application.h"
#include "ui/Handles.h"

namespace wintest {

void InitCommonControlsOnce() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls,
                                      ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)done;
}

void PumpPendingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) Application::Get().ProcessMessage(msg);
}

void PumpMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (;;) {
        PumpPendingMessages();
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }

int Scale(int pixels96) {
    WindowDc screen(nullptr);
    return MulDiv(pixels96, GetDeviceCaps(screen.Get(), LOGPIXELSY), 96);
}

RECT ScaledRect(int left, int top, int width, int height) {
    return {Scale(left), Scale(top), Scale(left + width), Scale(top + height)};
}

RECT RectInParent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

SIZE ClientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

COLORREF ClientPixel(HWND window, int clientX, int clientY) {
    WindowDc dc(window);
    return GetPixel(dc.Get(), clientX, clientY);
}

}  // namespace wintest
