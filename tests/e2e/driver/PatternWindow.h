#pragma once
#include <windows.h>

#include "driver/Pixels.h"

namespace e2e {

// A borderless window of the driver's own, painted with a grid of large
// solid blocks, each of its own colour, so that a screen capture made over
// it has content the test can predict exactly. None of the colours is white
// or the program's background colour. It is shown without taking the
// activation, above every window that is not topmost.
class PatternWindow {
public:
    static constexpr int kColumns = 8;
    static constexpr int kRows = 8;

    explicit PatternWindow(const RECT& area = screenRect());
    ~PatternWindow();
    PatternWindow(const PatternWindow&) = delete;
    PatternWindow& operator=(const PatternWindow&) = delete;

    HWND window() const { return window_; }
    const RECT& area() const { return area_; }

    static Rgb blockColour(int column, int row);
    RECT blockRect(int column, int row) const;  // screen coordinates
    POINT blockCentre(int column, int row) const;
    // The pattern's colour at a point of the screen inside area().
    Rgb colourAt(POINT screen) const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc) const;
    bool cornersOnScreen() const;

    RECT area_;
    HWND window_ = nullptr;
};

}  // namespace e2e
