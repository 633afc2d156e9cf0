#pragma once
// The components the forms are made of. Each is a real child window: a
// standard control where Windows has one, a small class of ours otherwise.
#include <windows.h>
#include <windowsx.h>

#include "ui/Component.h"
#include "ui/Graphics.h"

// Static text; with mouse events when a handler is bound (the link label).
class TLabel : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
    void Command(WORD code) override;
};

// A flat area with optional bevels that holds other components.
class TPanel : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& client) const override;
};

// Shows a picture: 1:1 at its top-left corner, or stretched to fill it.
// With auto-size it is always the exact size of its picture.
class TImage : public Component {
public:
    TImage();
    void CreateWindowIn(HWND parent, int id) override;
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    std::function<void()> OnResize;

private:
    void Paint(HDC dc, const RECT& client) const override;
    void PictureChanged();
    TPicture picture_;
};

// A flat button with a glyph left of its caption: no border until the mouse
// is over it, and it never takes the keyboard focus.
class TSpeedButton : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc, const RECT& client) const override;
    TBitmap glyph_;
    bool hot_ = false;
    bool pressed_ = false;
};

class TCheckBox : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
    void Command(WORD code) override;
    bool Checked() const;
    void SetChecked(bool checked);
    // Changes the tick and runs the click handler, as a click does.
    void Toggle();
};

class TButton : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
    void Command(WORD code) override;
};

class TStatusBar : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
};

// A scrolling area for one child that may be larger than it: a scroll bar
// shows in each direction in which the child is larger.
class TScrollBox : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Recomputes the scroll bars after the content changed size.
    void ContentChanged();

private:
    HWND Content() const { return GetWindow(Handle(), GW_CHILD); }
    void Scroll(int bar, WORD request);
    POINT origin_{0, 0};
};
