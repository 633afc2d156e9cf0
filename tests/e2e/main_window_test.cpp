// The main window as a person meets it: what is shown at start, a capture
// over a known screen with and without "Minimize First", "Stay on top", and
// the ways of ending the program.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "driver/Controls.h"
#include "driver/PatternWindow.h"
#include "driver/Pixels.h"
#include "driver/Program.h"
#include "driver/Wait.h"

namespace e2e {
namespace {

constexpr Rgb kMainBackground{187, 188, 255};
constexpr Rgb kWhite{255, 255, 255};
constexpr int kPreviewSize = 198;

struct NamedAction {
    const char* name;
    std::function<void(HWND mainWindow)> run;
};

void PrintTo(const NamedAction& action, std::ostream* out) { *out << action.name; }

std::string actionName(const ::testing::TestParamInfo<NamedAction>& info) { return info.param.name; }

class MainWindow : public ::testing::Test {
protected:
    HWND main() const { return program_.mainWindow(); }

    HWND checkBox(const char* text) const {
        HWND box = findChild(main(), "Button", text);
        if (box == nullptr) ADD_FAILURE() << "no check box \"" << text << "\"";
        return box;
    }

    HWND preview() const { return findChild(main(), "TImage"); }

    // Where a point of the screen lands in the 198 x 198 preview.
    static POINT inPreview(POINT screen) {
        const RECT s = screenRect();
        return {screen.x * kPreviewSize / s.right, screen.y * kPreviewSize / s.bottom};
    }

    // Runs a capture and returns the preview as it stands on the screen once
    // it shows the new picture (its top-left corner the pattern's) and has
    // stopped changing.
    ScreenPixels captureOver(const std::function<void(HWND)>& trigger) {
        trigger(main());
        const Rgb corner = PatternWindow::blockColour(0, 0);
        ScreenPixels last = readPreview();
        const bool settled = waitUntil([&] {
            if (!IsWindowVisible(main())) return false;
            ScreenPixels now = readPreview();
            const bool same = now == last && now.at(2, 2) == corner;
            last = now;
            return same;
        });
        EXPECT_TRUE(settled) << "the preview never settled on a capture of the pattern; its top-left pixel is "
                             << last.at(2, 2) << ", expected " << corner;
        return last;
    }

    ScreenPixels readPreview() const { return ScreenPixels(clientRectOnScreen(preview())); }

