// The region dialog built from its table, its up-down controls, its
// placement, and the rectangle it forms from the text of its fields.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/WindowSet.h"
#include "base/Error.h"
#include "capture/ScreenGrab.h"
#include "capture/Unit4.h"
#include "ui/Handles.h"

namespace {

// The texts of the fields Left, Top, Height and Width.
struct Fields {
    const char* left;
    const char* top;
    const char* height;
    const char* width;
};

class RegionDialog : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX controls{sizeof controls,
                                      ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
    }
    void SetUp() override { windows_ = std::make_unique<WindowSet>(); }
    void TearDown() override { windows_.reset(); }

    static HWND Dialog() { return Form4->Handle(); }

    static void SetFields(const Fields& f) {
        Form4->Edit1.SetText(f.left);
        Form4->Edit2.SetText(f.top);
        Form4->Edit3.SetText(f.height);
        Form4->Edit4.SetText(f.width);
    }

    static std::string TextOf(HWND window) {
        char text[256] = "";
        GetWindowTextA(window, text, sizeof text);
        return text;
    }

    static RECT RectInDialog(HWND child) {
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    std::unique_ptr<WindowSet> windows_;
};

// ---- the window and its components ----

TEST_F(RegionDialog, HasItsCaptionFrameSizeAndColour) {
    EXPECT_EQ(TextOf(Dialog()), "Region capture");
    char className[64] = "";
    GetClassNameA(Dialog(), className, sizeof className);
    EXPECT_STREQ(className, "TForm4");

    const LONG style = GetWindowLongA(Dialog(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU) << "a close box";
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) << "fixed size, no other boxes";
    EXPECT_TRUE(GetWindowLongA(Dialog(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(IsWindowVisible(Dialog())) << "made hidden";

    RECT client;
    GetClientRect(Dialog(), &client);
    EXPECT_EQ(client.right, 219);
    EXPECT_EQ(client.bottom, 160);

    // The background as the window paints it.
    WindowDc screen(nullptr);
    MemoryDcHandle dc(CreateCompatibleDC(screen.Get()));
    GdiBitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    SelectedObject selected(dc.Get(), bitmap.Get());
    SendMessageA(Dialog(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    EXPECT_EQ(GetPixel(dc.Get(), 200, 150), RGB(187, 188, 255));
}

struct ChildSpec {
    const char* className;
    const char* text;
    RECT rect;  // in the dialog's client area
    bool tabStop;
};

TEST_F(RegionDialog, ChildrenStandInTabOrderWithTheirClassTextAndPlace) {
    // Z-order is tab order: the four fields first, then the up-downs in the
    // order UpDown1, UpDown2, UpDown3, UpDown4, then the labels.
    const std::vector<ChildSpec> expected = {
        {"Edit", "0", {16, 40, 65, 61}, true},            // Edit1, Left
        {"Edit", "0", {16, 88, 65, 109}, true},           // Edit2, Top
        {"Edit", "0", {112, 40, 161, 61}, true},          // Edit3, Height
        {"Edit", "0", {112, 88, 161, 109}, true},         // Edit4, Width
        {"msctls_updown32", "", {65, 40, 80, 61}, false},    // UpDown1
        {"msctls_updown32", "", {161, 40, 176, 61}, false},  // UpDown2
        {"msctls_updown32", "", {65, 88, 80, 109}, false},   // UpDown3
        {"msctls_updown32", "", {161, 88, 176, 109}, false}, // UpDown4
        {"Static", "Left", {16, 24, 35, 37}, false},
        {"Static", "Top", {16, 72, 35, 85}, false},
        {"Static", "Height", {112, 24, 143, 37}, false},
        {"Static", "Width", {112, 72, 140, 85}, false},
    };
    std::vector<HWND> children;
    for (HWND w = GetWindow(Dialog(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) children.push_back(w);
    ASSERT_EQ(children.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("child " + std::to_string(i) + " (" + expected[i].text + ")");
        char className[64] = "";
        GetClassNameA(children[i], className, sizeof className);
        EXPECT_STREQ(className, expected[i].className);
        if (std::string(className) != UPDOWN_CLASSA) {
            EXPECT_EQ(TextOf(children[i]), expected[i].text);
        }
        const RECT r = RectInDialog(children[i]);
        EXPECT_EQ(r.left, expected[i].rect.left);
        EXPECT_EQ(r.top, expected[i].rect.top);
        EXPECT_EQ(r.right, expected[i].rect.right);
        EXPECT_EQ(r.bottom, expected[i].rect.bottom);
        EXPECT_EQ((GetWindowLongA(children[i], GWL_STYLE) & WS_TABSTOP) != 0, expected[i].tabStop);
    }
    EXPECT_EQ(children[0], Form4->Edit1.Handle());
    EXPECT_EQ(children[4], Form4->UpDown1.Handle());
    EXPECT_EQ(children[5], Form4->UpDown2.Handle());
}

TEST_F(RegionDialog, FieldsAreSunkenAndScrollTheirText) {
    for (const TEdit* edit : {&Form4->Edit1, &Form4->Edit2, &Form4->Edit3, &Form4->Edit4}) {
        EXPECT_TRUE(GetWindowLongA(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << edit->Name();
        EXPECT_TRUE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_AUTOHSCROLL) << edit->Name();
    }
}

struct UpDownSpec {
    TUpDown TForm4::*upDown;
    TEdit TForm4::*buddy;
    int high;
};

TEST_F(RegionDialog, UpDownsStepTheirOwnFieldWithinTheirRange) {
    const UpDownSpec specs[] = {
        {&TForm4::UpDown1, &TForm4::Edit1, 100},
        {&TForm4::UpDown2, &TForm4::Edit3, 1024},
        {&TForm4::UpDown3, &TForm4::Edit2, 100},
        {&TForm4::UpDown4, &TForm4::Edit4, 1280},
    };
    for (const UpDownSpec& spec : specs) {
        const TUpDown& upDown = Form4->*spec.upDown;
        HWND control = upDown.Handle();
        HWND field = (Form4->*spec.buddy).Handle();
        SCOPED_TRACE(upDown.Name());
        EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0)), field);
        int low = -1, high = -1;
        SendMessageA(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(low, 0);
        EXPECT_EQ(high, spec.high);
        EXPECT_EQ(upDown.Position(), 0);

        const LONG style = GetWindowLongA(control, GWL_STYLE);
        EXPECT_EQ(style & (UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS),
                  UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS);
        EXPECT_FALSE(style & (UDS_WRAP | UDS_HORZ | UDS_ALIGNRIGHT | UDS_ALIGNLEFT));

        // The Up key in the field steps it; at the top of the range it stays.
        SendMessageA(field, WM_KEYDOWN, VK_UP, 0);
        SendMessageA(field, WM_KEYUP, VK_UP, 0);
        EXPECT_EQ(TextOf(field), "1");
        SetWindowTextA(field, std::to_string(spec.high).c_str());
        SendMessageA(field, WM_KEYDOWN, VK_UP, 0);
        SendMessageA(field, WM_KEYUP, VK_UP, 0);
        EXPECT_EQ(TextOf(field), std::to_string(spec.high)) << "no wrap past the top";
        SendMessageA(field, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageA(field, WM_KEYUP, VK_DOWN, 0);
        EXPECT_EQ(TextOf(field), std::to_string(spec.high - 1));
        // The field's own width is kept beside it.
        EXPECT_EQ(RectInDialog(field).right - RectInDialog(field).left, 49);
    }
}

TEST_F(RegionDialog, StepsWritePlainDigitsThatConvertBack) {
    HWND width = Form4->Edit4.Handle();
    Form4->Edit4.SetText("999");
    SendMessageA(width, WM_KEYDOWN, VK_UP, 0);
    SendMessageA(width, WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(Form4->Edit4.Text(), "1000");

    SendMessageA(Form4->UpDown4.Handle(), UDM_SETPOS32, 0, 1234);
    EXPECT_EQ(Form4->Edit4.Text(), "1234");

    Form4->Edit3.SetText("5");
    EXPECT_EQ(Form4->RegionRect().right, 1234);
}

TEST_F(RegionDialog, TypingIsNotLimitedByTheRange) {
    Form4->Edit4.SetText("1500");
    EXPECT_EQ(Form4->Edit4.Text(), "1500");
    EXPECT_EQ(Form4->RegionRect().right, 1500);
}

// ---- showing, moving and closing ----

TEST_F(RegionDialog, FirstShowingCentresOverTheMainWindowLaterOnesKeepThePlace) {
    Form1->CheckBox2.Toggle();  // ticks "Region only", which shows the dialog
    ASSERT_TRUE(IsWindowVisible(Dialog()));
    RECT main, dialog;
    GetWindowRect(Form1->Handle(), &main);
    GetWindowRect(Dialog(), &dialog);
    EXPECT_NEAR((dialog.left + dialog.right) / 2, (main.left + main.right) / 2, 1);
    EXPECT_NEAR((dialog.top + dialog.bottom) / 2, (main.top + main.bottom) / 2, 1);

    SetWindowPos(Dialog(), nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    auto expectAtTheUsersPlace = [&](const char* after) {
        RECT now;
        GetWindowRect(Dialog(), &now);
        EXPECT_TRUE(IsWindowVisible(Dialog())) << after;
        EXPECT_EQ(now.left, 30) << after;
        EXPECT_EQ(now.top, 40) << after;
    };
    Form1->CheckBox2.Toggle();
    expectAtTheUsersPlace("unticking");
    Form1->CheckBox2.Toggle();
    expectAtTheUsersPlace("ticking again while shown");

    Form4->Edit1.SetText("17");
    SendMessageA(Dialog(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Dialog())) << "the close box hides it";
    EXPECT_TRUE(IsWindow(Dialog()));
    Form1->CheckBox2.Toggle();
    Form1->CheckBox2.Toggle();
    expectAtTheUsersPlace("showing after the close box");
    EXPECT_EQ(Form4->Edit1.Text(), "17") << "the fields keep their text";
}

// ---- the rectangle ----

struct RectCase {
    const char* name;
    Fields fields;
    CaptureRect expected;
};

TEST_F(RegionDialog, FormsTheRectangleFromLeftTopWidthAndHeight) {
    const RectCase cases[] = {
        {"initial zeros", {"0", "0", "0", "0"}, {0, 0, 0, 0}},
        {"blank before digits and hexadecimal", {" 12", "$C", "0x10", "30"}, {12, 12, 42, 28}},
        {"negative origin, off the screen", {"-10", "-20", "5", "15"}, {-10, -20, 5, -15}},
        {"largest edges", {"2147483647", "2147483647", "0", "0"},
         {2147483647, 2147483647, 2147483647, 2147483647}},
        {"lowest origin", {"-2147483648", "-2147483648", "2147483647", "2147483647"},
         {INT32_MIN, INT32_MIN, -1, -1}},
    };
    for (const RectCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetFields(c.fields);
        const CaptureRect r = Form4->RegionRect();
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

struct FailureCase {
    const char* name;
    Fields fields;
    std::string message;
};

TEST_F(RegionDialog, RefusesFieldsThatDoNotMakeARectangle) {
    const std::string overflow = "Region left plus width and top plus height must not exceed 2147483647";
    const FailureCase cases[] = {
        {"text in Width", {"0", "0", "0", "abc"}, "'abc' is not a valid integer value"},
        {"empty Height", {"0", "0", "", "0"}, "'' is not a valid integer value"},
        {"thousands separator", {"0", "0", "0", "1,000"}, "'1,000' is not a valid integer value"},
        // The fields are read Width, Height, Top, Left: the first bad one is named.
        {"all bad: Width first", {"l?", "t?", "h?", "w?"}, "'w?' is not a valid integer value"},
        {"then Height", {"l?", "t?", "h?", "1"}, "'h?' is not a valid integer value"},
        {"then Top", {"l?", "t?", "1", "1"}, "'t?' is not a valid integer value"},
        {"then Left", {"l?", "1", "1", "1"}, "'l?' is not a valid integer value"},
        {"conversion before sign", {"0", "0", "-1", "abc"}, "'abc' is not a valid integer value"},
        {"negative width", {"0", "0", "10", "-1"}, kNegativeSizeMessage},
        {"negative height", {"0", "0", "-1", "10"}, kNegativeSizeMessage},
        {"right edge past 32 bits", {"2147483647", "0", "0", "1"}, overflow},
        {"bottom edge past 32 bits", {"0", "1", "2147483647", "0"}, overflow},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetFields(c.fields);
        try {
            Form4->RegionRect();
            ADD_FAILURE() << "no exception";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

// ---- grabbing what the fields describe ----

TEST_F(RegionDialog, GrabsARegionPartlyOffTheScreenAtItsFullSize) {
    SetFields({"-50", "-30", "60", "100"});
    GrabBitmapScope scope;
    GrabScreenRect(Form4->RegionRect());
    ASSERT_TRUE(GrabBitmap);
    EXPECT_EQ(GrabBitmap->Width(), 100);
    EXPECT_EQ(GrabBitmap->Height(), 60);
}

struct SizeCase {
    const char* width;
    const char* height;
    bool grabs;
};

// Beyond the bound Wine's display side would end the process (a pixmap side
// over 32767, or a copy of hundreds of megabytes) instead of failing.
TEST_F(RegionDialog, GrabsUpToTheBoundAndRefusesLargerRegionsWithAMessage) {
    const SizeCase cases[] = {
        {"100000", "100000", false},
        {"12000", "12000", false},
        {"32768", "1", false},
        {"1", "32768", false},
        {"8193", "8192", false},
        {"32767", "1", true},
        {"8192", "8192", true},
    };
    for (const SizeCase& c : cases) {
        const std::string size = std::string(c.width) + " x " + c.height;
        SCOPED_TRACE(size);
        SetFields({"0", "0", c.height, c.width});
        GrabBitmapScope scope;
        try {
            GrabScreenRect(Form4->RegionRect());
            EXPECT_TRUE(c.grabs);
            ASSERT_TRUE(GrabBitmap);
            EXPECT_EQ(std::to_string(GrabBitmap->Width()) + " x " + std::to_string(GrabBitmap->Height()), size);
        } catch (const Error& e) {
            EXPECT_FALSE(c.grabs);
            EXPECT_EQ(std::string(e.what()), "Region of " + size + " pixels is too large to capture");
        }
    }
}

}  // namespace
