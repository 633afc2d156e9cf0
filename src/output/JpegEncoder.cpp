#include "output/JpegEncoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#include <jpeglib.h>
#include <jerror.h>

#include "base/Error.h"
#include "base/JpegErrorExit.h"

namespace {

// An in-memory destination that grows with realloc. Unlike jpeg_mem_dest,
// whose latest buffer is lost when an error strikes after it has grown, it
// always knows its buffer, and frees it when it goes out of scope.
struct MemoryDestination {
    jpeg_destination_mgr pub{};  // first, as above
    JOCTET* buffer;
    size_t size;

    explicit MemoryDestination(size_t initialSize)
        : buffer(static_cast<JOCTET*>(std::malloc(initialSize))), size(initialSize) {
        if (buffer == nullptr) throw std::bad_alloc();
    }
    ~MemoryDestination() { std::free(buffer); }
    MemoryDestination(const MemoryDestination&) = delete;
    MemoryDestination& operator=(const MemoryDestination&) = delete;

    size_t Used() const { return size - pub.free_in_buffer; }
};

void StartDestination(j_compress_ptr) {}

boolean GrowDestination(j_compress_ptr cinfo) {
    auto* dest = reinterpret_cast<MemoryDestination*>(cinfo->dest);
    const size_t grown = dest->size * 2;
    auto* buffer = static_cast<JOCTET*>(std::realloc(dest->buffer, grown));
    if (buffer == nullptr) ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 99);
    dest->pub.next_output_byte = buffer + dest->size;
    dest->pub.free_in_buffer = grown - dest->size;
    dest->buffer = buffer;
    dest->size = grown;
    return TRUE;
}

void EndDestination(j_compress_ptr) {}

J_COLOR_SPACE ColorSpaceOf(PixelOrder order) {
    switch (order) {
    case PixelOrder::Rgb: return JCS_RGB;
    case PixelOrder::Bgr: return JCS_EXT_BGR;
    case PixelOrder::Bgrx: return JCS_EXT_BGRX;
    }
    return JCS_UNKNOWN;
}

int BytesPerPixel(PixelOrder order) {
    return order == PixelOrder::Bgrx ? 4 : 3;
}

struct ImageShape {
    int width;
    int height;
    PixelOrder order;
};

// Runs libjpeg from creation to destruction; the encoded bytes go to dest.
// Returns 0, or libjpeg's message code when it failed. Between setjmp and
// the jump back nothing here owns a destructor, so skipping frames is safe;
// the row pointers come from the caller's buffer for the same reason.
int Compress(const ImageShape& image, MemoryDestination& dest, JSAMPROW* rows) {
    jpeg_compress_struct cinfo;
    JumpingErrorManager errors;
    cinfo.err = errors.Install();
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        return errors.Code();
    }
    jpeg_create_compress(&cinfo);

    dest.pub.init_destination = StartDestination;
    dest.pub.empty_output_buffer = GrowDestination;
    dest.pub.term_destination = EndDestination;
    dest.pub.next_output_byte = dest.buffer;
    dest.pub.free_in_buffer = dest.size;
    cinfo.dest = &dest.pub;

    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = BytesPerPixel(image.order);
    cinfo.in_color_space = ColorSpaceOf(image.order);
    jpeg_set_defaults(&cinfo);
    cinfo.dct_method = JDCT_FLOAT;
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    // libjpeg takes as many rows as it can per call; loop for the rest.
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, rows + cinfo.next_scanline, cinfo.image_height - cinfo.next_scanline);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return 0;
}

}  // namespace

std::vector<unsigned char> EncodeJpeg(const unsigned char* pixels, int width, int height,
                                      int strideBytes, PixelOrder order) {
    if (width <= 0 || height <= 0) return {};

    const ImageShape image{width, height, order};
    std::vector<JSAMPROW> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[y] = const_cast<JSAMPROW>(pixels + static_cast<ptrdiff_t>(y) * strideBytes);

    // A first guess of a tenth of the raw size; the destination doubles
    // when that is not enough.
    MemoryDestination dest(static_cast<size_t>(width) * static_cast<size_t>(height) * 3 / 10 + 4096);

    const int code = Compress(image, dest, rows.data());
    if (code != 0) throw Error(Format("JPEG error #%d", code));
    return std::vector<unsigned char>(dest.buffer, dest.buffer + dest.Used());
}
