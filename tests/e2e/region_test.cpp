// Region capture as a person does it: tick "Region only", type the region
// into the dialog, capture, and look at the preview; fields that make no
// region give their message and leave the program minimised and alive.
#include <gtest/gtest.h>

#include <string>

#include "driver/Controls.h"
#include "driver/MessageBoxes.h"
#include "driver/PatternWindow.h"
#include "driver/Pixels.h"
#include "driver/Program.h"
#include "driver/Wait.h"

namespace e2e {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr int kPreviewSize = 198;

struct Region {
    const char* left;
    const char* top;
    const char* height;
    const char* width;
};

class RegionCapture : public ::testing::Test {
protected:
    HWND main() const { return program_.mainWindow(); }
    HWND dialog() const { return program_.findWindow("TForm4", "Region capture"); }
    HWND regionOnly() const { return findChild(main(), "Button", "Region only"); }
    HWND preview() const { return findChild(main(), "TImage"); }
    ScreenPixels readPreview() const { return ScreenPixels(clientRectOnScreen(preview())); }

    // Ticks "Region only" and moves the dialog out of the way of the main
    // window and of the regions the tests copy.
    void showDialogAside() {
        ASSERT_NE(regionOnly(), nullptr);
        click(regionOnly());
        ASSERT_TRUE(waitUntil([&] { return dialog() != nullptr && IsWindowVisible(dialog()); }));
        SetWindowPos(dialog(), nullptr, 1000, 780, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // The field under the label with that caption.
    HWND field(const char* caption) const {
        HWND label = findChild(dialog(), "Static", caption);
        if (label == nullptr) return nullptr;
        const RECT l = windowRect(label);
        for (HWND w = GetWindow(dialog(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
            const RECT r = windowRect(w);
            if (windowClass(w) == "Edit" && r.left == l.left && r.top >= l.bottom && r.top <= l.bottom + 8)
                return w;
        }
        return nullptr;
    }

    void typeRegion(const Region& region) {
        const struct { const char* caption; const char* text; } fields[] = {
            {"Left", region.left}, {"Top", region.top}, {"Height", region.height}, {"Width", region.width}};
        for (const auto& f : fields) {
            HWND edit = field(f.caption);
            ASSERT_NE(edit, nullptr) << "no field captioned " << f.caption;
            SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(f.text));
            ASSERT_EQ(windowText(edit), f.text);
        }
    }

    HWND captureButton() const { return findChild(main(), "TSpeedButton", "Capture"); }
    // Returns when the capture command has ended.
    void capture() const { click(captureButton()); }

    // Waits until the program is back and its preview has stopped changing
    // with `colour` at (x, y); returns the preview as it then stands.
    ScreenPixels settledPreview(int x, int y, Rgb colour) const {
        ScreenPixels last = readPreview();
        const bool settled = waitUntil([&] {
            if (!IsWindowVisible(main()) || IsIconic(main())) return false;
            ScreenPixels now = readPreview();
            const bool same = now == last && now.at(x, y) == colour;
            last = now;
            return same;
        });
        EXPECT_TRUE(settled) << "the preview never settled; its pixel " << x << "," << y << " is "
                             << last.at(x, y) << ", expected " << colour;
        return last;
    }

    // Captures a region over the pattern and checks that the preview is
    // that region stretched to 198 x 198: every preview pixel has the
    // pattern's colour at the matching point of the region. A 198 x 198
    // region is copied 1:1 and is checked to the pixel; a stretched one
    // wherever the point is not next to a block's edge, since the
    // stretching may round to the neighbouring source pixel.
    void captureAndCheck(int left, int top, int width, int height) {
        const std::string l = std::to_string(left), t = std::to_string(top);
        const std::string h = std::to_string(height), w = std::to_string(width);
        typeRegion({l.c_str(), t.c_str(), h.c_str(), w.c_str()});
        capture();
        const int margin = width == kPreviewSize && height == kPreviewSize ? 0 : 1;
        const ScreenPixels shot = settledPreview(1, 1, pattern_.colourAt(sourceOf(1, 1, left, top, width, height)));
        ASSERT_EQ(shot.width(), kPreviewSize);
        int checked = 0;
        for (int y = 0; y < kPreviewSize; ++y) {
            for (int x = 0; x < kPreviewSize; ++x) {
                const POINT source = sourceOf(x, y, left, top, width, height);
                const Rgb expected = pattern_.colourAt(source);
                bool clear = true;
                for (int dy = -margin; dy <= margin; ++dy)
                    for (int dx = -margin; dx <= margin; ++dx) {
                        const POINT p{source.x + dx, source.y + dy};
                        clear = clear && PtInRect(&pattern_.area(), p) && pattern_.colourAt(p) == expected;
                    }
                if (!clear) continue;
                ++checked;
                ASSERT_EQ(shot.at(x, y), expected)
                    << "preview pixel " << x << "," << y << " (screen " << source.x << "," << source.y << ")";
            }
        }
        EXPECT_GT(checked, 5000);
    }

    // The point of the screen that a preview pixel shows.
    static POINT sourceOf(int x, int y, int left, int top, int width, int height) {
        return {left + (2 * x + 1) * width / (2 * kPreviewSize), top + (2 * y + 1) * height / (2 * kPreviewSize)};
    }

    void expectEmptyPreview() const {
        const ScreenPixels shot = settledPreview(2, 2, kWhite);
        for (int y = 0; y < shot.height(); y += 7)
            for (int x = 0; x < shot.width(); x += 7)
                ASSERT_EQ(shot.at(x, y), kWhite) << "the empty preview at " << x << "," << y;
    }

    // The pattern is made before the program: under Wine a new window lands
    // above older ones, even topmost windows of another process.
    PatternWindow pattern_;
    Program program_;
};

TEST_F(RegionCapture, TickingShowsTheDialogOverTheMainWindowAndLaterTicksLeaveItWhereItIs) {
    ASSERT_NE(dialog(), nullptr);
    ASSERT_FALSE(IsWindowVisible(dialog()));
    ASSERT_NE(regionOnly(), nullptr);
    click(regionOnly());
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(dialog()); })) << "ticking does not show the dialog";
    const RECT m = windowRect(main()), d = windowRect(dialog());
    EXPECT_NEAR((d.left + d.right) / 2, (m.left + m.right) / 2, 1);
    EXPECT_NEAR((d.top + d.bottom) / 2, (m.top + m.bottom) / 2, 1);
    const SIZE client = clientSize(dialog());
    EXPECT_EQ(client.cx, 219);
    EXPECT_EQ(client.cy, 160);
    for (const char* caption : {"Left", "Top", "Height", "Width"}) {
        HWND edit = field(caption);
        ASSERT_NE(edit, nullptr) << caption;
        EXPECT_EQ(windowText(edit), "0") << caption;
    }

