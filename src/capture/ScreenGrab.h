#pragma once
// Copying screen pixels into a bitmap.
#include <cstdint>
#include <memory>

#include "ui/Graphics.h"

// The rectangle a capture copies, in screen pixels from the top-left corner
// of the primary display: (right - left) x (bottom - top) pixels.
struct CaptureRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The message for a rectangle with a negative width or height.
extern const char* const kNegativeSizeMessage;

// The whole primary display.
CaptureRect FullDisplayRect();

// The grabbed pixels; exists only while one capture runs.
extern std::unique_ptr<TBitmap> GrabBitmap;

// Creates GrabBitmap and fills it with one block copy from the screen.
void GrabScreenRect(const CaptureRect& rect);

// Frees GrabBitmap when the capture leaves, on every path.
class GrabBitmapScope {
public:
    GrabBitmapScope() = default;
    ~GrabBitmapScope() { GrabBitmap.reset(); }
    GrabBitmapScope(const GrabBitmapScope&) = delete;
    GrabBitmapScope& operator=(const GrabBitmapScope&) = delete;
};
