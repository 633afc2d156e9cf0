// Encode speed of the product's JPEG encoder (libjpeg-turbo with SIMD, the
// 32-bit blue-green-red-unused rows a screen grab gives) on synthetic
// screenshot-like pictures. Not a test: it prints figures.
//
//   jpeg_encode_bench [runs] [folder]
//
// For each size it prints one line "WxH runs=N median_ms=M bytes=B". With a
// folder, it also writes there, per size, the same pixels as bench_WxH.ppm
// and its own output as bench_WxH.jpg, so other encoders can be timed and
// compared on identical input (scripts/bench-jpeg.sh does).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "output/JpegEncoder.h"

namespace {

// A desktop-like picture: a background gradient, windows with title bars,
// white client areas with lines of black "text", a task bar.
std::vector<unsigned char> ScreenshotLike(int width, int height) {
    std::vector<unsigned char> bgrx(static_cast<size_t>(width) * height * 4);
    auto put = [&](int x, int y, int r, int g, int b) {
        unsigned char* p = &bgrx[(static_cast<size_t>(y) * width + x) * 4];
        p[0] = static_cast<unsigned char>(b);
        p[1] = static_cast<unsigned char>(g);
        p[2] = static_cast<unsigned char>(r);
        p[3] = 0;
    };
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) put(x, y, 37, 111 + y * 60 / height, 149);
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
    for (int window = 0; window < 6; ++window) {
        const int x0 = static_cast<int>(next() % (width / 2)), y0 = static_cast<int>(next() % (height / 2));
        const int x1 = std::min(width, x0 + width / 3 + static_cast<int>(next() % (width / 4)));
        const int y1 = std::min(height, y0 + height / 3 + static_cast<int>(next() % (height / 4)));
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (y < y0 + 22) put(x, y, 0, 84 + (x - x0) * 100 / (x1 - x0), 227);
                else if (x == x0 || x == x1 - 1 || y == y1 - 1) put(x, y, 64, 64, 64);
                else put(x, y, 255, 255, 255);
            }
        }
        for (int line = y0 + 30; line + 10 < y1; line += 16) {
            for (int x = x0 + 8; x + 4 < x1 - 8; x += 1 + static_cast<int>(next() % 3)) {
                if (next() % 9 == 0) { x += 5; continue; }  // a space between words
                for (int y = line; y < line + 10; ++y)
                    if (next() % 3) put(x, y, 0, 0, 0);
            }
        }
    }
    for (int y = height - 30; y < height; ++y)
        for (int x = 0; x < width; ++x) put(x, y, 212, 208, 200);
    return bgrx;
}

void WriteFile(const std::string& path, const std::string& head, const unsigned char* data, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fwrite(head.data(), 1, head.size(), file);
    std::fwrite(data, 1, size, file);
    std::fclose(file);
}

void WritePpm(const std::string& path, const std::vector<unsigned char>& bgrx, int width, int height) {
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < bgrx.size(); i += 4) rgb.insert(rgb.end(), {bgrx[i + 2], bgrx[i + 1], bgrx[i]});
    WriteFile(path, "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n", rgb.data(),
              rgb.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string folder = argc > 2 ? std::string(argv[2]) + "/" : "";
    const int sizes[][2] = {{1920, 1080}, {3840, 2160}};
    for (const auto& size : sizes) {
        const int w = size[0], h = size[1];
        const std::vector<unsigned char> pixels = ScreenshotLike(w, h);
        std::vector<double> ms;
        std::vector<unsigned char> jpeg;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            jpeg = EncodeJpeg(pixels.data(), w, h, w * 4, PixelOrder::Bgrx);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%dx%d runs=%d median_ms=%.2f bytes=%u\n", w, h, runs, ms[ms.size() / 2],
                    static_cast<unsigned>(jpeg.size()));
        if (!folder.empty()) {
            const std::string base = folder + "bench_" + std::to_string(w) + "x" + std::to_string(h);
            WritePpm(base + ".ppm", pixels, w, h);
            WriteFile(base + ".jpg", "", jpeg.data(), jpeg.size());
        }
    }
    return 0;
}