    SetWindowPos(dialog(), nullptr, 60, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved = windowRect(dialog());
    const auto expectStill = [&](const char* after) {
        EXPECT_TRUE(IsWindowVisible(dialog())) << after;
        const RECT now = windowRect(dialog());
        EXPECT_EQ(now.left, moved.left) << after;
        EXPECT_EQ(now.top, moved.top) << after;
    };
    click(regionOnly());
    EXPECT_FALSE(isChecked(regionOnly()));
    expectStill("unticking");
    click(regionOnly());
    expectStill("ticking again");
    chooseMenu(main(), "Options", "Region only");
    ASSERT_TRUE(waitUntil([&] { return !isChecked(regionOnly()); })) << "the menu entry does not untick";
    chooseMenu(main(), "Options", "Region only");
    ASSERT_TRUE(waitUntil([&] { return isChecked(regionOnly()); })) << "the menu entry does not tick";
    expectStill("ticking from the menu");

    // The close box hides it; the fields keep their text.
    SendMessageA(field("Width"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("77"));
    pressCloseBox(dialog());
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(dialog()); })) << "the close box does not hide it";
    click(regionOnly());
    click(regionOnly());
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(dialog()); }));
    expectStill("showing after the close box");
    EXPECT_EQ(windowText(field("Width")), "77");
}

