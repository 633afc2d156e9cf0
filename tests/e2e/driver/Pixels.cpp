#include "driver/Pixels.h"

#include <algorithm>
#include <stdexcept>

#include "driver/Handle.h"

namespace e2e {

namespace {

// A memory DC with a top-down 32-bit DIB section selected into it.
class DibSection {
public:
    DibSection(HDC screen, int width, int height) : dc_(CreateCompatibleDC(screen)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (dc_ == nullptr || bitmap_ == nullptr) {
            release();
            throw std::runtime_error("cannot create a DIB section for a screen copy");
        }
        old_ = SelectObject(dc_, bitmap_);
    }
    ~DibSection() { release(); }
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    HDC dc() const { return dc_; }
    const uint32_t* bits() const { return static_cast<const uint32_t*>(bits_); }

private:
    void release() {
        if (dc_ != nullptr && old_ != nullptr) SelectObject(dc_, old_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        if (dc_ != nullptr) DeleteDC(dc_);
    }

    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    return out << "RGB(" << int(colour.r) << ", " << int(colour.g) << ", " << int(colour.b) << ")";
}

ScreenPixels::ScreenPixels(const RECT& area)
    : width_(area.right - area.left), height_(area.bottom - area.top) {
    if (width_ <= 0 || height_ <= 0) throw std::runtime_error("an empty screen rectangle");
    ScreenDC screen;
    DibSection copy(screen.get(), width_, height_);
    if (!BitBlt(copy.dc(), 0, 0, width_, height_, screen.get(), area.left, area.top, SRCCOPY))
        throw std::runtime_error("BitBlt from the screen failed");
    GdiFlush();
    pixels_.assign(copy.bits(), copy.bits() + static_cast<size_t>(width_) * height_);
    for (auto& p : pixels_) p &= 0x00FFFFFF;
}

Rgb ScreenPixels::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("a pixel outside the copied rectangle");
    const uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
    return {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
}

bool ScreenPixels::contains(const Rgb& colour) const {
    const uint32_t p = (uint32_t(colour.r) << 16) | (uint32_t(colour.g) << 8) | colour.b;
    return std::find(pixels_.begin(), pixels_.end(), p) != pixels_.end();
}

RECT screenRect() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace e2e
