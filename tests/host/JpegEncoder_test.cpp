#include "output/JpegEncoder.h"

#include <gtest/gtest.h>

#include <jpeglib.h>
#include <jerror.h>

#include <cstdint>
#include <random>

#include "../common/JpegTestImages.h"
#include "base/Error.h"

using jpegtest::DecodeJpeg;
using jpegtest::Near;
using jpegtest::RgbImage;

namespace {

const PixelOrder allOrders[] = {PixelOrder::Rgb, PixelOrder::Bgr, PixelOrder::Bgrx};

const char* NameOf(PixelOrder order) {
    switch (order) {
    case PixelOrder::Rgb: return "Rgb";
    case PixelOrder::Bgr: return "Bgr";
    case PixelOrder::Bgrx: return "Bgrx";
    }
    return "?";
}

// Lays RGB pixels out in the given order with the given stride; padding
// and the unused fourth byte are filled with junk the encoder must ignore.
std::vector<unsigned char> Arrange(const RgbImage& image, PixelOrder order, int stride) {
    const int bpp = order == PixelOrder::Bgrx ? 4 : 3;
    std::vector<unsigned char> out(static_cast<size_t>(stride) * image.height, 0xA5);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* rgb = image.At(x, y);
            unsigned char* px = &out[static_cast<size_t>(y) * stride + static_cast<size_t>(x) * bpp];
            const bool rgbOrder = order == PixelOrder::Rgb;
            px[0] = rgbOrder ? rgb[0] : rgb[2];
            px[1] = rgb[1];
            px[2] = rgbOrder ? rgb[2] : rgb[0];
        }
    }
    return out;
}

int PackedStride(int width, PixelOrder order) {
    return width * (order == PixelOrder::Bgrx ? 4 : 3);
}

std::vector<unsigned char> Encode(const RgbImage& image, PixelOrder order, int padding = 0) {
    const int stride = PackedStride(image.width, order) + padding;
    const std::vector<unsigned char> pixels = Arrange(image, order, stride);
    return EncodeJpeg(pixels.data(), image.width, image.height, stride, order);
}

RgbImage Filled(int width, int height, unsigned char r, unsigned char g, unsigned char b) {
    RgbImage image{width, height, {}};
    for (int i = 0; i < width * height; ++i) image.rgb.insert(image.rgb.end(), {r, g, b});
    return image;
}

}  // namespace

TEST(EncodeJpeg, ZeroWidthOrHeightGivesNoBytes) {
    const unsigned char pixel[4] = {1, 2, 3, 4};
    for (PixelOrder order : allOrders) {
        EXPECT_TRUE(EncodeJpeg(pixel, 0, 1, 4, order).empty()) << NameOf(order);
        EXPECT_TRUE(EncodeJpeg(pixel, 1, 0, 4, order).empty()) << NameOf(order);
        EXPECT_TRUE(EncodeJpeg(nullptr, 0, 0, 0, order).empty()) << NameOf(order);
    }
}

// The pixels of a small screenshot-like picture give exactly the bytes of
// the reference file, which the distribution's cjpeg made from the same
// pixels with "-quality 90 -dct float -baseline" (see
// tests/data/make_jpeg_fixture.py): same settings, same library defaults.
TEST(EncodeJpeg, MatchesTheReferenceEncoderByteForByteInEveryOrder) {
    const RgbImage fixture = jpegtest::ReadPpm(TEST_DATA_DIR "/jpeg_fixture.ppm");
    const std::vector<unsigned char> reference = jpegtest::ReadBytes(TEST_DATA_DIR "/jpeg_fixture.jpg");
    for (PixelOrder order : allOrders) {
        EXPECT_TRUE(Encode(fixture, order) == reference) << NameOf(order);
        EXPECT_TRUE(Encode(fixture, order, 7) == reference) << NameOf(order) << " with row padding";
    }
}

