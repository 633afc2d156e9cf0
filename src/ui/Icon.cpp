#include "ui/Icon.h"

#include "base/Error.h"
#include "ui/PictureFile.h"

namespace {

// An icon's size from its bitmaps: the colour bitmap, or for a monochrome
// icon the mask, which holds the AND and XOR halves one above the other.
SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {0, 0};
    const GdiBitmapHandle mask(info.hbmMask), colour(info.hbmColor);
    BITMAP shape{};
    if (colour) {
        GetObjectA(colour.Get(), sizeof shape, &shape);
        return {shape.bmWidth, shape.bmHeight};
    }
    GetObjectA(mask.Get(), sizeof shape, &shape);
    return {shape.bmWidth, shape.bmHeight / 2};
}

}  // namespace

void TIcon::LoadFromFile(const std::string& fileName) {
    CheckPictureFileOpens(fileName);
    // Width and height 0 without LR_DEFAULTSIZE: the image's own size.
    IconHandle icon(static_cast<HICON>(
        LoadImageA(nullptr, fileName.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    const SIZE size = icon ? IconSize(icon.Get()) : SIZE{0, 0};
    if (size.cx <= 0 || size.cy <= 0) throw Error("Icon image is not valid");
    icon_ = std::make_shared<IconHandle>(std::move(icon));
    width_ = size.cx;
    height_ = size.cy;
}

void TIcon::Draw(HDC dc, const RECT& target) const {
    if (Empty()) return;
    DrawIconEx(dc, target.left, target.top, Handle(), target.right - target.left,
               target.bottom - target.top, 0, nullptr, DI_NORMAL);
}
