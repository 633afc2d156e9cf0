#pragma once
// A JPEG picture: the file's image decoded once into a 32-bit DIB section,
// which draws and saves like any bitmap.
#include "ui/Graphics.h"

class TJPEGImage : public TGraphic {
public:
    int Width() const override { return pixels_.Width(); }
    int Height() const override { return pixels_.Height(); }
    void Draw(HDC dc, const RECT& target) const override { pixels_.Draw(dc, target); }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TJPEGImage>(*this); }
    TBitmap ToBitmap() const override { return pixels_; }
    // Bad data raises "JPEG error #%d" with libjpeg's message code.
    void LoadFromFile(const std::string& fileName) override;
    void LoadFromBytes(const unsigned char* data, size_t size);

private:
    TBitmap pixels_;  // shared between copies
};
