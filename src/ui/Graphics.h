#pragma once
// Pictures and the graphics they hold. A picture holds at most one graphic;
// each kind of graphic draws itself (1:1 or stretched), loads itself from a
// file and can give a bitmap of itself. The other kinds and the registry
// that finds a kind by file extension are in PictureKinds.h.
#include <windows.h>
#include <functional>
#include <memory>
#include <string>

#include "ui/Handles.h"

class TBitmap;

// The header of a 32-bit top-down DIB of that size: rows 4-byte aligned
// without padding, blue-green-red-unused pixels, first row at the top.
BITMAPINFO TopDownDib32(int width, int height);

class TGraphic {
public:
    virtual ~TGraphic() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    bool Empty() const { return Width() <= 0 || Height() <= 0; }
    // Draws the whole graphic into the rectangle, stretched to fill it.
    virtual void Draw(HDC dc, const RECT& target) const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // Replaces the graphic with the picture in the file; on failure it
    // raises that kind's message and the graphic is left as it was.
    virtual void LoadFromFile(const std::string& fileName) = 0;
    // A bitmap of the graphic at its own size; the graphic itself is left
    // as it is.
    virtual TBitmap ToBitmap() const;
};

// A device-dependent bitmap whose pixels are shared between copies until one
// of them is changed, so handing a large capture around costs no copies.
class TBitmap : public TGraphic {
public:
    TBitmap() = default;
    // Takes ownership of a bitmap handle.
    static TBitmap FromHandle(GdiBitmapHandle bitmap);
    // A bitmap from the program's resources.
    static TBitmap FromResource(int id);
    // A new top-down 32-bit DIB section (blue, green, red, unused per
    // pixel, rows width * 4 bytes apart) and where its pixels lie.
    static TBitmap NewDibSection32(int width, int height, unsigned char** bits);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Draw(HDC dc, const RECT& target) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    TBitmap ToBitmap() const override { return *this; }
    // A .bmp file, kept as a DIB section; "Bitmap image is not valid".
    void LoadFromFile(const std::string& fileName) override;

    // Makes the bitmap width x height pixels in the screen's own format;
    // its content is undefined until drawn. 0 in either makes it empty.
    void SetSize(int width, int height);
    // The handle for reading (may be shared) and for changing (unshared).
    HBITMAP Handle() const { return pixels_ ? pixels_->Get() : nullptr; }
    HBITMAP MutableHandle();

private:
    std::shared_ptr<GdiBitmapHandle> pixels_;
    int width_ = 0, height_ = 0;
};

class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    const TGraphic* Graphic() const { return graphic_.get(); }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    // Holds no graphic afterwards.
    void Clear();
    // Holds a copy of the graphic (pixels shared until changed).
    void Assign(const TGraphic& graphic);
    void Assign(const TPicture& picture);
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // Makes the picture hold a bitmap (a new empty one when it held another
    // kind or nothing) and returns it; call Changed after changing it.
    TBitmap& Bitmap();
    // A bitmap of whatever the picture holds; empty when it holds nothing.
    TBitmap AsBitmap() const;
    void Changed();

    std::function<void()> OnChange;

private:
    std::unique_ptr<TGraphic> graphic_;
};
