#include "driver/PatternWindow.h"

#include <stdexcept>

#include "driver/Wait.h"

namespace e2e {

namespace {

constexpr char kClassName[] = "PelmoraTestPattern";

void registerClass(WNDPROC proc) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    // Registering twice fails harmlessly; the first registration stays.
    RegisterClassA(&wc);
}

}  // namespace

PatternWindow::PatternWindow(const RECT& area) : area_(area) {
    registerClass(windowProc);
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "Test pattern", WS_POPUP, area.left, area.top,
                              area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) throw std::runtime_error("cannot create the pattern window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(window_);
    // Wine hands a window's drawing to the display a little later: wait until
    // the corner blocks (which no centred window covers) are on the screen.
    const bool shown = waitUntil([this] { return cornersOnScreen(); });
    if (!shown) {
        DestroyWindow(window_);
        throw std::runtime_error("the pattern window never appeared on the screen");
    }
}

bool PatternWindow::cornersOnScreen() const {
    const POINT corners[] = {{0, 0}, {kColumns - 1, 0}, {0, kRows - 1}, {kColumns - 1, kRows - 1}};
    for (const POINT& c : corners) {
        const POINT p = blockCentre(c.x, c.y);
        if (ScreenPixels({p.x, p.y, p.x + 1, p.y + 1}).at(0, 0) != blockColour(c.x, c.y)) return false;
    }
    return true;
}

PatternWindow::~PatternWindow() {
    DestroyWindow(window_);
    pumpMessages();
}

Rgb PatternWindow::blockColour(int column, int row) {
    // Red counts the columns, green the rows; blue stays far below 255.
    return {uint8_t(20 + column * 28), uint8_t(20 + row * 28), uint8_t(40 + (column * 5 + row * 3) % 8 * 20)};
}

RECT PatternWindow::blockRect(int column, int row) const {
    const int w = area_.right - area_.left, h = area_.bottom - area_.top;
    return {area_.left + w * column / kColumns, area_.top + h * row / kRows,
            area_.left + w * (column + 1) / kColumns, area_.top + h * (row + 1) / kRows};
}

POINT PatternWindow::blockCentre(int column, int row) const {
    const RECT r = blockRect(column, row);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

Rgb PatternWindow::colourAt(POINT screen) const {
    const int w = area_.right - area_.left, h = area_.bottom - area_.top;
    const int column = (screen.x - area_.left) * kColumns / w;
    const int row = (screen.y - area_.top) * kRows / h;
    if (column < 0 || row < 0 || column >= kColumns || row >= kRows)
        throw std::out_of_range("a point outside the pattern");
    return blockColour(column, row);
}

void PatternWindow::paint(HDC dc) const {
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const Rgb c = blockColour(column, row);
            RECT r = blockRect(column, row);
            OffsetRect(&r, -area_.left, -area_.top);
            HBRUSH brush = CreateSolidBrush(RGB(c.r, c.g, c.b));
            FillRect(dc, &r, brush);
            DeleteObject(brush);
        }
    }
}

LRESULT CALLBACK PatternWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<const PatternWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self != nullptr) self->paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace e2e
