#pragma once
// Test helpers shared by the native and the Win32 tests of the JPEG output:
// reading fixture files, decoding JPEG bytes back to RGB with libjpeg's own
// decoder, and comparing colours within what JPEG keeps of them.
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace jpegtest {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // rows top to bottom, 3 bytes a pixel, no padding

    const unsigned char* At(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

inline std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}

// A binary PPM ("P6", maxval 255) as written by the fixture script.
inline RgbImage ReadPpm(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(path);
    RgbImage image;
    int maxval = 0, used = 0;
    const std::string head(bytes.begin(), bytes.begin() + std::min<size_t>(bytes.size(), 64));
    if (std::sscanf(head.c_str(), "P6 %d %d %d%n", &image.width, &image.height, &maxval, &used) != 3 ||
        maxval != 255)
        throw std::runtime_error("not a P6 PPM: " + path);
    const size_t start = static_cast<size_t>(used) + 1;  // one white-space byte after maxval
    image.rgb.assign(bytes.begin() + start, bytes.end());
    if (image.rgb.size() != static_cast<size_t>(image.width) * image.height * 3)
        throw std::runtime_error("short PPM: " + path);
    return image;
}

namespace detail {
// libjpeg's fatal errors jump back here; an exception must not unwind
// through its C frames.
struct JumpingErrors {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
    static void Exit(j_common_ptr cinfo) {
        auto* self = reinterpret_cast<JumpingErrors*>(cinfo->err);
        cinfo->err->format_message(cinfo, self->text);
        std::longjmp(self->jump, 1);
    }
};

// No object with a destructor lives in this frame between setjmp and the
// jump back.
inline bool DecodeInto(const std::vector<unsigned char>& jpeg, RgbImage& image, JumpingErrors& errors) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = JumpingErrors::Exit;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &image.rgb[static_cast<size_t>(cinfo.output_scanline) * image.width * 3];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}
}  // namespace detail

// Decodes JPEG bytes to RGB with libjpeg's decoder; throws when the bytes
// are no JPEG.
inline RgbImage DecodeJpeg(const std::vector<unsigned char>& jpeg) {
    if (jpeg.empty()) throw std::runtime_error("no JPEG bytes");
    RgbImage image;
    detail::JumpingErrors errors{};
    if (!detail::DecodeInto(jpeg, image, errors)) throw std::runtime_error(errors.text);
    return image;
}

// Whether a decoded pixel is within tolerance of the colour painted there.
inline bool Near(const unsigned char* rgb, int r, int g, int b, int tolerance) {
    return std::abs(rgb[0] - r) <= tolerance && std::abs(rgb[1] - g) <= tolerance &&
           std::abs(rgb[2] - b) <= tolerance;
}

}  // namespace jpegtest
