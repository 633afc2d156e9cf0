#include "ui/MessageTarget.h"

#include <commctrl.h>
#include <set>
#include <string>

#include "base/Error.h"
#include "ui/ExceptionBoundary.h"

namespace {
const char kTargetProperty[] = "PelmoraTarget";
constexpr UINT_PTR kSubclassId = 1;
}  // namespace

MessageTarget::~MessageTarget() {
    // The window may outlive this object by a moment (a parent's destruction
    // takes its children along later): make sure it no longer reaches us.
    if (hwnd_) {
        HWND window = hwnd_;
        Detach();
        DestroyWindow(window);
    }
}

void MessageTarget::Detach() {
    if (!hwnd_) return;
    RemovePropA(hwnd_, kTargetProperty);
    if (subclassed_) RemoveWindowSubclass(hwnd_, SubclassProc, kSubclassId);
    hwnd_ = nullptr;
}

MessageTarget* MessageTarget::FromHandle(HWND window) {
    return window ? static_cast<MessageTarget*>(GetPropA(window, kTargetProperty)) : nullptr;
}

LRESULT MessageTarget::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultMessage(message, wParam, lParam);
}

LRESULT MessageTarget::DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (subclassed_) return DefSubclassProc(hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void MessageTarget::RegisterClassOnce(const char* className, UINT style, HICON icon) {
    static std::set<std::string> registered;
    if (!registered.insert(className).second) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = OwnWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = className;
    wc.hIcon = icon;
    if (!RegisterClassExA(&wc)) throw Error(Format("Cannot register window class %s", className));
}

HWND MessageTarget::CreateOwnWindow(DWORD exStyle, const char* className, const char* text,
                                    DWORD style, int x, int y, int w, int h, HWND parent,
                                    HMENU idOrMenu) {
    HWND window = CreateWindowExA(exStyle, className, text, style, x, y, w, h, parent, idOrMenu,
                                  GetModuleHandleA(nullptr), this);
    if (!window) throw Error(Format("Cannot create window %s", className));
    return window;
}

HWND MessageTarget::CreateSubclassedWindow(DWORD exStyle, const char* className,
                                           const char* text, DWORD style, int x, int y, int w,
                                           int h, HWND parent, int id) {
    HWND window = CreateWindowExA(exStyle, className, text, style, x, y, w, h, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleA(nullptr), nullptr);
    if (!window) throw Error(Format("Cannot create window %s", className));
    hwnd_ = window;
    subclassed_ = true;
    SetPropA(window, kTargetProperty, this);
    SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    return window;
}

LRESULT CALLBACK MessageTarget::OwnWindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* target = static_cast<MessageTarget*>(
            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        target->hwnd_ = window;
        SetPropA(window, kTargetProperty, target);
    }
    MessageTarget* target = FromHandle(window);
    if (!target) return DefWindowProcA(window, message, wParam, lParam);
    return Dispatch(target, window, message, wParam, lParam);
}

LRESULT CALLBACK MessageTarget::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    return Dispatch(reinterpret_cast<MessageTarget*>(data), window, message, wParam, lParam);
}

LRESULT MessageTarget::Dispatch(MessageTarget* target, HWND window, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    const LRESULT result = CallGuarded(
        [&] { return target->WindowMessage(message, wParam, lParam); }, LRESULT{0}, [&] {
            // A failing paint handler still validates its area, or Windows
            // would ask again at once, from within the message box, and the
            // same message would be shown without end.
            if (message == WM_PAINT) ValidateRect(window, nullptr);
        });
    if (message == WM_NCDESTROY) target->Detach();
    return result;
}
