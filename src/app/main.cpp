// Start-up: the four windows, once each and in this order, then the message
// loop until the main window is closed.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "app/Unit1.h"
#include "app/Unit3.h"
#include "capture/Unit4.h"
#include "ui/Application.h"
#include "viewer/Unit2.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Application& application = Application::Get();

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TAboutBox> aboutBox;
    std::unique_ptr<TForm4> form4;
    try {
        form1 = std::make_unique<TForm1>();
        Form1 = form1.get();
        form2 = std::make_unique<TForm2>();
        Form2 = form2.get();
        aboutBox = std::make_unique<TAboutBox>();
        AboutBox = aboutBox.get();
        form4 = std::make_unique<TForm4>();
        Form4 = form4.get();
    } catch (...) {
        application.ShowException(std::current_exception());
        return 1;
    }
    const int result = application.Run();
    // The owned windows go before their owner.
    form4.reset();
    aboutBox.reset();
    form2.reset();
    form1.reset();
    return result;
}
