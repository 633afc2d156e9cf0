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

void TImage::Paint(HDC dc, const RECT& client) const {
    const TGraphic* graphic = picture_.Graphic();
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(dc, Props().stretch ? client : RECT{0, 0, graphic->Width(), graphic->Height()});
}
