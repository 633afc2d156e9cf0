#pragma once
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <vector>

namespace e2e {

struct Rgb {
    uint8_t r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& out, const Rgb& colour);

// A copy of the screen's pixels in a rectangle (screen coordinates), taken
// on construction with BitBlt from the screen into a 32-bit DIB section.
class ScreenPixels {
public:
    explicit ScreenPixels(const RECT& area);

    int width() const { return width_; }
    int height() const { return height_; }
    // x and y count from the rectangle's top-left corner.
    Rgb at(int x, int y) const;
    bool contains(const Rgb& colour) const;
    bool operator==(const ScreenPixels& o) const { return pixels_ == o.pixels_; }

private:
    int width_, height_;
    std::vector<uint32_t> pixels_;  // 0x00RRGGBB, top row first
};

RECT screenRect();  // the primary display, from (0, 0)

}  // namespace e2e
