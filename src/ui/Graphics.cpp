#include "ui/Graphics.h"

#include "base/Error.h"
#include "ui/PictureFile.h"

TBitmap TGraphic::ToBitmap() const {
    TBitmap bitmap;
    bitmap.SetSize(Width(), Height());
    if (bitmap.Empty()) return bitmap;
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.Get(), bitmap.MutableHandle());
    RECT all = {0, 0, Width(), Height()};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Draw(dc.Get(), all);
    return bitmap;
}

namespace {

[[noreturn]] void NoMemoryForPicture(int width, int height) {
    throw Error(Format("Not enough memory for a picture of %s pixels",
                       std::to_string(width) + " x " + std::to_string(height)));
}

}  // namespace

TBitmap TBitmap::FromHandle(GdiBitmapHandle bitmap) {
    TBitmap result;
    BITMAP info{};
    if (bitmap && GetObjectA(bitmap.Get(), sizeof info, &info)) {
        result.width_ = info.bmWidth;
        result.height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
        result.pixels_ = std::make_shared<GdiBitmapHandle>(std::move(bitmap));
    }
    return result;
}

TBitmap TBitmap::FromResource(int id) {
    GdiBitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return FromHandle(std::move(bitmap));
}

BITMAPINFO TopDownDib32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

TBitmap TBitmap::NewDibSection32(int width, int height, unsigned char** bits) {
    const BITMAPINFO info = TopDownDib32(width, height);
    void* pixels = nullptr;
    GdiBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap || !pixels) NoMemoryForPicture(width, height);
    *bits = static_cast<unsigned char*>(pixels);
    return FromHandle(std::move(bitmap));
}

void TBitmap::LoadFromFile(const std::string& fileName) {
    CheckPictureFileOpens(fileName);
    GdiBitmapHandle bitmap(static_cast<HBITMAP>(LoadImageA(
        nullptr, fileName.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    TBitmap loaded = FromHandle(std::move(bitmap));
    if (loaded.Empty()) throw Error("Bitmap image is not valid");
    *this = std::move(loaded);
}

void TBitmap::SetSize(int width, int height) {
    pixels_.reset();
    width_ = height_ = 0;
    if (width <= 0 || height <= 0) return;
    WindowDc screen(nullptr);
    GdiBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    if (!bitmap) NoMemoryForPicture(width, height);
    pixels_ = std::make_shared<GdiBitmapHandle>(std::move(bitmap));
    width_ = width;
    height_ = height;
}

HBITMAP TBitmap::MutableHandle() {
    if (pixels_ && pixels_.use_count() > 1) {
        // Another copy shares these pixels: give this one its own.
        TBitmap copy;
        copy.SetSize(width_, height_);
        MemoryDcHandle from(CreateCompatibleDC(nullptr)), to(CreateCompatibleDC(nullptr));
        SelectedObject selectFrom(from.Get(), Handle());
        SelectedObject selectTo(to.Get(), copy.Handle());
        BitBlt(to.Get(), 0, 0, width_, height_, from.Get(), 0, 0, SRCCOPY);
        pixels_ = copy.pixels_;
    }
    return Handle();
}

void TBitmap::Draw(HDC dc, const RECT& target) const {
    if (Empty()) return;
    MemoryDcHandle source(CreateCompatibleDC(dc));
    SelectedObject selected(source.Get(), Handle());
    const int w = target.right - target.left, h = target.bottom - target.top;
    if (w == width_ && h == height_) {
        BitBlt(dc, target.left, target.top, w, h, source.Get(), 0, 0, SRCCOPY);
    } else {
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, target.left, target.top, w, h, source.Get(), 0, 0, width_, height_, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    }
}

std::unique_ptr<TGraphic> TBitmap::Clone() const { return std::make_unique<TBitmap>(*this); }

void TPicture::Clear() {
    graphic_.reset();
    Changed();
}

void TPicture::Assign(const TGraphic& graphic) { SetGraphic(graphic.Clone()); }

void TPicture::Assign(const TPicture& picture) {
    if (picture.graphic_) SetGraphic(picture.graphic_->Clone());
    else Clear();
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    graphic_ = std::move(graphic);
    Changed();
}

TBitmap& TPicture::Bitmap() {
    auto* bitmap = dynamic_cast<TBitmap*>(graphic_.get());
    if (!bitmap) {
        auto fresh = std::make_unique<TBitmap>();
        bitmap = fresh.get();
        graphic_ = std::move(fresh);
        Changed();
    }
    return *bitmap;
}

TBitmap TPicture::AsBitmap() const { return graphic_ ? graphic_->ToBitmap() : TBitmap(); }

void TPicture::Changed() {
    if (OnChange) OnChange();
}
