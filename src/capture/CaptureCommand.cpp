// The capture command of the main window: screen pixels into the current
// picture and the preview, optionally with the program out of the way and
// the result saved at once.
#include "app/Unit1.h"
#include "capture/ScreenGrab.h"
#include "capture/Unit4.h"
#include "ui/Application.h"
#include "viewer/Unit2.h"

void TForm1::SpeedButton1Click() {
    Image1.Picture().Clear();
    TPicture& current = Form2->Image1.Picture();
    current.Clear();
    // Nothing may run between hiding the program and the copy: no delay and
    // no message processing, so the copy shows the screen as the user left it.
    if (CheckBox1.Checked()) Application::Get().Minimize();
    const CaptureRect rect = CheckBox2.Checked() ? Form4->RegionRect() : FullDisplayRect();
    {
        GrabBitmapScope scope;
        GrabScreenRect(rect);
        current.Bitmap() = *GrabBitmap;
        current.Changed();
    }
    Image1.Picture().Assign(current);
    if (CheckBox3.Checked()) Autosave2.Click();
    Application::Get().Restore();
}
