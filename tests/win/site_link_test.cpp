// The publisher's link on the main window and the About box's address.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/Unit1.h"
#include "app/Unit3.h"
#include "support/ShellRecorder.h"
#include "support/WinTestSupport.h"
#include "support/WindowSetFixture.h"
#include "ui/Application.h"

namespace {

using SiteLink = WindowSetTest;

// What the program answers when Windows asks which cursor to show over a
// window of its own.
HCURSOR CursorShownOver(HWND window) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    SendMessageA(GetAncestor(window, GA_ROOT), WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
}

TEST_F(SiteLink, PointingAtTheLinkShowsTheHandOverTheWholeProgramUntilTheMouseLeaves) {
    const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    HWND label = Form1->Label2.Handle();

    SendMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(Application::Get().ScreenCursor(), hand);
    // The cursor is the program's, not the label's: it shows over the check
    // boxes and the preview as well.
    EXPECT_EQ(CursorShownOver(Form1->CheckBox1.Handle()), hand);
    EXPECT_EQ(CursorShownOver(Form1->Image1.Handle()), hand);

    SendMessageA(label, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Application::Get().ScreenCursor(), nullptr);
    EXPECT_EQ(CursorShownOver(Form1->CheckBox1.Handle()), arrow);
}

TEST_F(SiteLink, ClickingTheLinkAsksTheShellToOpenTheAddress) {
    ShellRecorder shell;
    ASSERT_TRUE(shell.Active()) << "ShellExecuteA is not imported from shell32.dll";
    HWND label = Form1->Label2.Handle();
    SendMessageA(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                 reinterpret_cast<LPARAM>(label));

    EXPECT_EQ(shell.Last().count, 1);
    EXPECT_EQ(shell.Last().owner, nullptr);
    EXPECT_EQ(shell.Last().verb, "open");
    EXPECT_EQ(shell.Last().file, kPublisherAddress);
    EXPECT_EQ(wintest::TextOf(label), kPublisherAddress);
    EXPECT_FALSE(shell.Last().parameters);
    EXPECT_FALSE(shell.Last().folder);
    EXPECT_EQ(shell.Last().show, SW_SHOWNORMAL);
}

TEST_F(SiteLink, TheAboutBoxAddressIsNotALink) {
    ShellRecorder shell;
    HWND comments = AboutBox->Comments.Handle();
    EXPECT_EQ(wintest::TextOf(comments), kPublisherAddress);
    SendMessageA(GetParent(comments), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(comments), STN_CLICKED),
                 reinterpret_cast<LPARAM>(comments));
    SendMessageA(comments, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(shell.Last().count, 0);
    EXPECT_EQ(Application::Get().ScreenCursor(), nullptr);
}

}  // namespace
