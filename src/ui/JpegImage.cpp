#include "ui/JpegImage.h"

#include <cstring>

#include "base/Error.h"
#include "base/JpegErrorExit.h"
#include "ui/PictureFile.h"

namespace {

// One libjpeg decompressor, destroyed on every path. Each step arms the
// error jump in its own frame and returns 0 or libjpeg's message code; the
// caller turns a code into the exception once the library is left.
class Decompressor {
public:
    Decompressor() { cinfo_.err = errors_.Install(); }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }  // safe on a half-made one
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;

    // Reads the header and starts decoding to blue-green-red-unused pixels.
    int Start(const unsigned char* data, size_t size) {
        if (setjmp(errors_.jump) != 0) return errors_.Code();
        jpeg_create_decompress(&cinfo_);
        jpeg_mem_src(&cinfo_, data, static_cast<unsigned long>(size));
        jpeg_read_header(&cinfo_, TRUE);
        cinfo_.out_color_space = JCS_EXT_BGRX;
        jpeg_start_decompress(&cinfo_);
        return 0;
    }

    int Width() const { return static_cast<int>(cinfo_.output_width); }
    int Height() const { return static_cast<int>(cinfo_.output_height); }

    // Decodes every row, top first, into rows width * 4 bytes apart.
    int ReadRows(unsigned char* bits) {
        if (setjmp(errors_.jump) != 0) return errors_.Code();
        const size_t stride = static_cast<size_t>(cinfo_.output_width) * 4;
        while (cinfo_.output_scanline < cinfo_.output_height) {
            JSAMPROW row = bits + cinfo_.output_scanline * stride;
            jpeg_read_scanlines(&cinfo_, &row, 1);
        }
        jpeg_finish_decompress(&cinfo_);
        return 0;
    }

private:
    jpeg_decompress_struct cinfo_{};  // zeroed: destroying it before creation is harmless
    JumpingErrorManager errors_{};
};

void ThrowIfFailed(int code) {
    if (code != 0) throw Error(Format("JPEG error #%d", code));
}

}  // namespace

void TJPEGImage::LoadFromFile(const std::string& fileName) {
    const std::vector<unsigned char> bytes = ReadPictureFile(fileName);
    LoadFromBytes(bytes.data(), bytes.size());
}

void TJPEGImage::LoadFromBytes(const unsigned char* data, size_t size) {
    Decompressor decoder;
    ThrowIfFailed(decoder.Start(data, size));
    unsigned char* bits = nullptr;
    TBitmap decoded = TBitmap::NewDibSection32(decoder.Width(), decoder.Height(), &bits);
    ThrowIfFailed(decoder.ReadRows(bits));
    GdiFlush();  // the pixels were written behind GDI's back
    pixels_ = std::move(decoded);
}