TEST_F(RegionCapture, PreviewShowsExactlyTheTypedRegionStretched) {
    showDialogAside();
    // Each edge a few pixels short of a block's edge, so a region that is
    // off by a pixel or two, or with width and height swapped, shows.
    captureAndCheck(150, 118, kPreviewSize, kPreviewSize);
    captureAndCheck(150, 118, 320, 256);
    captureAndCheck(330, 500, 100, 300);
}

// What the copy gives for pixels off the screen is the platform's matter
// (under Wine a copy that reaches off the screen gives black throughout);
// the capture ends normally, with no message.
TEST_F(RegionCapture, RegionsOffTheScreenEndNormally) {
    showDialogAside();
    const Region regions[] = {
        {"-99", "-99", "198", "198"}, {"1200", "950", "120", "160"}, {"5000", "-3000", "50", "50"}};
    for (const Region& region : regions) {
        SCOPED_TRACE(std::string(region.left) + "," + region.top);
        typeRegion(region);
        capture();
        EXPECT_TRUE(IsWindowVisible(main()) && !IsIconic(main())) << "the program did not come back";
        EXPECT_EQ(program_.findWindow("#32770", "Pelmora"), nullptr) << "a message for a region off the screen";
    }
    EXPECT_FALSE(program_.hasExited());
    captureAndCheck(150, 118, kPreviewSize, kPreviewSize);
}

TEST_F(RegionCapture, ZeroFieldsGiveAnEmptyPreview) {
    showDialogAside();
    captureAndCheck(150, 118, 320, 256);
    typeRegion({"0", "0", "0", "0"});
    capture();
    expectEmptyPreview();
}

struct BadRegion {
    const char* name;
    Region region;
    const char* message;
};

std::string badRegionName(const ::testing::TestParamInfo<BadRegion>& info) { return info.param.name; }

class BadRegionCapture : public RegionCapture, public ::testing::WithParamInterface<BadRegion> {};

// With "Minimize First" ticked (as at start) the program is minimised when
// the region fails: the command ends there, so it stays minimised, with
// both pictures cleared.
TEST_P(BadRegionCapture, ShowsTheMessageLeavesThePreviewEmptyAndTheProgramMinimised) {
    showDialogAside();
    captureAndCheck(150, 118, 320, 256);

    typeRegion(GetParam().region);
    postClick(captureButton());  // the message box would hold a sent click
    HWND box = waitForMessageBox(program_, "Pelmora", 10000);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(messageBoxText(box), GetParam().message);
    EXPECT_TRUE(IsIconic(main())) << "the program was restored";
    pressOk(box);
    ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(box); }));
    EXPECT_FALSE(program_.hasExited());
    EXPECT_TRUE(IsIconic(main())) << "the program was restored";

    SendMessageA(main(), WM_SYSCOMMAND, SC_RESTORE, 0);
    expectEmptyPreview();
    // And it goes on capturing.
    captureAndCheck(330, 500, 100, 300);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BadRegionCapture,
    ::testing::Values(
        BadRegion{"TextInWidth", {"0", "0", "10", "abc"}, "'abc' is not a valid integer value."},
        BadRegion{"NegativeHeight", {"0", "0", "-5", "10"}, "Region width and height must not be negative."},
        BadRegion{"Huge", {"0", "0", "100000", "100000"},
                  "Region of 100000 x 100000 pixels is too large to capture."},
        BadRegion{"PastTheLargestEdge", {"2147483647", "0", "10", "1"},
                  "Region left plus width and top plus height must not exceed 2147483647."}),
    badRegionName);

}  // namespace
}  // namespace e2e
