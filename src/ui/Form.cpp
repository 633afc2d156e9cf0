#include "ui/Form.h"

#include <algorithm>

#include "base/Error.h"
#include "ui/Application.h"

namespace {

constexpr UINT kFirstMenuId = 100;
constexpr int kFirstControlId = 1000;

DWORD FrameStyle(const FormSettings& s) {
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    switch (s.border) {
        case BorderStyle::Single: style |= WS_OVERLAPPED; break;
        case BorderStyle::Sizeable: style |= WS_OVERLAPPED | WS_THICKFRAME; break;
        case BorderStyle::Dialog: style |= WS_POPUP; break;
    }
    if (s.border != BorderStyle::Dialog) {
        if (s.minimizeBox) style |= WS_MINIMIZEBOX;
        if (s.maximizeBox) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD FrameExStyle(const FormSettings& s) {
    DWORD ex = WS_EX_CONTROLPARENT;
    if (s.border == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
    if (s.stayOnTop) ex |= WS_EX_TOPMOST;
    return ex;
}

}  // namespace

bool RouteChildNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND: {
            auto* child = dynamic_cast<Component*>(
                MessageTarget::FromHandle(reinterpret_cast<HWND>(lParam)));
            if (!lParam || !child) return false;
            child->Command(HIWORD(wParam));
            result = 0;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            auto* child = dynamic_cast<Component*>(MessageTarget::FromHandle(item->hwndItem));
            if (!child || !child->DrawItem(*item)) return false;
            result = TRUE;
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto* child = dynamic_cast<Component*>(
                MessageTarget::FromHandle(reinterpret_cast<HWND>(lParam)));
            if (!child) return false;
            result = reinterpret_cast<LRESULT>(child->ControlColors(reinterpret_cast<HDC>(wParam)));
            return true;
        }
        case WM_SETCURSOR:
            if (HCURSOR cursor = Application::Get().ScreenCursor()) {
                SetCursor(cursor);
                result = TRUE;
                return true;
            }
            return false;
        default:
            return false;
    }
}

Form::Form() = default;

Form::~Form() { Application::Get().RemoveForm(this); }

void Form::CreateFrame(const FormSettings& settings) {
    settings_ = settings;
    font_ = CreateFontFromSpec(settings.font);
    // A dialog frame shows no icon in its title bar.
    RegisterClassOnce(settings.className, CS_DBLCLKS,
                      settings.border == BorderStyle::Dialog ? nullptr : Application::Get().Icon());
    // Every form but the first is owned by the main form: minimising the
    // program hides them with it, and they stay above it.
    Form* main = Application::Get().MainForm();
    HWND owner = main ? main->Handle() : nullptr;
    CreateOwnWindow(FrameExStyle(settings), settings.className, settings.caption,
                    FrameStyle(settings), CW_USEDEFAULT, CW_USEDEFAULT,
                    ScaleToDpi(settings.width), ScaleToDpi(settings.height), owner, nullptr);
    Application::Get().AddForm(this);
}

void Form::AddComponent(Component& component) {
    Component* parent = component.Parent();
    HWND parentWindow = parent ? parent->Handle() : Handle();
    component.CreateWindowIn(parentWindow, kFirstControlId + static_cast<int>(components_.size()));
    components_.push_back(&component);
}

void Form::AddMenuEntry(TMenuItem& item, TMenuItem* parent, const char* name, const char* caption,
                        UINT shortcut, bool enabled) {
    item.Setup(name, caption, shortcut, enabled, kFirstMenuId + static_cast<UINT>(menu_.size()));
    menu_.push_back({&item, parent, nullptr});
}

void Form::AttachMenu() {
    if (menu_.empty()) return;
    menuBar_.Reset(CreateMenu());
    std::vector<ACCEL> shortcuts;
    auto popupOf = [this](TMenuItem* item) -> HMENU {
        if (!item) return menuBar_.Get();
        for (auto& entry : menu_)
            if (entry.item == item) return entry.popup;
        return nullptr;
    };
    // Each entry with children opens a popup; the popups are made first so
    // that every entry finds the menu it stands in.
    for (auto& entry : menu_) {
        const bool hasChildren = std::any_of(menu_.begin(), menu_.end(),
                                             [&](const MenuEntry& e) { return e.parent == entry.item; });
        if (hasChildren) entry.popup = CreatePopupMenu();
    }
    for (auto& entry : menu_) {
        TMenuItem& item = *entry.item;
        HMENU menu = popupOf(entry.parent);
        item.AttachTo(menu);
        if (item.IsSeparator()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string text = item.Caption();
        if (item.Shortcut()) {
            text += "\t" + ShortcutText(item.Shortcut());
            shortcuts.push_back({FVIRTKEY, static_cast<WORD>(item.Shortcut()),
                                 static_cast<WORD>(item.Id())});
        }
        const UINT state = item.Enabled() ? MF_ENABLED : MF_GRAYED;
        if (entry.popup)
            AppendMenuA(menu, MF_POPUP | state, reinterpret_cast<UINT_PTR>(entry.popup), text.c_str());
        else
            AppendMenuA(menu, MF_STRING | state, item.Id(), text.c_str());
    }
    SetMenu(Handle(), menuBar_.Get());
    if (!shortcuts.empty())
        accelerators_.Reset(CreateAcceleratorTableA(shortcuts.data(), static_cast<int>(shortcuts.size())));
}

void Form::FitClientArea() {
    if (!settings_.sizeIsClient) return;
    // Size the frame so the client area is what the layout needs, measured
    // after the menu bar is attached (a narrow window's bar may wrap onto a
    // second line, which the frame calculation does not foresee).
    const int wantW = ScaleToDpi(settings_.width), wantH = ScaleToDpi(settings_.height);
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT client, frame;
        GetClientRect(Handle(), &client);
        GetWindowRect(Handle(), &frame);
        const int dw = wantW - client.right, dh = wantH - client.bottom;
        if (dw == 0 && dh == 0) break;
        SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left + dw,
                     frame.bottom - frame.top + dh, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Form::FinishBuild() {
    AttachMenu();
    FitClientArea();
    // Tab order is the z-order of the tab stops among their siblings.
    std::vector<Component*> stops;
    for (Component* c : components_)
        if (c->Props().tabOrder >= 0) stops.push_back(c);
    std::stable_sort(stops.begin(), stops.end(), [](Component* a, Component* b) {
        return a->Props().tabOrder < b->Props().tabOrder;
    });
    HWND after = HWND_TOP;
    for (Component* c : stops) {
        SetWindowPos(c->Handle(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        after = c->Handle();
    }
}

void Form::PlaceForFirstShow() {
    if (placed_) return;
    placed_ = true;
    RECT frame;
    GetWindowRect(Handle(), &frame);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    Form* main = Application::Get().MainForm();
    if (settings_.placement == Placement::MainFormCenter && main && main != this)
        GetWindowRect(main->Handle(), &area);
    const int x = area.left + (area.right - area.left - w) / 2;
    const int y = area.top + (area.bottom - area.top - h) / 2;
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::Show() {
    PlaceForFirstShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void Form::Hide() { ShowWindow(Handle(), SW_HIDE); }

int Form::ShowModal() {
    if (Visible() && modal_) return mrNone;
    // Every other window of the program is disabled while this one is up.
    std::vector<HWND> disabled;
    for (Form* form : Application::Get().Forms()) {
        HWND w = form->Handle();
        if (form != this && IsWindowEnabled(w)) {
            EnableWindow(w, FALSE);
            disabled.push_back(w);
        }
    }
    HWND previous = GetActiveWindow();
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    MSG msg;
    while (modalResult_ == mrNone) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            modalResult_ = mrCancel;
            break;
        }
        Application::Get().ProcessMessage(msg);
    }
    for (HWND w : disabled) EnableWindow(w, TRUE);
    modal_ = false;
    Hide();
    if (previous && IsWindow(previous)) SetActiveWindow(previous);
    return modalResult_;
}

void Form::Close() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void Form::SetStayOnTop(bool onTop) {
    // Under some window managers an owner window does not take the topmost
    // style while it owns others: release the owned forms for the change.
    std::vector<HWND> owned;
    for (Form* form : Application::Get().Forms())
        if (form != this && GetWindow(form->Handle(), GW_OWNER) == Handle()) owned.push_back(form->Handle());
    for (HWND w : owned) SetWindowLongPtrA(w, GWLP_HWNDPARENT, 0);
    SetWindowPos(Handle(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (HWND w : owned) SetWindowLongPtrA(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Handle()));
}

Component* Form::ComponentFromHandle(HWND window) const {
    for (Component* c : components_)
        if (c->Handle() == window) return c;
    return nullptr;
}

TMenuItem* Form::MenuItemFromId(UINT id) const {
    for (const auto& entry : menu_)
        if (entry.item->Id() == id && !entry.popup) return entry.item;
    return nullptr;
}

Component* Form::DefaultButton() const {
    for (Component* c : components_)
        if (c->Props().isDefault) return c;
    return nullptr;
}

LRESULT Form::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteChildNotification(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND:
            if (lParam == 0) {
                const UINT id = LOWORD(wParam);
                if (TMenuItem* item = MenuItemFromId(id)) {
                    if (item->Enabled()) item->Click();
                } else if (id == IDOK) {
                    // Enter, with no button of ours focused: the default button.
                    if (Component* button = DefaultButton()) SendMessageA(button->Handle(), BM_CLICK, 0, 0);
                }
                return 0;
            }
            break;
        case DM_GETDEFID:
            if (Component* button = DefaultButton())
                return MAKELRESULT(GetDlgCtrlID(button->Handle()), DC_HASDEFID);
            return 0;
        case WM_ERASEBKGND: {
            RECT r;
            GetClientRect(Handle(), &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, BrushFor(settings_.color));
            return 1;
        }
        case WM_SIZE:
            // Components aligned to the client area follow the form's size.
            for (Component* c : components_)
                if (c->Props().align == Align::Client && !c->Parent())
                    MoveWindow(c->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            break;
        case WM_CLOSE:
            if (this == Application::Get().MainForm()) {
                for (Form* form : Application::Get().Forms()) form->Hide();
                PostQuitMessage(0);
            } else if (modal_) {
                modalResult_ = mrCancel;
            } else {
                Hide();
            }
            return 0;
    }
    return DefaultMessage(message, wParam, lParam);
}
