#include "app/Unit1.h"

#include "app/Unit3.h"
#include "capture/Unit4.h"
#include "resources/resource.h"
#include "ui/Application.h"
#include "ui/FormTable.h"
#include "ui/Shell.h"
#include "viewer/Unit2.h"

TForm1* Form1 = nullptr;
const char* const kPublisherAddress = "https://pelmora.example/";

namespace {

const FontSpec kWindowFont{"MS Sans Serif", 8};
const FontSpec kCaptureFont{"MS Sans Serif", 10, true};
const FontSpec kViewFont{"Microsoft Sans Serif", 10, true, false, ANSI_CHARSET};
const FontSpec kLinkFont{"MS Sans Serif", 10, true, true, DEFAULT_CHARSET, clNavy};

const FormDescription<TForm1>& Description() {
    using F = TForm1;
    static const FormDescription<F> form = {
        {"TForm1", "Pelmora", 218, 415, true, BorderStyle::Single, true, false, true,
         Color::Rgb(187, 188, 255), kWindowFont, Placement::ScreenCenter},
        {
            Row(&F::Label1, "Label1", 8, 8, 97, 13, "Screenshot  preview"),
            Row(&F::Panel1, "Panel1", 8, 25, 200, 200).Bevels(Bevel::Lowered, Bevel::None)
                .Color(clWhite).TabOrder(1),
            Row(&F::Image1, "Image1", 1, 1, 198, 198).In(&F::Panel1).AlignClient().Stretch(),
            Row(&F::SpeedButton1, "SpeedButton1", 8, 232, 112, 41, "Capture").Font(kCaptureFont)
                .Resource(IDB_CAPTURE_GLYPH).OnClick(&F::SpeedButton1Click),
            Row(&F::SpeedButton2, "SpeedButton2", 120, 232, 89, 41, "View").Font(kViewFont)
                .Resource(IDB_VIEW_GLYPH).OnClick(&F::SpeedButton2Click),
            Row(&F::CheckBox1, "CheckBox1", 8, 280, 97, 17, "Minimize First").Checked()
                .TabOrder(0).OnClick(&F::CheckBox1Click),
            Row(&F::CheckBox2, "CheckBox2", 8, 296, 97, 17, "Region only").TabOrder(2)
                .OnClick(&F::CheckBox2Click),
            Row(&F::CheckBox3, "CheckBox3", 8, 312, 97, 17, "Auto save").TabOrder(3)
                .OnClick(&F::CheckBox3Click),
            Row(&F::CheckBox4, "CheckBox4", 8, 328, 97, 17, "Stay on top").Checked().TabOrder(4)
                .OnClick(&F::CheckBox4Click),
            Row(&F::Image2, "Image2", 146, 286, 62, 62).AutoSize().Resource(IDB_LOGO),
            Row(&F::Label2, "Label2", 42, 378, 166, 16, kPublisherAddress).Font(kLinkFont)
                .OnClick(&F::Label2Click).OnMouseEnter(&F::Label2MouseEnter)
                .OnMouseLeave(&F::Label2MouseLeave),
            Row(&F::StatusBar1, "StatusBar1", 0, 396, 218, 19).PanelWidth(100),
        },
        {
            Menu(&F::File1, "File1", "File"),
            Entry(&F::File1, &F::Selectautosavefolder1, "Selectautosavefolder1", "Select auto save folder")
                .OnClick(&F::Selectautosavefolder1Click),
            Entry(&F::File1, &F::Openautosavefolder1, "Openautosavefolder1", "Open auto save folder")
                .OnClick(&F::Openautosavefolder1Click),
            Entry(&F::File1, &F::N3, "N3", "-"),
            Entry(&F::File1, &F::Autosave2, "Autosave2", "Auto save")
                .OnClick(&F::Autosave2Click),
            Entry(&F::File1, &F::N2, "N2", "-"),
            Entry(&F::File1, &F::Saveas1, "Saveas1", "Save as ...").Shortcut(VK_F2)
                .OnClick(&F::Saveas1Click),
            Entry(&F::File1, &F::N1, "N1", "-"),
            Entry(&F::File1, &F::Exit1, "Exit1", "Exit").Shortcut(VK_F10).OnClick(&F::Exit1Click),
            Menu(&F::Edit1, "Edit1", "Edit"),
            Entry(&F::Edit1, &F::Copytoclipboard1, "Copytoclipboard1", "Copy to clipboard").Disabled(),
            Menu(&F::Screen1, "Screen1", "Screenshot"),
            Entry(&F::Screen1, &F::Capture1, "Capture1", "Capture").Shortcut(VK_F6)
                .OnClick(&F::SpeedButton1Click),
            Entry(&F::Screen1, &F::View1, "View1", "View").Shortcut(VK_F7)
                .OnClick(&F::SpeedButton2Click),
            Menu(&F::Option1, "Option1", "Options"),
            Entry(&F::Option1, &F::Minimize1, "Minimize1", "Minimize First").OnClick(&F::Minimize1Click),
            Entry(&F::Option1, &F::AutoSave1, "AutoSave1", "Auto Save").OnClick(&F::AutoSave1Click),
            Entry(&F::Option1, &F::Regiononly1, "Regiononly1", "Region only")
                .OnClick(&F::Regiononly1Click),
            Entry(&F::Option1, &F::Autocapture1, "Autocapture1", "Auto capture").Disabled(),
            Entry(&F::Option1, &F::oEmail1, "oEmail1", "To Email").Disabled(),
            Menu(&F::Help1, "Help1", "Help"),
            Entry(&F::Help1, &F::About1, "About1", "About").OnClick(&F::About1Click),
        },
        &F::FormCreate,
    };
    return form;
}

}  // namespace

TForm1::TForm1() { Description().BuildInto(*this); }

void TForm1::FormCreate() {
    AutoSaveFolder.clear();
    // The option entries show the state of the boxes they stand for.
    Minimize1.SetChecked(CheckBox1.Checked());
    Regiononly1.SetChecked(CheckBox2.Checked());
    AutoSave1.SetChecked(CheckBox3.Checked());
}

void TForm1::SpeedButton2Click() { Form2->ShowModal(); }

void TForm1::CheckBox1Click() { Minimize1.SetChecked(CheckBox1.Checked()); }

void TForm1::CheckBox2Click() {
    Regiononly1.SetChecked(CheckBox2.Checked());
    if (CheckBox2.Checked()) Form4->Show();
}

void TForm1::CheckBox3Click() { AutoSave1.SetChecked(CheckBox3.Checked()); }

void TForm1::CheckBox4Click() { SetStayOnTop(CheckBox4.Checked()); }

void TForm1::Minimize1Click() { CheckBox1.Toggle(); }
void TForm1::AutoSave1Click() { CheckBox3.Toggle(); }
void TForm1::Regiononly1Click() { CheckBox2.Toggle(); }

void TForm1::Label2Click() { ShellOpen(kPublisherAddress); }

void TForm1::Label2MouseEnter() { Application::Get().SetScreenCursor(CursorFromValue(crHandPoint)); }

void TForm1::Label2MouseLeave() { Application::Get().SetScreenCursor(CursorFromValue(crDefault)); }

void TForm1::Saveas1Click() { Form2->Saveas1.Click(); }

void TForm1::Exit1Click() { Close(); }

void TForm1::About1Click() { AboutBox->ShowModal(); }
