#include "capture/ScreenGrab.h"

#include <string>

#include "base/Error.h"

std::unique_ptr<TBitmap> GrabBitmap;
const char* const kNegativeSizeMessage = "Region width and height must not be negative";

namespace {

// The largest grab. Beyond it the display system may fail hard rather than
// report it: under Wine the X11 side ends the process for a pixmap side
// over 32767 pixels or for a copy of several hundred megabytes.
constexpr int64_t kMaxGrabSide = 32767;
constexpr int64_t kMaxGrabPixels = int64_t{8192} * 8192;

}  // namespace

CaptureRect FullDisplayRect() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void GrabScreenRect(const CaptureRect& rect) {
    const int64_t width = int64_t{rect.right} - rect.left;
    const int64_t height = int64_t{rect.bottom} - rect.top;
    if (width < 0 || height < 0) throw Error(kNegativeSizeMessage);
    if (width > kMaxGrabSide || height > kMaxGrabSide || width * height > kMaxGrabPixels)
        throw Error(Format("Region of %s pixels is too large to capture",
                           std::to_string(width) + " x " + std::to_string(height)));
    GrabBitmap = std::make_unique<TBitmap>();
    GrabBitmap->SetSize(static_cast<int>(width), static_cast<int>(height));
    if (GrabBitmap->Empty()) return;

    WindowDc screen(nullptr);
    MemoryDcHandle target(CreateCompatibleDC(screen.Get()));
    SelectedObject selected(target.Get(), GrabBitmap->MutableHandle());
    // One block copy; its result is not checked (a failed copy leaves what
    // the bitmap held).
    BitBlt(target.Get(), 0, 0, static_cast<int>(width), static_cast<int>(height), screen.Get(),
           rect.left, rect.top, SRCCOPY);
}