    Program program_;
};

TEST_F(MainWindow, StartsAloneCentredOnTopWithItsControlsInTheirFirstState) {
    EXPECT_EQ(program_.visibleWindows(), std::vector<HWND>{main()}) << "only the main window is shown at start";

    const RECT window = windowRect(main()), screen = screenRect();
    EXPECT_NEAR(window.left, (screen.right - (window.right - window.left)) / 2, 1);
    EXPECT_NEAR(window.top, (screen.bottom - (window.bottom - window.top)) / 2, 1);
    EXPECT_TRUE(isTopmost(main()));
    const SIZE client = clientSize(main());
    EXPECT_EQ(client.cx, 218);
    EXPECT_EQ(client.cy, 415);

    const struct { const char* text; bool ticked; } boxes[] = {
        {"Minimize First", true}, {"Region only", false}, {"Auto save", false}, {"Stay on top", true}};
    for (const auto& box : boxes) {
        HWND h = checkBox(box.text);
        if (h != nullptr) {
            EXPECT_EQ(isChecked(h), box.ticked) << box.text;
        }
    }
    EXPECT_NE(findChild(main(), "TSpeedButton", "Capture"), nullptr);
    EXPECT_NE(findChild(main(), "TSpeedButton", "View"), nullptr);
    EXPECT_NE(findChild(main(), "msctls_statusbar32"), nullptr);

    const struct { const char* className; const char* caption; } hidden[] = {
        {"TForm2", "Screenshot"}, {"TForm4", "Region capture"}, {"TAboutBox", "About"}};
    for (const auto& w : hidden) {
        HWND h = program_.findWindow(w.className, w.caption);
        EXPECT_NE(h, nullptr) << w.className << " \"" << w.caption << "\" does not exist";
        if (h != nullptr) {
            EXPECT_FALSE(IsWindowVisible(h)) << w.className << " is shown";
        }
    }

    ASSERT_NE(preview(), nullptr) << "no TImage preview";
    RECT image = clientRectOnScreen(preview());
    MapWindowPoints(nullptr, main(), reinterpret_cast<POINT*>(&image), 2);
    EXPECT_EQ(image.left, 9);
    EXPECT_EQ(image.top, 26);
    EXPECT_EQ(image.right - image.left, kPreviewSize);
    EXPECT_EQ(image.bottom - image.top, kPreviewSize);
    const ScreenPixels empty = readPreview();
    for (int y = 0; y < empty.height(); y += 11)
        for (int x = 0; x < empty.width(); x += 11)
            ASSERT_EQ(empty.at(x, y), kWhite) << "the empty preview at " << x << "," << y;
}

// The pattern window is shown before the program starts. Under Wine a new
// window lands on top of the display's stacking order even when a topmost
// window of another process should stay above it, so the pattern must be
// older than the program's windows.
struct PatternUnderneath {
    PatternWindow pattern;
};

class Capture : public PatternUnderneath, public MainWindow {};

class CaptureWithMinimizeFirst : public Capture, public ::testing::WithParamInterface<NamedAction> {};

// The program hides itself, so the preview is the pattern alone, squeezed
// into 198 x 198 without bars.
TEST_P(CaptureWithMinimizeFirst, PreviewShowsTheWholeScreenWithoutTheProgram) {
    const ScreenPixels shot = captureOver(GetParam().run);
    ASSERT_EQ(shot.width(), kPreviewSize);
    ASSERT_EQ(shot.height(), kPreviewSize);

    for (int row = 0; row < PatternWindow::kRows; ++row) {
        for (int column = 0; column < PatternWindow::kColumns; ++column) {
            const POINT p = inPreview(pattern.blockCentre(column, row));
            EXPECT_EQ(shot.at(p.x, p.y), PatternWindow::blockColour(column, row))
                << "block " << column << "," << row << " at " << p.x << "," << p.y << " of the preview";
        }
    }
    // The corners show that the picture fills the preview. The bottom-left
    // one is left out: the program minimises itself, and where Windows keeps a
    // minimised window off the screen behind its taskbar button, Wine's bare
    // desktop (no taskbar) leaves it as a 160 x 24 bar in that corner.
    const int last = kPreviewSize - 1;
    const struct { int x, y, column, row; } corners[] = {
        {0, 0, 0, 0},
        {last, 0, PatternWindow::kColumns - 1, 0},
        {last, last, PatternWindow::kColumns - 1, PatternWindow::kRows - 1}};
    for (const auto& c : corners)
        EXPECT_EQ(shot.at(c.x, c.y), PatternWindow::blockColour(c.column, c.row))
            << "the preview's corner " << c.x << "," << c.y;
    EXPECT_FALSE(shot.contains(kMainBackground)) << "the main window is in its own capture";
    EXPECT_TRUE(IsWindowVisible(main())) << "the program stayed hidden after the capture";
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, CaptureWithMinimizeFirst,
    ::testing::Values(
        NamedAction{"CaptureButton", [](HWND w) { postClick(findChild(w, "TSpeedButton", "Capture")); }},
        NamedAction{"F6", [](HWND w) { pressKey(w, VK_F6); }},
        NamedAction{"ScreenshotCaptureMenu", [](HWND w) { chooseMenu(w, "Screenshot", "Capture"); }}),
    actionName);

// Unticked, the always-on-top main window is part of the picture, at the
// spot where it stands, and the pattern is around it.
TEST_F(Capture, WithoutMinimizeFirstShowsTheMainWindowInThePreview) {
    HWND minimizeFirst = checkBox("Minimize First");
    ASSERT_NE(minimizeFirst, nullptr);
    click(minimizeFirst);
    ASSERT_FALSE(isChecked(minimizeFirst));

    const ScreenPixels shot =
        captureOver([](HWND w) { postClick(findChild(w, "TSpeedButton", "Capture")); });

    // A patch of plain background between the check boxes and the logo.
    POINT background{126, 322};
    ClientToScreen(main(), &background);
    const POINT p = inPreview(background);
    EXPECT_EQ(shot.at(p.x, p.y), kMainBackground) << "at " << p.x << "," << p.y << " of the preview";

    RECT around = windowRect(main());
    InflateRect(&around, 12, 12);
    for (int row = 0; row < PatternWindow::kRows; ++row) {
        for (int column = 0; column < PatternWindow::kColumns; ++column) {
            const POINT centre = pattern.blockCentre(column, row);
            if (PtInRect(&around, centre)) continue;
            const POINT q = inPreview(centre);
            EXPECT_EQ(shot.at(q.x, q.y), PatternWindow::blockColour(column, row))
                << "block " << column << "," << row;
        }
    }
}

TEST_F(MainWindow, StayOnTopSwitchesTheWindowBetweenTopmostAndNormal) {
    HWND stayOnTop = checkBox("Stay on top");
    ASSERT_NE(stayOnTop, nullptr);

    click(stayOnTop);
    EXPECT_FALSE(isChecked(stayOnTop));
    EXPECT_TRUE(waitUntil([&] { return !isTopmost(main()); })) << "still topmost with the box unticked";

    click(stayOnTop);
    EXPECT_TRUE(isChecked(stayOnTop));
    EXPECT_TRUE(waitUntil([&] { return isTopmost(main()); })) << "not topmost with the box ticked again";
}

class EndingTheProgram : public MainWindow, public ::testing::WithParamInterface<NamedAction> {};

TEST_P(EndingTheProgram, EndsTheProcess) {
    GetParam().run(main());
    EXPECT_TRUE(program_.waitForExit(10000)) << GetParam().name << " did not end the program";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndingTheProgram,
    ::testing::Values(NamedAction{"FileExit", [](HWND w) { chooseMenu(w, "File", "Exit"); }},
                      NamedAction{"F10", [](HWND w) { pressKey(w, VK_F10); }},
                      NamedAction{"CloseBox", [](HWND w) { pressCloseBox(w); }}),
    actionName);

}  // namespace
}  // namespace e2e
