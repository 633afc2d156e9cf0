// The viewer as a person meets it: "View" after a capture shows the picture
// at full size with scroll bars, File > Open loads picture files typed into
// the open dialog (and names an extension it does not know), Save as writes
// a JPEG under a typed name and replaces it without asking, and Close hides
// the viewer while the program goes on.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "../common/JpegTestImages.h"
#include "../common/ScratchFolder.h"
#include "driver/Controls.h"
#include "driver/FileDialogs.h"
#include "driver/MessageBoxes.h"
#include "driver/PatternWindow.h"
#include "driver/Pixels.h"
#include "driver/Program.h"
#include "driver/Wait.h"

namespace e2e {
namespace {

using scratch::ScratchFolder;

constexpr Rgb kQuarters[2][2] = {{{200, 20, 30}, {20, 160, 40}}, {{20, 40, 210}, {230, 210, 20}}};

void writeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

template <class T>
void append(std::vector<unsigned char>& bytes, const T& value) {
    const auto* p = reinterpret_cast<const unsigned char*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof value);
}

Rgb quarterAt(int x, int y, int width, int height) { return kQuarters[y >= height / 2][x >= width / 2]; }

// A 24-bit bottom-up .bmp in four coloured quarters, so that a picture
// shown upside down or mirrored shows up.
std::vector<unsigned char> quartersBmp(int width, int height) {
    const int stride = (width * 3 + 3) / 4 * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<unsigned char> bytes;
    append(bytes, file);
    append(bytes, info);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned char> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const Rgb c = quarterAt(x, y, width, height);
            row[x * 3] = c.b, row[x * 3 + 1] = c.g, row[x * 3 + 2] = c.r;
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

// A file's size without opening it: the program replaces the file by a
// rename, which an open handle of ours could make fail.
long long fileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string dataFile(const char* name) { return windowsPath(std::string(getenv("TEST_DATA_DIR")) + "/" + name); }

class ViewerTest : public ::testing::Test {
protected:
    HWND main() const { return program_.mainWindow(); }
    HWND viewer() const { return program_.findWindow("TForm2", "Screenshot"); }
    HWND image() const { return findChild(viewer(), "TImage"); }

    HWND showViewer() {
        postClick(findChild(main(), "TSpeedButton", "View"));
        EXPECT_TRUE(waitUntil([&] { return viewer() != nullptr && IsWindowVisible(viewer()); }))
            << "View did not show the viewer";
        return viewer();
    }

    SIZE imageSize() const {
        const RECT r = windowRect(image());
        return {r.right - r.left, r.bottom - r.top};
    }

    bool waitForImageSize(int width, int height) {
        return waitUntil([&] {
            const SIZE s = imageSize();
            return s.cx == width && s.cy == height;
        });
    }

    // The part of the image the scroll box shows, in screen coordinates.
    RECT shownImage() const {
        RECT box = clientRectOnScreen(GetParent(image())), picture = windowRect(image()), shown{};
        IntersectRect(&shown, &box, &picture);
        return shown;
    }

    // Waits until every step-th shown pixel of the image has the colour
    // expected at that point of the picture. Returns "" then, else what
    // differed at the last look.
    std::string differencesOnScreen(const std::function<Rgb(int x, int y)>& expected, int step) {
        std::ostringstream report;
        waitUntil([&] {
            const RECT shown = shownImage(), picture = windowRect(image());
            const ScreenPixels pixels(shown);
            int bad = 0;
            report.str("");
            for (int y = 0; y < pixels.height(); y += step)
                for (int x = 0; x < pixels.width(); x += step) {
                    const Rgb want = expected(shown.left - picture.left + x, shown.top - picture.top + y);
                    if (pixels.at(x, y) == want) continue;
                    if (bad++ == 0) report << "first at " << x << "," << y << ": " << pixels.at(x, y) << " for " << want;
                }
            if (bad) report << "; " << bad << " pixels differ";
            return bad == 0;
        });
        return report.str();
    }

    // File > Open, the name typed into the dialog, Open pressed.
    void openFile(const std::string& path) {
        chooseMenu(viewer(), "File", "Open");
        runFileDialog(path);
    }

    void runFileDialog(const std::string& name) {
        HWND dialog = waitForFileDialog(program_, kDefaultTimeoutMs);
        ASSERT_NE(dialog, nullptr) << "no file dialog";
        typeFileNameAndAccept(dialog, name);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }))
            << "the dialog stayed open for " << name;
    }

    std::string shownBoxText() const {
        for (HWND w : program_.visibleWindows())
            if (windowClass(w) == "#32770") return windowText(w) + ": " + messageBoxText(w);
        return "";
    }

    bool anyMessageBox() const {
        for (HWND w : program_.visibleWindows())
            if (windowClass(w) == "#32770") return true;
        return false;
    }

    ScratchFolder scratch_;
    Program program_;
};

// The pattern must be older than the program's windows to stay under them.
struct PatternUnderneath {
    PatternWindow pattern;
};

class ViewerAfterCapture : public PatternUnderneath, public ViewerTest {};

