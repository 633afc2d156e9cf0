#include "ui/Component.h"

#include "ui/Form.h"

void Component::Setup(Form& form, Component* parent, ComponentProps props) {
    form_ = &form;
    parent_ = parent;
    name_ = props.name;
    props_ = std::move(props);
}

Color Component::BackgroundColor() const {
    if (props_.color) return *props_.color;
    return parent_ ? parent_->BackgroundColor() : form_->BackgroundColor();
}

const FontSpec& Component::Font() const {
    if (props_.font) return *props_.font;
    return parent_ ? parent_->Font() : form_->Font();
}

HFONT Component::FontHandle() const {
    if (!props_.font) return parent_ ? parent_->FontHandle() : form_->FontHandle();
    if (!font_) font_ = CreateFontFromSpec(*props_.font);
    return font_.Get();
}

RECT Component::Bounds() const {
    return {ScaleToDpi(props_.left), ScaleToDpi(props_.top),
            ScaleToDpi(props_.left + props_.width), ScaleToDpi(props_.top + props_.height)};
}

std::string Component::Text() const {
    const int length = GetWindowTextLengthA(Handle());
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(Handle(), text.data(), length + 1));
    return text;
}

void Component::SetText(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

bool Component::Visible() const { return IsWindowVisible(Handle()); }

void Component::SetVisible(bool visible) { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }

DWORD Component::CommonStyle() const {
    return WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (props_.tabOrder >= 0 ? WS_TABSTOP : 0);
}

HWND Component::CreateControl(const char* className, DWORD style, DWORD exStyle,
                              HWND parentWindow, int id) {
    const RECT r = Bounds();
    HWND window = CreateSubclassedWindow(exStyle, className, props_.text.c_str(), style, r.left,
                                         r.top, r.right - r.left, r.bottom - r.top, parentWindow,
                                         id);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    return window;
}

HWND Component::CreateOwnControl(const char* className, DWORD style, DWORD exStyle,
                                 HWND parentWindow, int id) {
    RegisterClassOnce(className, CS_DBLCLKS, nullptr);
    ownClass_ = true;
    const RECT r = Bounds();
    HWND window = CreateOwnWindow(exStyle, className, props_.text.c_str(), style, r.left, r.top,
                                  r.right - r.left, r.bottom - r.top, parentWindow,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), FALSE);
    return window;
}

HBRUSH Component::ControlColors(HDC dc) const {
    SetTextColor(dc, Font().color.Resolve());
    SetBkColor(dc, BackgroundColor().Resolve());
    return BrushFor(BackgroundColor());
}

void Component::TrackMouse(UINT message) {
    if (message == WM_MOUSEMOVE && !mouseInside_) {
        mouseInside_ = true;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&tme);
        if (OnMouseEnter) OnMouseEnter();
    } else if (message == WM_MOUSELEAVE && mouseInside_) {
        mouseInside_ = false;
        if (OnMouseLeave) OnMouseLeave();
    }
}

LRESULT Component::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) TrackMouse(message);
    if (ownClass_ && message == WM_ERASEBKGND) return 1;  // WM_PAINT fills it
    if (ownClass_ && message == WM_PAINT) {
        PaintDc paint(Handle());
        RECT client;
        GetClientRect(Handle(), &client);
        FillRect(paint.Get(), &client, BrushFor(BackgroundColor()));
        Paint(paint.Get(), client);
        return 0;
    }
    return DefaultMessage(message, wParam, lParam);
}
