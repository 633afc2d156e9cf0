#include <algorithm>

#include "ui/Controls.h"
#include "ui/Form.h"

void TScrollBox::CreateWindowIn(HWND parent, int id) {
    HWND window = CreateOwnControl("TScrollBox", CommonStyle() | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
                                   parent, id);
    if (Props().align == Align::Client) {
        RECT r;
        GetClientRect(parent, &r);
        MoveWindow(window, 0, 0, r.right, r.bottom, FALSE);
    }
}

void TScrollBox::ContentChanged() {
    HWND content = Content();
    RECT child{};
    if (content) GetWindowRect(content, &child);
    const int contentW = child.right - child.left, contentH = child.bottom - child.top;
    // Showing one bar takes room from the other direction: settle both.
    RECT outer;
    GetWindowRect(Handle(), &outer);
    int viewW = outer.right - outer.left, viewH = outer.bottom - outer.top;
    const int barW = GetSystemMetrics(SM_CXVSCROLL), barH = GetSystemMetrics(SM_CYHSCROLL);
    bool needH = contentW > viewW, needV = contentH > viewH;
    if (needH && !needV) needV = contentH > viewH - barH;
    if (needV && !needH) needH = contentW > viewW - barW;
    viewW -= needV ? barW : 0;
    viewH -= needH ? barH : 0;
    origin_.x = needH ? std::min<LONG>(origin_.x, contentW - viewW) : 0;
    origin_.y = needV ? std::min<LONG>(origin_.y, contentH - viewH) : 0;
    SCROLLINFO h{sizeof h, SIF_ALL | SIF_DISABLENOSCROLL, 0, contentW - 1, UINT(viewW), int(origin_.x), 0};
    SCROLLINFO v{sizeof v, SIF_ALL | SIF_DISABLENOSCROLL, 0, contentH - 1, UINT(viewH), int(origin_.y), 0};
    ShowScrollBar(Handle(), SB_HORZ, needH);
    ShowScrollBar(Handle(), SB_VERT, needV);
    if (needH) SetScrollInfo(Handle(), SB_HORZ, &h, TRUE);
    if (needV) SetScrollInfo(Handle(), SB_VERT, &v, TRUE);
    if (content)
        SetWindowPos(content, nullptr, -origin_.x, -origin_.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TScrollBox::Scroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Handle(), bar, &info);
    int pos = info.nPos;
    const int page = static_cast<int>(info.nPage);
    switch (request) {
        case SB_LINEUP: pos -= 16; break;
        case SB_LINEDOWN: pos += 16; break;
        case SB_PAGEUP: pos -= page; break;
        case SB_PAGEDOWN: pos += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: pos = info.nTrackPos; break;
        case SB_TOP: pos = info.nMin; break;
        case SB_BOTTOM: pos = info.nMax; break;
        default: return;
    }
    pos = std::max(info.nMin, std::min(pos, info.nMax - page + 1));
    (bar == SB_HORZ ? origin_.x : origin_.y) = pos;
    SetScrollPos(Handle(), bar, pos, TRUE);
    if (HWND content = Content())
        SetWindowPos(content, nullptr, -origin_.x, -origin_.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TScrollBox::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteChildNotification(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_HSCROLL: Scroll(SB_HORZ, LOWORD(wParam)); return 0;
        case WM_VSCROLL: Scroll(SB_VERT, LOWORD(wParam)); return 0;
        case WM_MOUSEWHEEL:
            Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
            return 0;
        case WM_SIZE: ContentChanged(); break;
    }
    return Component::WindowMessage(message, wParam, lParam);
}