// Each colour fills a small image; what comes back must be that colour, in
// every pixel order, so no channel is swapped or dropped.
TEST(EncodeJpeg, KeepsColoursInEveryOrder) {
    struct Colour {
        unsigned char r, g, b;
    } const colours[] = {
        {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {0, 0, 0}, {187, 188, 255}, {250, 128, 20},
    };
    for (PixelOrder order : allOrders) {
        for (const Colour& c : colours) {
            for (const auto& [w, h] : {std::pair{1, 1}, std::pair{3, 2}, std::pair{17, 5}}) {
                const RgbImage decoded = DecodeJpeg(Encode(Filled(w, h, c.r, c.g, c.b), order, 3));
                ASSERT_EQ(decoded.width, w);
                ASSERT_EQ(decoded.height, h);
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x)
                        EXPECT_TRUE(Near(decoded.At(x, y), c.r, c.g, c.b, 4))
                            << NameOf(order) << ' ' << w << 'x' << h << " colour " << int(c.r) << ','
                            << int(c.g) << ',' << int(c.b) << " at " << x << ',' << y;
            }
        }
    }
}

// Four flat quarters of different colours: rows go top to bottom and
// columns left to right, also with an odd width and padded rows.
TEST(EncodeJpeg, KeepsWhereEachColourIs) {
    const int w = 33, h = 18;
    RgbImage image = Filled(w, h, 0, 0, 0);
    auto paint = [&](int x, int y) -> unsigned char* { return &image.rgb[(static_cast<size_t>(y) * w + x) * 3]; };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* px = paint(x, y);
            const bool right = x >= 16, bottom = y >= 8;
            px[0] = right ? 255 : 0;
            px[1] = bottom ? 255 : 0;
            px[2] = right && bottom ? 0 : 128;
        }
    for (PixelOrder order : allOrders) {
        const RgbImage decoded = DecodeJpeg(Encode(image, order, 5));
        EXPECT_TRUE(Near(decoded.At(3, 3), 0, 0, 128, 6)) << NameOf(order);
        EXPECT_TRUE(Near(decoded.At(28, 3), 255, 0, 128, 6)) << NameOf(order);
        EXPECT_TRUE(Near(decoded.At(3, 14), 0, 255, 128, 6)) << NameOf(order);
        EXPECT_TRUE(Near(decoded.At(28, 14), 255, 255, 0, 6)) << NameOf(order);
    }
}

// Noise compresses badly, so the output (over 0.8 bytes a pixel) outgrows
// the encoder's first buffer (0.3 bytes a pixel); the bytes must still be
// one whole JPEG of the picture.
TEST(EncodeJpeg, OutputLargerThanTheFirstBufferStaysWhole) {
    const int w = 256, h = 160;
    RgbImage image = Filled(w, h, 0, 0, 0);
    std::mt19937 random(7);
    for (auto& byte : image.rgb) byte = static_cast<unsigned char>(random());
    const std::vector<unsigned char> jpeg = Encode(image, PixelOrder::Bgrx);
    ASSERT_GT(jpeg.size(), static_cast<size_t>(w) * h * 8 / 10);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg[jpeg.size() - 1], JPEG_EOI);
    const RgbImage decoded = DecodeJpeg(jpeg);
    ASSERT_EQ(decoded.width, w);
    ASSERT_EQ(decoded.height, h);
    // Luma survives at quality 90 even in noise: compare mean green.
    long long error = 0;
    for (size_t i = 1; i < image.rgb.size(); i += 3) error += std::abs(image.rgb[i] - decoded.rgb[i]);
    EXPECT_LT(error / (w * h), 40);
}

// libjpeg refuses sides above JPEG_MAX_DIMENSION; its message code comes
// out in the program's message and nothing leaks (the sanitizer checks).
TEST(EncodeJpeg, LibraryErrorBecomesJpegErrorWithTheMessageCode) {
    const int tooLong = JPEG_MAX_DIMENSION + 1;
    const std::vector<unsigned char> pixels(static_cast<size_t>(tooLong) * 4, 0x80);
    const std::string expected = "JPEG error #" + std::to_string(JERR_IMAGE_TOO_BIG);
    for (PixelOrder order : allOrders) {
        for (const auto& [w, h] : {std::pair{tooLong, 1}, std::pair{1, tooLong}}) {
            const int stride = PackedStride(w, order);
            try {
                EncodeJpeg(pixels.data(), w, h, h == 1 ? stride : PackedStride(1, order), order);
                ADD_FAILURE() << "no error for " << w << 'x' << h;
            } catch (const Error& e) {
                EXPECT_EQ(e.what(), expected) << NameOf(order) << ' ' << w << 'x' << h;
            }
        }
    }
}
