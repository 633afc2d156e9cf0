#include "output/BitmapJpeg.h"

#include "base/Error.h"
#include "output/JpegEncoder.h"
#include "ui/Graphics.h"
#include "ui/Handles.h"

std::vector<unsigned char> EncodeBitmapAsJpeg(HBITMAP bitmap) {
    if (bitmap == nullptr) return {};  // no picture at all
    BITMAP shape{};
    if (GetObjectA(bitmap, sizeof shape, &shape) == 0) throw Error("Invalid bitmap");
    const int width = shape.bmWidth;
    const int height = shape.bmHeight < 0 ? -shape.bmHeight : shape.bmHeight;
    if (width == 0 || height == 0) return {};

    // One 32-bit top-down copy, whose pixels go to libjpeg as they are.
    BITMAPINFO info = TopDownDib32(width, height);
    const int stride = width * 4;
    std::vector<unsigned char> pixels(static_cast<size_t>(stride) * height);
    {
        WindowDc screen(nullptr);
        if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                      DIB_RGB_COLORS) != height)
            throw Error("Cannot read the bitmap's pixels");
    }
    return EncodeJpeg(pixels.data(), width, height, stride, PixelOrder::Bgrx);
}
