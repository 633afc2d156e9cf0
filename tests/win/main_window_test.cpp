// The main window, the window set and the About box as the form layer builds
// them from their descriptions: classes, captions, sizes, styles, colours,
// components, the menu bar with its shortcuts, and the option boxes with the
// menu entries that mirror them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/Unit3.h"
#include "capture/Unit4.h"
#include "support/MessageBoxWatcher.h"
#include "support/WinTestSupport.h"
#include "support/WindowSetFixture.h"
#include "ui/Application.h"
#include "viewer/Unit2.h"

using namespace wintest;

namespace {

constexpr COLORREF kMainColour = RGB(187, 188, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kNavy = RGB(0, 0, 128);

using ComponentOf = Component& (*)();

// ---- the window set ----

using MainWindowTest = WindowSetTest;

TEST_F(MainWindowTest, FourFormsExistInOrderAndOnlyTheMainOneIsShown) {
    const std::vector<Form*> expected = {Form1, Form2, AboutBox, Form4};
    EXPECT_EQ(Application::Get().Forms(), expected);
    EXPECT_EQ(Application::Get().MainForm(), Form1);
    const char* const classes[] = {"TForm1", "TForm2", "TAboutBox", "TForm4"};
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(classes[i]);
        EXPECT_EQ(ClassNameOf(expected[i]->Handle()), classes[i]);
        if (i > 0) {
            EXPECT_FALSE(IsWindowVisible(expected[i]->Handle()));
            EXPECT_EQ(GetWindow(expected[i]->Handle(), GW_OWNER), Form1->Handle());
        }
    }
    EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
    EXPECT_TRUE(Form1->AutoSaveFolder.empty());
    EXPECT_TRUE(Form2->Image1.Picture().Empty());
}

// ---- the main window's frame ----

struct FrameCase {
    const char* windowClass;
    Form* (*form)();
    const char* caption;
    int width, height;  // client area at 96 dpi
};

TEST_F(MainWindowTest, FormsHaveTheirClassCaptionAndClientSize) {
    const FrameCase cases[] = {
        {"TForm1", [] () -> Form* { return Form1; }, "Pelmora", 218, 415},
        {"TAboutBox", [] () -> Form* { return AboutBox; }, "About", 298, 213},
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(c.windowClass);
        HWND window = c.form()->Handle();
        EXPECT_EQ(ClassNameOf(window), c.windowClass);
        EXPECT_EQ(TextOf(window), c.caption);
        EXPECT_EQ(ClientSize(window), (SIZE{Scale(c.width), Scale(c.height)}));
    }
}

TEST_F(MainWindowTest, FrameIsASingleBorderTopmostWindowWithMinimiseOnly) {
    HWND main = Form1->Handle();
    const DWORD style = StyleOf(main);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the main window must not be sizeable";
    EXPECT_TRUE(ExStyleOf(main) & WS_EX_TOPMOST);
    EXPECT_NE(GetMenu(main), nullptr);
}

TEST_F(MainWindowTest, IsCentredOnTheScreenWhenFirstShown) {
    RECT frame;
    GetWindowRect(Form1->Handle(), &frame);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(frame.left + frame.right, screenW, 1);
    EXPECT_NEAR(frame.top + frame.bottom, screenH, 1);
}

TEST_F(MainWindowTest, BackgroundAndEmptyPreviewShowOnScreen) {
    // Right of "Screenshot  preview", above the preview panel.
    EXPECT_EQ(ClientPixel(Form1->Handle(), Scale(150), Scale(12)), kMainColour);
    // The middle of the empty preview is white.
    EXPECT_EQ(ClientPixel(Form1->Handle(), Scale(108), Scale(125)), kWhite);
}

// ---- components ----

struct ComponentCase {
    const char* name;
    ComponentOf component;
    const char* windowClass;
    std::string text;
    int left, top, width, height;  // at 96 dpi, in the parent's client area
};

class MainComponentsTest : public WindowSetTest,
                           public ::testing::WithParamInterface<ComponentCase> {};

TEST_P(MainComponentsTest, HasItsClassTextAndPlace) {
    const ComponentCase& c = GetParam();
    HWND window = c.component().Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ClassNameOf(window), c.windowClass);
    EXPECT_EQ(TextOf(window), c.text);
    EXPECT_EQ(RectInParent(window), ScaledRect(c.left, c.top, c.width, c.height));
    EXPECT_TRUE(IsWindowVisible(window));
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MainComponentsTest,
    ::testing::Values(
        ComponentCase{"Label1", [] () -> Component& { return Form1->Label1; }, "Static",
                      "Screenshot  preview", 8, 8, 97, 13},
        ComponentCase{"Panel1", [] () -> Component& { return Form1->Panel1; }, "TPanel", "",
                      8, 25, 200, 200},
        ComponentCase{"Image1", [] () -> Component& { return Form1->Image1; }, "TImage", "",
                      1, 1, 198, 198},
        ComponentCase{"SpeedButton1", [] () -> Component& { return Form1->SpeedButton1; },
                      "TSpeedButton", "Capture", 8, 232, 112, 41},
        ComponentCase{"SpeedButton2", [] () -> Component& { return Form1->SpeedButton2; },
                      "TSpeedButton", "View", 120, 232, 89, 41},
        ComponentCase{"CheckBox1", [] () -> Component& { return Form1->CheckBox1; }, "Button",
                      "Minimize First", 8, 280, 97, 17},
        ComponentCase{"CheckBox2", [] () -> Component& { return Form1->CheckBox2; }, "Button",
                      "Region only", 8, 296, 97, 17},
        ComponentCase{"CheckBox3", [] () -> Component& { return Form1->CheckBox3; }, "Button",
                      "Auto save", 8, 312, 97, 17},
        ComponentCase{"CheckBox4", [] () -> Component& { return Form1->CheckBox4; }, "Button",
                      "Stay on top", 8, 328, 97, 17},
        ComponentCase{"Label2", [] () -> Component& { return Form1->Label2; }, "Static",
                      kPublisherAddress, 42, 378, 166, 16},
        ComponentCase{"StatusBar1", [] () -> Component& { return Form1->StatusBar1; },
                      STATUSCLASSNAMEA, "", 0, 396, 218, 19}),
    [](const ::testing::TestParamInfo<ComponentCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, PreviewSitsInsideThePanel) {
    EXPECT_EQ(GetParent(Form1->Image1.Handle()), Form1->Panel1.Handle());
    EXPECT_EQ(GetParent(Form1->Panel1.Handle()), Form1->Handle());
    EXPECT_TRUE(Form1->Image1.Picture().Empty());
}

TEST_F(MainWindowTest, LogoIsASixtyTwoPixelSquarePicture) {
    const TPicture& logo = Form1->Image2.Picture();
    ASSERT_FALSE(logo.Empty());
    EXPECT_EQ(logo.Width(), 62);
    EXPECT_EQ(logo.Height(), 62);
    HWND window = Form1->Image2.Handle();
    EXPECT_EQ(ClassNameOf(window), "TImage");
    const RECT r = RectInParent(window);
    EXPECT_EQ(r.left, Scale(146));
    EXPECT_EQ(r.top, Scale(286));
    EXPECT_EQ(ClientSize(window), (SIZE{62, 62})) << "the image sizes itself to its picture";
}

TEST_F(MainWindowTest, StatusBarHasOneEmptyPartOfAHundredPixels) {
    HWND bar = Form1->StatusBar1.Handle();
    int edges[4] = {};
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(edges)), 1);
    EXPECT_EQ(edges[0], Scale(100));
    EXPECT_FALSE(SendMessageA(bar, SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0)), 0);
}

