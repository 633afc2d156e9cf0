#include "driver/Controls.h"

#include "driver/MenuLayout.h"

namespace e2e {

namespace {

struct ChildSearch {
    const char* className;
    const char* text;
    HWND found;
};

BOOL CALLBACK matchChild(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ChildSearch*>(param);
    if (windowClass(hwnd) != search->className) return TRUE;
    if (search->text != nullptr && windowText(hwnd) != search->text) return TRUE;
    search->found = hwnd;
    return FALSE;
}

void postKey(HWND target, UINT virtualKey) {
    // F10 arrives as a system key, as it does from a real keyboard.
    const bool system = virtualKey == VK_F10;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | scan);
    PostMessageA(target, system ? WM_SYSKEYUP : WM_KEYUP, virtualKey, 1 | scan | (1u << 30) | (1u << 31));
}

void postKeys(HWND target, UINT virtualKey, int times) {
    for (int i = 0; i < times; ++i) postKey(target, virtualKey);
}

}  // namespace

std::string windowText(HWND window) {
    char buffer[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::string windowClass(HWND window) {
    char buffer[256] = {};
    GetClassNameA(window, buffer, sizeof buffer);
    return buffer;
}

HWND findChild(HWND parent, const char* className, const char* text) {
    ChildSearch search{className, text, nullptr};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

void postClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

bool isChecked(HWND checkBox) { return SendMessageA(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool isTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT clientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE clientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void chooseMenu(HWND window, const std::string& menu, const std::string& entry) {
    const MenuPlace place = pelmoraMenuPlace(menu, entry, windowClass(window));
    // The menu loop runs in the program's thread and reads these keys from
    // its queue: the bar opens with its first menu selected.
    PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
    postKeys(window, VK_RIGHT, place.menu);
    postKeys(window, VK_DOWN, 1 + place.entry);  // the first opens the menu on its first entry
    postKey(window, VK_RETURN);
}

void pressKey(HWND window, UINT virtualKey) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = window;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus != nullptr)
        target = info.hwndFocus;
    postKey(target, virtualKey);
}

void pressCloseBox(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace e2e
