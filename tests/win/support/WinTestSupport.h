#pragma once
// Small helpers shared by the in-process Win32 tests: message pumping,
// reading windows as a user or a screen reader sees them, and pixels.
#include <windows.h>

#include <ostream>
#include <string>

namespace wintest {

// Registers the common control classes the forms use (once per process).
void InitCommonControlsOnce();

// Runs messages through the application's own loop step (shortcuts and
// dialog keys included) until none is waiting, or for the given time.
void PumpPendingMessages();
void PumpMessagesFor(DWORD milliseconds);

std::string ClassNameOf(HWND window);
std::string TextOf(HWND window);
DWORD StyleOf(HWND window);
DWORD ExStyleOf(HWND window);

// Pixels at 96 dpi to device pixels, computed from the screen's own dpi.
int Scale(int pixels96);
RECT ScaledRect(int left, int top, int width, int height);
// A child window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND child);
SIZE ClientSize(HWND window);

// The colour shown at a point of the window's client area, read through the
// window's own device context: under Wine that is the window's surface, up
// to date as soon as painting returns, while the screen is refreshed later.
COLORREF ClientPixel(HWND window, int clientX, int clientY);

}  // namespace wintest

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}
inline bool operator==(const SIZE& a, const SIZE& b) { return a.cx == b.cx && a.cy == b.cy; }
inline void PrintTo(const SIZE& s, std::ostream* out) { *out << s.cx << " x " << s.cy; }
