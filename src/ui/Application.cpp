#include "ui/Application.h"

#include <algorithm>

#include "base/Error.h"
#include "resources/resource.h"
#include "ui/Form.h"

Application& Application::Get() {
    static Application application;
    return application;
}

Application::Application() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name = name.substr(name.find_last_of("\\/") + 1);
    title_ = name.substr(0, name.find_last_of('.'));
    icon_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APPICON),
                                          IMAGE_ICON, 32, 32, LR_SHARED));
}

const std::string& Application::Title() const { return title_; }
HICON Application::Icon() const { return icon_; }

void Application::AddForm(Form* form) { forms_.push_back(form); }

void Application::RemoveForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

Form* Application::FormFromHandle(HWND window) const {
    for (Form* form : forms_)
        if (form->Handle() == window) return form;
    return nullptr;
}

int Application::Run() {
    if (Form* main = MainForm()) main->Show();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
    return static_cast<int>(msg.wParam);
}

void Application::ProcessMessage(MSG& msg) {
    // Keys go to the form that has the focus: its shortcuts first, then the
    // dialog keys (Tab, Enter) among its controls.
    HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (Form* form = FormFromHandle(top)) {
        if (form->Accelerators() && TranslateAcceleratorA(top, form->Accelerators(), &msg)) return;
        if (IsDialogMessageA(top, &msg)) return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool Application::Minimized() const {
    Form* main = MainForm();
    return main && IsIconic(main->Handle());
}

void Application::Minimize() {
    Form* main = MainForm();
    if (!main || Minimized()) return;
    // The system command, not ShowWindow: it hides the owned windows too.
    SendMessageA(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void Application::Restore() {
    Form* main = MainForm();
    if (!main || !Minimized()) return;
    SendMessageA(main->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    SetForegroundWindow(main->Handle());
}

void Application::ShowException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        ShowError("Out of memory");
    } catch (const std::exception& e) {
        ShowError(e.what());
    } catch (...) {
        ShowError("Unknown error");
    }
}

void Application::ShowError(const std::string& message) {
    // Owned by the active window of ours when there is one; when the program
    // is minimised there is none, and the box stands on its own, on top.
    HWND owner = GetActiveWindow();
    if (owner && !FormFromHandle(GetAncestor(owner, GA_ROOT))) owner = nullptr;
    UINT flags = MB_OK | MB_ICONERROR | MB_SETFOREGROUND;
    if (!owner || !IsWindowVisible(owner) || Minimized()) {
        owner = nullptr;
        flags |= MB_TASKMODAL | MB_TOPMOST;
    }
    MessageBoxA(owner, MessageForDisplay(message).c_str(), title_.c_str(), flags);
}

HCURSOR CursorFromValue(int value) {
    switch (value) {
        case crHandPoint: return LoadCursor(nullptr, IDC_HAND);
        default: return nullptr;
    }
}
