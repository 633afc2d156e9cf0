#pragma once
// The JPEG encoder core: pixels in memory to the bytes of a baseline JFIF
// file, through libjpeg(-turbo) with the program's fixed settings
// (quality 90, baseline, floating-point DCT, the library's defaults
// otherwise). Portable: no Windows types, so it is tested natively too.
#include <vector>

// How the channels of one pixel lie in memory, one byte each.
enum class PixelOrder {
    Rgb,   // 3 bytes: red, green, blue
    Bgr,   // 3 bytes: blue, green, red (24-bit DIB rows)
    Bgrx,  // 4 bytes: blue, green, red, unused (32-bit DIB rows)
};

// Encodes width x height pixels; rows are strideBytes apart, top row first
// (a stride may carry padding after each row's pixels). Width or height 0
// (or less) gives an empty result. Throws Error("JPEG error #<code>") with libjpeg's
// message code when the library refuses the image (e.g. a side above
// 65500 pixels).
std::vector<unsigned char> EncodeJpeg(const unsigned char* pixels, int width, int height,
                                      int strideBytes, PixelOrder order);
