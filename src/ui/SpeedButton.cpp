#include "ui/Controls.h"

namespace {
constexpr int kSpacing = 4;  // between glyph and caption
}

void TSpeedButton::CreateWindowIn(HWND parent, int id) {
    if (Props().resourceId) glyph_ = TBitmap::FromResource(Props().resourceId);
    CreateOwnControl("TSpeedButton", CommonStyle() & ~WS_TABSTOP, 0, parent, id);
}

void TSpeedButton::Paint(HDC dc, const RECT& client) const {
    RECT r = client;
    if (pressed_ && hot_) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (hot_ || pressed_) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    const int shift = pressed_ && hot_ ? 1 : 0;

    const std::string caption = Text();
    SelectedObject font(dc, FontHandle());
    SIZE textSize{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &textSize);
    const int glyphW = glyph_.Width(), glyphH = glyph_.Height();
    const int spacing = glyphW && !caption.empty() ? kSpacing : 0;
    const int total = glyphW + spacing + textSize.cx;
    int x = (r.right - total) / 2 + shift;
    const int midY = r.bottom / 2 + shift;

    if (!glyph_.Empty()) {
        // The glyph's bottom-left pixel is its transparent colour.
        MemoryDcHandle source(CreateCompatibleDC(dc));
        SelectedObject selected(source.Get(), glyph_.Handle());
        const COLORREF transparent = GetPixel(source.Get(), 0, glyphH - 1);
        TransparentBlt(dc, x, midY - glyphH / 2, glyphW, glyphH, source.Get(), 0, 0, glyphW, glyphH,
                       transparent);
        x += glyphW + spacing;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Font().color.Resolve());
    TextOutA(dc, x, midY - textSize.cy / 2, caption.c_str(), static_cast<int>(caption.size()));
}

LRESULT TSpeedButton::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE: {
            const POINT p = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            RECT r;
            GetClientRect(Handle(), &r);
            const bool inside = PtInRect(&r, p);
            if (inside != hot_) {
                hot_ = inside;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            break;
        }
        case WM_MOUSELEAVE:
            if (hot_ && !pressed_) {
                hot_ = false;
                InvalidateRect(Handle(), nullptr, FALSE);
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Deliberately no SetFocus: the focus stays where it was.
            pressed_ = true;
            SetCapture(Handle());
            InvalidateRect(Handle(), nullptr, FALSE);
            return 0;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = false;
                ReleaseCapture();
                InvalidateRect(Handle(), nullptr, FALSE);
                if (hot_) FireClick();
            }
            return 0;
        case WM_CAPTURECHANGED:
            pressed_ = false;
            InvalidateRect(Handle(), nullptr, FALSE);
            break;
        case BM_CLICK:
            FireClick();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_STATIC;
    }
    return Component::WindowMessage(message, wParam, lParam);
}
