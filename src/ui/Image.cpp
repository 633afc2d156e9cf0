#include "ui/Controls.h"

TImage::TImage() {
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::CreateWindowIn(HWND parent, int id) {
    CreateOwnControl("TImage", CommonStyle(), 0, parent, id);
    if (Props().resourceId) picture_.Assign(TBitmap::FromResource(Props().resourceId));
}

void TImage::PictureChanged() {
    if (!Handle()) return;
    if (Props().autoSize && !picture_.Empty())
        SetWindowPos(Handle(), nullptr, 0, 0, picture_.Width(), picture_.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (Props().autoSize)
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
    if (OnResize) OnResize();
}

LRESULT TImage::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PaintDc paint(Handle());
            RECT r;
            GetClientRect(Handle(), &r);
            FillRect(paint.Get(), &r, BrushFor(BackgroundColor()));
            if (const TGraphic* graphic = picture_.Graphic(); graphic && !graphic->Empty()) {
                RECT target = r;
                if (!Props().stretch)
                    target = {0, 0, graphic->Width(), graphic->Height()};
                graphic->Draw(paint.Get(), target);
            }
            return 0;
        }
    }
    return Component::WindowMessage(message, wParam, lParam);
}
