#pragma once
// Colours, fonts and the 96-dpi coordinate system the form descriptions use.
#include <windows.h>
#include "ui/Handles.h"

// A colour as a form description names it: a fixed RGB value, or one of the
// system's colours (button face, window, window text), resolved when drawn.
struct Color {
    static constexpr int kNone = -1;
    COLORREF rgb = 0;
    int systemIndex = kNone;

    static constexpr Color Rgb(int r, int g, int b) { return {RGB(r, g, b), kNone}; }
    static constexpr Color System(int index) { return {0, index}; }
    COLORREF Resolve() const { return systemIndex == kNone ? rgb : GetSysColor(systemIndex); }
};

constexpr Color clBtnFace = Color::System(COLOR_BTNFACE);
constexpr Color clWindow = Color::System(COLOR_WINDOW);
constexpr Color clWindowText = Color::System(COLOR_WINDOWTEXT);
constexpr Color clWhite = Color::Rgb(255, 255, 255);
constexpr Color clNavy = Color::Rgb(0, 0, 128);

struct FontSpec {
    const char* face = "MS Sans Serif";
    int points = 8;
    bool bold = false;
    bool underline = false;
    BYTE charset = DEFAULT_CHARSET;
    Color color = clWindowText;
};

// Pixels at 96 dpi to device pixels at the system's dpi.
int ScaleToDpi(int pixels96);
int SystemDpi();

UniqueFont CreateFontFromSpec(const FontSpec& spec);

// A solid brush for a colour; kept for the lifetime of the process per
// colour, since controls hand brushes back from WM_CTLCOLOR* messages.
HBRUSH BrushFor(Color color);