TEST_F(ViewerAfterCapture, ShowsTheFullDisplayAtOneToOneWithBothScrollBars) {
    postClick(findChild(main(), "TSpeedButton", "Capture"));
    const Rgb corner = PatternWindow::blockColour(0, 0);
    ASSERT_TRUE(waitUntil([&] {
        if (!IsWindowVisible(main())) return false;
        return ScreenPixels(clientRectOnScreen(findChild(main(), "TImage"))).at(2, 2) == corner;
    })) << "the capture did not reach the preview";

    showViewer();
    const RECT screen = screenRect();
    ASSERT_TRUE(waitForImageSize(screen.right, screen.bottom)) << "the image is not the display's size";
    const DWORD style = static_cast<DWORD>(GetWindowLongA(GetParent(image()), GWL_STYLE));
    EXPECT_TRUE(style & WS_HSCROLL) << "no horizontal scroll bar";
    EXPECT_TRUE(style & WS_VSCROLL) << "no vertical scroll bar";
    EXPECT_EQ(differencesOnScreen([&](int x, int y) { return pattern.colourAt({x, y}); }, 7), "")
        << "the viewer does not show the capture at 1:1";
}

TEST_F(ViewerTest, OpensBitmapAndJpegFilesTypedIntoTheOpenDialogAndShowsThem) {
    showViewer();
    EXPECT_TRUE(waitForImageSize(0, 0)) << "before any capture the viewer is empty";

    const std::string bmp = scratch_ / "quarters.bmp";
    writeFile(bmp, quartersBmp(200, 120));
    openFile(bmp);
    ASSERT_TRUE(waitForImageSize(200, 120)) << "the bitmap was not opened";
    EXPECT_EQ(differencesOnScreen([](int x, int y) { return quarterAt(x, y, 200, 120); }, 3), "");

    // The extension's case does not matter.
    const std::string jpeg = scratch_ / "photo.JPEG";
    CopyFileA(dataFile("jpeg_fixture.jpg").c_str(), jpeg.c_str(), FALSE);
    const jpegtest::RgbImage decoded = jpegtest::DecodeJpeg(jpegtest::ReadBytes(jpeg));
    openFile(jpeg);
    ASSERT_TRUE(waitForImageSize(decoded.width, decoded.height)) << "the JPEG was not opened";
    EXPECT_EQ(differencesOnScreen([&](int x, int y) {
        const unsigned char* p = decoded.At(x, y);
        return Rgb{p[0], p[1], p[2]};
    }, 1), "");
}

TEST_F(ViewerTest, AnUnknownExtensionIsReportedAndThePictureStays) {
    showViewer();
    const std::string bmp = scratch_ / "quarters.bmp";
    writeFile(bmp, quartersBmp(64, 48));
    openFile(bmp);
    ASSERT_TRUE(waitForImageSize(64, 48));

    const std::string notes = scratch_ / "notes.txt";
    writeFile(notes, {'h', 'e', 'l', 'l', 'o'});
    openFile(notes);
    HWND box = waitForMessageBox(program_, "Pelmora", kDefaultTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(messageBoxText(box), "Unknown picture file extension (.txt)");
    pressOk(box);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(box); }));
    EXPECT_TRUE(IsWindowVisible(viewer())) << "the viewer closed";
    EXPECT_EQ(imageSize().cx, 64);
    EXPECT_EQ(differencesOnScreen([](int x, int y) { return quarterAt(x, y, 64, 48); }, 2), "");
}

TEST_F(ViewerTest, SaveAsWritesAJpegUnderTheTypedNameAndReplacesItWithoutAsking) {
    showViewer();
    const std::string bmp = scratch_ / "quarters.bmp";
    writeFile(bmp, quartersBmp(80, 60));
    openFile(bmp);
    ASSERT_TRUE(waitForImageSize(80, 60));

    std::string saved;
    auto savedFile = [&] {
        for (const std::string& name : scratch_.Files())
            if (name.rfind("shot.", 0) == 0) saved = name;
        return !saved.empty() && fileSize(scratch_ / saved) > 0;
    };
    pressKey(viewer(), VK_F2);
    runFileDialog(scratch_ / "shot");
    ASSERT_TRUE(waitUntil(savedFile)) << "nothing was saved";
    EXPECT_TRUE(saved == "shot.JPG" || saved == "shot.jpg") << saved;
    std::cout << "  the typed name shot was saved as " << saved << "\n";

    auto checkJpeg = [&] {
        const jpegtest::RgbImage image = jpegtest::DecodeJpeg(jpegtest::ReadBytes(scratch_ / saved));
        ASSERT_EQ(image.width, 80);
        ASSERT_EQ(image.height, 60);
        const Rgb c = kQuarters[1][0];
        EXPECT_TRUE(jpegtest::Near(image.At(10, 50), c.r, c.g, c.b, 12)) << "bottom-left quarter";
    };
    checkJpeg();

    // The second time over the same file: no question, the file is replaced.
    writeFile(scratch_ / saved, {'o', 'l', 'd'});
    chooseMenu(viewer(), "File", "Save as ...");
    runFileDialog(scratch_ / "shot");
    ASSERT_TRUE(waitUntil([&] { return fileSize(scratch_ / saved) > 3; }))
        << "the file was not replaced" << (anyMessageBox() ? "; a box is shown: " + shownBoxText() : "");
    EXPECT_FALSE(anyMessageBox()) << "a question or error box came up";
    checkJpeg();
    EXPECT_EQ(scratch_.Files().size(), 2u) << "one picture, one saved file";
}

TEST_F(ViewerTest, CloseHidesTheViewerAndTheProgramGoesOn) {
    HWND shown = showViewer();
    pressKey(shown, VK_F10);
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(shown); })) << "F10 did not close the viewer";
    EXPECT_FALSE(program_.hasExited());
    EXPECT_TRUE(IsWindowVisible(main()));
    showViewer();  // and it comes back
    chooseMenu(viewer(), "File", "Close");
    EXPECT_TRUE(waitUntil([&] { return !IsWindowVisible(viewer()); })) << "File > Close did not close it";
    EXPECT_FALSE(program_.hasExited());
}

}  // namespace
}  // namespace e2e
