// Start-up: the four windows, then the message loop until the main window
// is closed. Nothing is read at start or written at exit.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/WindowSet.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Application& application = Application::Get();
    std::unique_ptr<WindowSet> windows;
    try {
        windows = std::make_unique<WindowSet>();
    } catch (...) {
        application.ShowException(std::current_exception());
        return 1;
    }
    return application.Run();
}
