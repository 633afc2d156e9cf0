#pragma once
// A top-level window built from its form description (see FormTable.h).
#include <windows.h>
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Menu.h"
#include "ui/Style.h"

enum class BorderStyle { Single, Sizeable, Dialog };
enum class Placement { ScreenCenter, MainFormCenter };

// Modal results.
constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

struct FormSettings {
    const char* className = "";
    const char* caption = "";
    int width = 0, height = 0;  // pixels at 96 dpi
    bool sizeIsClient = true;   // false: width and height are the outer size
    BorderStyle border = BorderStyle::Single;
    bool minimizeBox = false;
    bool maximizeBox = false;
    bool stayOnTop = false;
    Color color = clBtnFace;
    FontSpec font;
    Placement placement = Placement::ScreenCenter;
};

class Form : public MessageTarget {
public:
    Form();
    ~Form() override;

    Color BackgroundColor() const { return settings_.color; }
    const FontSpec& Font() const { return settings_.font; }
    HFONT FontHandle() const { return font_.Get(); }
    HACCEL Accelerators() const { return accelerators_.Get(); }
    const FormSettings& Settings() const { return settings_; }

    void Show();
    void Hide();
    bool Visible() const { return IsWindowVisible(Handle()); }
    // Shows the form with the other forms disabled and returns when it is
    // closed, with its modal result.
    int ShowModal();
    bool Modal() const { return modal_; }
    void SetModalResult(int result) { modalResult_ = result; }
    void Close();

    void SetStayOnTop(bool onTop);

    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Steps of building, in order; FormTable.h drives them.
    void CreateFrame(const FormSettings& settings);
    void AddComponent(Component& component);
    void AddMenuEntry(TMenuItem& item, TMenuItem* parent, const char* name, const char* caption,
                      UINT shortcut, bool enabled);
    void FinishBuild();
    template <class F> friend struct FormDescription;

private:
    void PlaceForFirstShow();
    void AttachMenu();
    void FitClientArea();
    Component* ComponentFromHandle(HWND window) const;
    TMenuItem* MenuItemFromId(UINT id) const;
    Component* DefaultButton() const;

    FormSettings settings_;
    UniqueFont font_;
    MenuHandle menuBar_;
    AcceleratorHandle accelerators_;
    std::vector<Component*> components_;
    struct MenuEntry {
        TMenuItem* item;
        TMenuItem* parent;
        HMENU popup;  // the popup an entry with children opens
    };
    std::vector<MenuEntry> menu_;
    bool placed_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
};

// Passes a notification that a child control sent to its parent window on
// to the component it concerns: commands, owner drawing, colours. Forms and
// container components (panels, scroll boxes) share it.
bool RouteChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