TEST_F(MainWindowTest, SpeedButtonsAreNoTabStops) {
    for (Component* button : {static_cast<Component*>(&Form1->SpeedButton1),
                              static_cast<Component*>(&Form1->SpeedButton2)}) {
        SCOPED_TRACE(button->Name());
        EXPECT_FALSE(StyleOf(button->Handle()) & WS_TABSTOP);
    }
}

TEST_F(MainWindowTest, TabOrderRunsThroughTheOptionBoxesAndThePanel) {
    std::vector<HWND> stops;
    for (HWND w = GetWindow(Form1->Handle(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
        if (StyleOf(w) & WS_TABSTOP) stops.push_back(w);
    const std::vector<HWND> expected = {Form1->CheckBox1.Handle(), Form1->Panel1.Handle(),
                                        Form1->CheckBox2.Handle(), Form1->CheckBox3.Handle(),
                                        Form1->CheckBox4.Handle()};
    EXPECT_EQ(stops, expected);
}

struct CheckCase {
    const char* name;
    TCheckBox& (*box)();
    bool ticked;
};

TEST_F(MainWindowTest, OptionBoxesStartAsDescribed) {
    const CheckCase cases[] = {
        {"Minimize First", [] () -> TCheckBox& { return Form1->CheckBox1; }, true},
        {"Region only", [] () -> TCheckBox& { return Form1->CheckBox2; }, false},
        {"Auto save", [] () -> TCheckBox& { return Form1->CheckBox3; }, false},
        {"Stay on top", [] () -> TCheckBox& { return Form1->CheckBox4; }, true},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND box = c.box().Handle();
        EXPECT_EQ((StyleOf(box) & BS_TYPEMASK), static_cast<DWORD>(BS_AUTOCHECKBOX));
        EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), c.ticked ? BST_CHECKED : BST_UNCHECKED);
    }
}

// ---- fonts and colours ----

struct FontCase {
    const char* name;
    HWND (*window)();
    const char* face;
    int points;
    bool bold, underline;
};

TEST_F(MainWindowTest, TextControlsUseTheirFonts) {
    const FontCase cases[] = {
        {"Label1", [] { return Form1->Label1.Handle(); }, "MS Sans Serif", 8, false, false},
        {"CheckBox1", [] { return Form1->CheckBox1.Handle(); }, "MS Sans Serif", 8, false, false},
        {"Label2", [] { return Form1->Label2.Handle(); }, "MS Sans Serif", 10, true, true},
        {"ProductName", [] { return AboutBox->ProductName.Handle(); }, "MS Serif", 12, true, false},
        {"Version", [] { return AboutBox->Version.Handle(); }, "MS Sans Serif", 8, false, false},
        {"Comments", [] { return AboutBox->Comments.Handle(); }, "MS Sans Serif", 10, true, true},
    };
    WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    for (const FontCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto font = reinterpret_cast<HFONT>(SendMessageA(c.window(), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTA lf{};
        ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
        EXPECT_STREQ(lf.lfFaceName, c.face);
        EXPECT_EQ(lf.lfHeight, -MulDiv(c.points, dpi, 72));
        EXPECT_EQ(lf.lfWeight >= FW_BOLD, c.bold);
        EXPECT_EQ(lf.lfUnderline != 0, c.underline);
    }
}

struct ColourCase {
    const char* name;
    HWND (*window)();
    COLORREF text, background;
};

// What a static control is told to draw with, as its parent answers.
void ExpectStaticColours(const ColourCase& c) {
    SCOPED_TRACE(c.name);
    HWND label = c.window();
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SendMessageA(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                 reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(GetTextColor(dc.Get()), c.text);
    EXPECT_EQ(GetBkColor(dc.Get()), c.background);
}

TEST_F(MainWindowTest, LabelsDrawInTheirColours) {
    const ColourCase cases[] = {
        {"Label1", [] { return Form1->Label1.Handle(); }, GetSysColor(COLOR_WINDOWTEXT), kMainColour},
        {"Label2", [] { return Form1->Label2.Handle(); }, kNavy, kMainColour},
        {"CheckBox1", [] { return Form1->CheckBox1.Handle(); }, GetSysColor(COLOR_WINDOWTEXT),
         kMainColour},
        {"Comments", [] { return AboutBox->Comments.Handle(); }, kNavy, GetSysColor(COLOR_WINDOW)},
    };
    for (const ColourCase& c : cases) ExpectStaticColours(c);
}

struct BackgroundCase {
    const char* name;
    HWND (*window)();
    COLORREF colour;
};

TEST_F(MainWindowTest, FormsEraseWithTheirColour) {
    const BackgroundCase cases[] = {
        {"Form1", [] { return Form1->Handle(); }, kMainColour},
        {"AboutBox", [] { return AboutBox->Handle(); }, GetSysColor(COLOR_BTNFACE)},
    };
    for (const BackgroundCase& c : cases) {
        SCOPED_TRACE(c.name);
        WindowDc screen(nullptr);
        MemoryDcHandle dc(CreateCompatibleDC(screen.Get()));
        GdiBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), 8, 8));
        SelectedObject selected(dc.Get(), bitmap.Get());
        SendMessageA(c.window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
        EXPECT_EQ(GetPixel(dc.Get(), 4, 4), c.colour);
    }
}

// ---- the preview ----

TEST_F(MainWindowTest, WidePictureFillsThePreviewWithoutBars) {
    constexpr COLORREF kLeft = RGB(200, 0, 0), kRight = RGB(0, 0, 200);
    TBitmap wide;
    wide.SetSize(40, 4);
    {
        MemoryDcHandle dc(CreateCompatibleDC(nullptr));
        SelectedObject selected(dc.Get(), wide.MutableHandle());
        const RECT left{0, 0, 20, 4}, right{20, 0, 40, 4};
        BrushHandle red(CreateSolidBrush(kLeft)), blue(CreateSolidBrush(kRight));
        FillRect(dc.Get(), &left, red.Get());
        FillRect(dc.Get(), &right, blue.Get());
    }
    Form1->Image1.Picture().Assign(wide);
    UpdateWindow(Form1->Image1.Handle());
    HWND preview = Form1->Image1.Handle();
    const int last = Scale(198) - 1;
    EXPECT_EQ(ClientPixel(preview, 0, 0), kLeft);
    EXPECT_EQ(ClientPixel(preview, 0, last), kLeft);
    EXPECT_EQ(ClientPixel(preview, last, 0), kRight);
    EXPECT_EQ(ClientPixel(preview, last, last), kRight);
}

// ---- the menu bar ----

// Every entry as "Menu/Entry", with "-" for separators and " [greyed]" for
// entries that cannot be chosen (Windows reports separators as greyed too).
std::vector<std::string> MenuTree(HMENU bar) {
    std::vector<std::string> lines;
    auto describe = [](HMENU menu, int pos, std::string* text, HMENU* sub) {
        char buffer[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = buffer;
        info.cch = sizeof buffer;
        GetMenuItemInfoA(menu, pos, TRUE, &info);
        *text = (info.fType & MFT_SEPARATOR) ? "-" : buffer;
        if ((info.fState & MFS_GRAYED) && !(info.fType & MFT_SEPARATOR)) *text += " [greyed]";
        *sub = info.hSubMenu;
    };
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        std::string menuText;
        HMENU popup = nullptr;
        describe(bar, i, &menuText, &popup);
        lines.push_back(menuText);
        for (int j = 0; popup && j < GetMenuItemCount(popup); ++j) {
            std::string entry;
            HMENU unused = nullptr;
            describe(popup, j, &entry, &unused);
            lines.push_back(menuText + "/" + entry);
        }
    }
    return lines;
}

TEST_F(MainWindowTest, MenuBarHasItsEntriesInOrder) {
    const std::vector<std::string> expected = {
        "File",
        "File/Select auto save folder",
        "File/Open auto save folder",
        "File/-",
        "File/Auto save",
        "File/-",
        "File/Save as ...\tF2",
        "File/-",
        "File/Exit\tF10",
        "Edit",
        "Edit/Copy to clipboard [greyed]",
        "Screenshot",
        "Screenshot/Capture\tF6",
        "Screenshot/View\tF7",
        "Options",
        "Options/Minimize First",
        "Options/Auto Save",
        "Options/Region only",
        "Options/Auto capture [greyed]",
        "Options/To Email [greyed]",
        "Help",
        "Help/About",
    };
    EXPECT_EQ(MenuTree(GetMenu(Form1->Handle())), expected);
}

bool MenuChecked(const TMenuItem& item) {
    return GetMenuState(GetMenu(Form1->Handle()), item.Id(), MF_BYCOMMAND) & MF_CHECKED;
}

bool BoxChecked(const TCheckBox& box) {
    return SendMessageA(box.Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ChooseEntry(const TMenuItem& item) {
    SendMessageA(Form1->Handle(), WM_COMMAND, MAKEWPARAM(item.Id(), 0), 0);
}

struct MirrorCase {
    const char* name;
    TCheckBox& (*box)();
    TMenuItem& (*entry)();
};

class OptionMirrorTest : public WindowSetTest, public ::testing::WithParamInterface<MirrorCase> {};

TEST_P(OptionMirrorTest, EntryCheckMarkFollowsTheBoxBothWays) {
    TCheckBox& box = GetParam().box();
    TMenuItem& entry = GetParam().entry();
    const bool start = BoxChecked(box);
    EXPECT_EQ(MenuChecked(entry), start);

    SendMessageA(box.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(BoxChecked(box), !start);
    EXPECT_EQ(MenuChecked(entry), !start);

    ChooseEntry(entry);
    EXPECT_EQ(BoxChecked(box), start);
    EXPECT_EQ(MenuChecked(entry), start);

    ChooseEntry(entry);
    EXPECT_EQ(BoxChecked(box), !start);
    EXPECT_EQ(MenuChecked(entry), !start);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, OptionMirrorTest,
    ::testing::Values(
        MirrorCase{"MinimizeFirst", [] () -> TCheckBox& { return Form1->CheckBox1; },
                   [] () -> TMenuItem& { return Form1->Minimize1; }},
        MirrorCase{"RegionOnly", [] () -> TCheckBox& { return Form1->CheckBox2; },
                   [] () -> TMenuItem& { return Form1->Regiononly1; }},
        MirrorCase{"AutoSave", [] () -> TCheckBox& { return Form1->CheckBox3; },
                   [] () -> TMenuItem& { return Form1->AutoSave1; }}),
    [](const ::testing::TestParamInfo<MirrorCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, GreyedEntriesCannotBeChosen) {
    bool ran = false;
    Form1->Copytoclipboard1.OnClick = [&] { ran = true; };
    ChooseEntry(Form1->Copytoclipboard1);
    EXPECT_FALSE(ran);
}

TEST_F(MainWindowTest, TickingRegionOnlyShowsTheRegionDialogAndUntickingLeavesIt) {
    ASSERT_FALSE(IsWindowVisible(Form4->Handle()));
    SendMessageA(Form1->CheckBox2.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowVisible(Form4->Handle()));
    SendMessageA(Form1->CheckBox2.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(BoxChecked(Form1->CheckBox2));
    EXPECT_TRUE(IsWindowVisible(Form4->Handle()));
}

// ---- shortcuts ----

struct ShortcutCase {
    const char* name;
    UINT message;  // F10 arrives as a system key
    WORD key;
    TMenuItem& (*entry)();
};

const ShortcutCase kShortcuts[] = {
    {"F2", WM_KEYDOWN, VK_F2, [] () -> TMenuItem& { return Form1->Saveas1; }},
    {"F6", WM_KEYDOWN, VK_F6, [] () -> TMenuItem& { return Form1->Capture1; }},
    {"F7", WM_KEYDOWN, VK_F7, [] () -> TMenuItem& { return Form1->View1; }},
    {"F10", WM_SYSKEYDOWN, VK_F10, [] () -> TMenuItem& { return Form1->Exit1; }},
};

TEST_F(MainWindowTest, AcceleratorTableMapsFunctionKeysToTheirEntries) {
    HACCEL table = Form1->Accelerators();
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> entries(CopyAcceleratorTableA(table, nullptr, 0));
    CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size()));
    ASSERT_EQ(entries.size(), std::size(kShortcuts));
    for (const ShortcutCase& c : kShortcuts) {
        SCOPED_TRACE(c.name);
        int found = 0;
        for (const ACCEL& a : entries) {
            if (a.key != c.key) continue;
            ++found;
            EXPECT_EQ(a.fVirt & (FVIRTKEY | FSHIFT | FCONTROL | FALT), FVIRTKEY);
            EXPECT_EQ(a.cmd, c.entry().Id());
        }
        EXPECT_EQ(found, 1);
    }
}

TEST_F(MainWindowTest, FunctionKeysChooseTheirEntriesThroughTheMessageLoop) {
    // The entries' commands are replaced by recorders: the real ones capture
    // the screen, open dialogs or end the program.
    std::vector<std::string> chosen;
    for (const ShortcutCase& c : kShortcuts)
        c.entry().OnClick = [&chosen, &c] { chosen.push_back(c.name); };
    std::vector<std::string> expected;
    for (const ShortcutCase& c : kShortcuts) {
        MSG msg{Form1->Handle(), c.message, c.key, 1, GetTickCount(), {0, 0}};
        Application::Get().ProcessMessage(msg);
        expected.push_back(c.name);
    }
    EXPECT_EQ(chosen, expected);
}

// ---- stay on top ----

TEST_F(MainWindowTest, StayOnTopBoxSwitchesTheTopmostStyleAndKeepsOwnership) {
    HWND main = Form1->Handle();
    ASSERT_TRUE(ExStyleOf(main) & WS_EX_TOPMOST);
    SendMessageA(Form1->CheckBox4.Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(BoxChecked(Form1->CheckBox4));
    EXPECT_FALSE(ExStyleOf(main) & WS_EX_TOPMOST);
    SendMessageA(Form1->CheckBox4.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(BoxChecked(Form1->CheckBox4));
    EXPECT_TRUE(ExStyleOf(main) & WS_EX_TOPMOST);
    for (Form* owned : {static_cast<Form*>(Form2), static_cast<Form*>(AboutBox),
                        static_cast<Form*>(Form4)})
        EXPECT_EQ(GetWindow(owned->Handle(), GW_OWNER), main) << ClassNameOf(owned->Handle());
}

// ---- the About box ----

using AboutBoxTest = WindowSetTest;

TEST_F(AboutBoxTest, FrameIsAFixedDialog) {
    HWND about = AboutBox->Handle();
    const DWORD style = StyleOf(about);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(ExStyleOf(about) & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(GetMenu(about), nullptr);
}

TEST_F(AboutBoxTest, ShowsProductVersionAndAddress) {
    struct LabelCase {
        const char* name;
        Component& component;
        const char* windowClass;
        std::string text;
        int left, top, width, height;
    };
    const LabelCase cases[] = {
        {"ProductName", AboutBox->ProductName, "Static", "Tandrel", 88, 16, 114, 19},
        {"Version", AboutBox->Version, "Static", "Version 1.00 beta", 88, 40, 83, 13},
        {"Comments", AboutBox->Comments, "Static", kPublisherAddress, 40, 136, 166, 16},
        {"ProgramIcon", AboutBox->ProgramIcon, "TImage", "", 8, 8, 65, 57},
        {"OKButton", AboutBox->OKButton, "Button", "OK", 111, 180, 75, 25},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ClassNameOf(c.component.Handle()), c.windowClass);
        EXPECT_EQ(TextOf(c.component.Handle()), c.text);
        EXPECT_EQ(RectInParent(c.component.Handle()), ScaledRect(c.left, c.top, c.width, c.height));
    }
    EXPECT_EQ(std::string(kPublisherAddress).rfind("http", 0), 0u);
    EXPECT_TRUE(AboutBox->ProgramIcon.Picture().Empty());
}

TEST_F(AboutBoxTest, OkIsTheDefaultButton) {
    HWND ok = AboutBox->OKButton.Handle();
    EXPECT_EQ(StyleOf(ok) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    const LRESULT def = SendMessageA(AboutBox->Handle(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(def), DC_HASDEFID);
    EXPECT_EQ(LOWORD(def), GetDlgCtrlID(ok));
}

struct ModalCase {
    const char* name;
    void (*close)();  // posted before the modal loop starts
    int result;
};

class AboutModalTest : public WindowSetTest, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(AboutModalTest, ShowModalReturnsHowTheBoxWasClosed) {
    GetParam().close();
    CloseAfter guard(AboutBox->Handle(), 5000);
    const int result = AboutBox->ShowModal();
    EXPECT_FALSE(guard.Fired()) << "the box did not close by itself";
    EXPECT_EQ(result, GetParam().result);
    EXPECT_FALSE(IsWindowVisible(AboutBox->Handle()));
    EXPECT_TRUE(IsWindowEnabled(Form1->Handle())) << "the main window stays disabled";
    EXPECT_TRUE(IsWindow(Form1->Handle()));
}

INSTANTIATE_TEST_SUITE_P(
    AboutBox, AboutModalTest,
    ::testing::Values(
        ModalCase{"OkButton",
                  [] { PostMessageA(AboutBox->OKButton.Handle(), BM_CLICK, 0, 0); }, mrOk},
        ModalCase{"EnterKey",
                  [] { PostMessageA(AboutBox->Handle(), WM_KEYDOWN, VK_RETURN, 1); }, mrOk},
        ModalCase{"CloseBox", [] { PostMessageA(AboutBox->Handle(), WM_CLOSE, 0, 0); }, mrCancel}),
    [](const ::testing::TestParamInfo<ModalCase>& info) { return std::string(info.param.name); });

TEST_F(AboutBoxTest, HelpAboutShowsTheBoxModally) {
    bool wasShown = false, mainDisabled = false;
    AboutBox->OKButton.OnClick = [&] {
        wasShown = IsWindowVisible(AboutBox->Handle());
        mainDisabled = !IsWindowEnabled(Form1->Handle());
    };
    PostMessageA(AboutBox->OKButton.Handle(), BM_CLICK, 0, 0);
    CloseAfter guard(AboutBox->Handle(), 5000);
    ChooseEntry(Form1->About1);
    EXPECT_FALSE(guard.Fired());
    EXPECT_TRUE(wasShown);
    EXPECT_TRUE(mainDisabled);
    EXPECT_FALSE(IsWindowVisible(AboutBox->Handle()));
}

}  // namespace
