#include "capture/ScreenGrab.h"

#include "base/Error.h"

std::unique_ptr<TBitmap> GrabBitmap;

CaptureRect FullDisplayRect() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void GrabScreenRect(const CaptureRect& rect) {
    const int64_t width = int64_t{rect.right} - rect.left;
    const int64_t height = int64_t{rect.bottom} - rect.top;
    if (width < 0 || height < 0) throw Error("Region width and height must not be negative");
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
