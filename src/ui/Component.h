#pragma once
// A component of a form: a real child window (so screen readers and
// automation see it) created from one row of the form's description.
#include <windows.h>
#include <functional>
#include <optional>
#include <string>

#include "ui/MessageTarget.h"
#include "ui/Style.h"

class Component;
class Form;

enum class Bevel { None, Lowered, Raised };
enum class Align { None, Client };

// Everything a description row can say about a component. Each kind reads
// the settings that mean something to it.
struct ComponentProps {
    const char* name = "";
    int left = 0, top = 0, width = 0, height = 0;  // pixels at 96 dpi, in the parent
    std::string text;
    std::optional<FontSpec> font;  // none: the parent's font
    std::optional<Color> color;    // none: the parent's colour
    int tabOrder = -1;             // -1: not a tab stop
    bool checked = false;
    Bevel bevelOuter = Bevel::None;
    Bevel bevelInner = Bevel::None;
    Align align = Align::None;
    bool stretch = false;
    bool autoSize = false;
    bool wordWrap = false;
    bool isDefault = false;
    int modalResult = 0;
    int resourceId = 0;  // glyph or picture in the resources
    int panelWidth = 0;  // status bar: the one panel's width
    int minValue = 0, maxValue = 100;  // up-down range
    Component* associate = nullptr;    // up-down: the field it steps
};

class Component : public MessageTarget {
public:
    // Binds the component to its form and parent (null: the form itself)
    // and takes its settings; the window is made by CreateWindowIn.
    void Setup(Form& form, Component* parent, ComponentProps props);
    virtual void CreateWindowIn(HWND parentWindow, int id) = 0;

    const std::string& Name() const { return name_; }
    const ComponentProps& Props() const { return props_; }
    Form& OwnerForm() const { return *form_; }
    Component* Parent() const { return parent_; }

    Color BackgroundColor() const;
    const FontSpec& Font() const;
    HFONT FontHandle() const;
    // Client rectangle of the component in device pixels, in its parent.
    RECT Bounds() const;

    std::string Text() const;
    void SetText(const std::string& text);
    bool Visible() const;
    void SetVisible(bool visible);

    std::function<void()> OnClick;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    // Notifications the parent window passes on to the control they concern.
    virtual void Command(WORD /*code*/) {}
    virtual bool DrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // Colours for WM_CTLCOLOR*: sets the DC's colours, returns the brush.
    HBRUSH ControlColors(HDC dc) const;

    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Standard or own window class with the component's bounds and font.
    HWND CreateControl(const char* className, DWORD style, DWORD exStyle, HWND parentWindow,
                       int id);
    HWND CreateOwnControl(const char* className, DWORD style, DWORD exStyle, HWND parentWindow,
                          int id);
    DWORD CommonStyle() const;
    // Components of our own classes paint themselves: the background in the
    // component's colour first, then whatever Paint adds.
    virtual void Paint(HDC /*dc*/, const RECT& /*client*/) const {}
    void FireClick() const { if (OnClick) OnClick(); }

private:
    void TrackMouse(UINT message);

    Form* form_ = nullptr;
    Component* parent_ = nullptr;
    std::string name_;
    ComponentProps props_;
    mutable UniqueFont font_;
    bool mouseInside_ = false;
    bool ownClass_ = false;
};
