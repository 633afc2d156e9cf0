// Auto-save as a person meets it: choosing the folder by typing it into the
// select-directory dialog, captures with "Auto save" ticked landing in it as
// JPEG files named after the clock, the errors a vanished folder and an empty
// field give, and opening the folder in the shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../common/JpegTestImages.h"
#include "../common/ScratchFolder.h"
#include "driver/Controls.h"
#include "driver/MessageBoxes.h"
#include "driver/PatternWindow.h"
#include "driver/Pixels.h"
#include "driver/Program.h"
#include "driver/Wait.h"

namespace e2e {
namespace {

using scratch::ScratchFolder;

constexpr int kJpegTolerance = 12;
const char kCreatePrompt[] = "The specified directory does not exist. Create it?";

std::string folderOfThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

std::vector<std::string> linesOf(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// Under Wine the shell opens a folder by starting "explorer.exe" with the
// folder's path, whatever the verb, found first in the starting program's
// current folder. The stand-in recorder sits there under that name and
// writes what it was given into a log, so no folder window opens.
class ShellStandIn {
public:
    explicit ShellStandIn(const ScratchFolder& scratch)
        : bin_(scratch / "bin"), log_(scratch / "shell.log"), previous_(currentFolder()) {
        CreateDirectoryA(bin_.c_str(), nullptr);
        const std::string recorder = folderOfThisProgram() + "\\shell_recorder.exe";
        if (!CopyFileA(recorder.c_str(), (bin_ + "\\explorer.exe").c_str(), FALSE))
            ADD_FAILURE() << "cannot copy " << recorder;
        SetEnvironmentVariableA("PELMORA_SHELL_LOG", log_.c_str());
        // The program started next inherits this as its current folder.
        SetCurrentDirectoryA(bin_.c_str());
    }
    ~ShellStandIn() {
        SetCurrentDirectoryA(previous_.c_str());
        SetEnvironmentVariableA("PELMORA_SHELL_LOG", nullptr);
    }
    ShellStandIn(const ShellStandIn&) = delete;
    ShellStandIn& operator=(const ShellStandIn&) = delete;

    std::vector<std::string> opened() const { return linesOf(log_); }
    const std::string& programFolder() const { return bin_; }

private:
    static std::string currentFolder() {
        char path[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, path);
        return path;
    }
    std::string bin_, log_, previous_;
};

// Local time in milliseconds, for telling whether a name's moment lies
// between two readings.
long long millisecondsOf(const SYSTEMTIME& time) {
    FILETIME f;
    if (!SystemTimeToFileTime(&time, &f)) return -1;
    return static_cast<long long>((ULONGLONG(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 10000);
}

long long localNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return millisecondsOf(now);
}

// The moment an auto-save name stands for: the name is base 36 of the
// number whose decimal digits read ddmmyyhhnnsszzz. The century is taken as
// this one. -1 for a name that is no such number.
long long momentOfName(const std::string& name) {
    const std::string digits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    long long n = 0;
    for (char c : name) {
        const size_t d = digits.find(c);
        if (d == std::string::npos) return -1;
        n = n * 36 + static_cast<long long>(d);
    }
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%015lld", n);
    if (std::string(stamp).size() != 15) return -1;
    auto field = [&](int at, int length) { return std::atoi(std::string(stamp + at, length).c_str()); };
    SYSTEMTIME t{};
    t.wDay = WORD(field(0, 2)), t.wMonth = WORD(field(2, 2)), t.wYear = WORD(2000 + field(4, 2));
    t.wHour = WORD(field(6, 2)), t.wMinute = WORD(field(8, 2)), t.wSecond = WORD(field(10, 2));
    t.wMilliseconds = WORD(field(12, 3));
    return millisecondsOf(t);
}

std::vector<unsigned char> bytesOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}

// Set up before the program starts: the folder, the shell's stand-in (the
// program's current folder) and the pattern, which must be older than the
// program's windows to stay under them.
struct BeforeTheProgram {
    ScratchFolder scratch;
    ShellStandIn shell{scratch};
    PatternWindow pattern;
};

class AutoSave : public BeforeTheProgram, public ::testing::Test {
protected:
    HWND main() const { return program_.mainWindow(); }

    void tick(const char* box, bool ticked) {
        HWND h = findChild(main(), "Button", box);
        ASSERT_NE(h, nullptr) << box;
        if (isChecked(h) != ticked) click(h);
        ASSERT_EQ(isChecked(h), ticked) << box;
    }

    void pressCapture() { postClick(findChild(main(), "TSpeedButton", "Capture")); }

    HWND waitForDialog() { return waitForMessageBox(program_, "Select Directory", kDefaultTimeoutMs); }

    // Types the folder into the dialog's field and presses OK.
    void typeAndConfirm(HWND dialog, const std::string& folder) {
        ASSERT_NE(dialog, nullptr) << "no select-directory dialog";
        HWND field = findChild(dialog, "Edit");
        ASSERT_NE(field, nullptr);
        SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
        postClick(findChild(dialog, "Button", "OK"));
    }

    // Answers the question whether to create the folder.
    void answerCreate(int button) {
        HWND box = waitForMessageBox(program_, "Confirm", kDefaultTimeoutMs);
        ASSERT_NE(box, nullptr) << "no question whether to create the folder";
        EXPECT_EQ(messageBoxText(box), kCreatePrompt);
        postClick(GetDlgItem(box, button));
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    }

    // File > Select auto save folder, the folder typed, OK.
    void selectFolder(const std::string& folder) {
        chooseMenu(main(), "File", "Select auto save folder");
        HWND dialog = waitForDialog();
        typeAndConfirm(dialog, folder);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); })) << "the dialog stayed open";
    }

    // Waits until the folder holds that many files and the program is back.
    std::vector<std::string> waitForFiles(const std::string& folder, size_t count) {
        std::vector<std::string> files;
        const bool arrived = waitUntil([&] {
            files = scratch::FilesMatching(folder + "\\*");
            return files.size() >= count && IsWindowVisible(main()) && !IsIconic(main());
        });
        EXPECT_TRUE(arrived) << folder << " holds " << files.size() << " files, not " << count;
        return files;
    }

    HWND waitForError() { return waitForMessageBox(program_, "Pelmora", kDefaultTimeoutMs); }

    // The file is named after a moment between the two readings of the clock,
    // and holds the screen as the pattern painted it, at its full size.
    void expectCaptureFile(const std::string& folder, const std::string& file, long long before,
                           long long after) {
        ASSERT_GT(file.size(), 4u);
        ASSERT_EQ(file.substr(file.size() - 4), ".jpg") << file;
        const long long moment = momentOfName(file.substr(0, file.size() - 4));
        EXPECT_GE(moment, before) << file << " is named for a moment before the capture";
        EXPECT_LE(moment, after) << file << " is named for a moment after it was found";

        const jpegtest::RgbImage image = jpegtest::DecodeJpeg(bytesOf(folder + "\\" + file));
        const RECT screen = screenRect();
        ASSERT_EQ(image.width, screen.right);
        ASSERT_EQ(image.height, screen.bottom);
        for (int row = 0; row < PatternWindow::kRows; ++row)
            for (int column = 0; column < PatternWindow::kColumns; ++column) {
                const POINT p = pattern.blockCentre(column, row);
                const Rgb c = PatternWindow::blockColour(column, row);
                EXPECT_TRUE(jpegtest::Near(image.At(p.x, p.y), c.r, c.g, c.b, kJpegTolerance))
                    << "block " << column << "," << row << " should be " << c;
            }
    }

    Program program_;
};

TEST_F(AutoSave, FirstCaptureAsksForTheFolderLaterOnesDoNot) {
    tick("Auto save", true);
    const std::string folder = scratch.Path();

    long long before = localNow();
    pressCapture();
    typeAndConfirm(waitForDialog(), folder);
    std::vector<std::string> files = waitForFiles(folder, 1);
    ASSERT_EQ(files.size(), 1u) << "one capture, one file";
    expectCaptureFile(folder, files[0], before, localNow());

    const std::string first = files[0];
    before = localNow();
    pressCapture();
    files = waitForFiles(folder, 2);
    EXPECT_EQ(program_.findWindow("#32770", "Select Directory"), nullptr) << "asked again";
    ASSERT_EQ(files.size(), 2u);
    const std::string second = files[0] == first ? files[1] : files[0];
    expectCaptureFile(folder, second, before, localNow());
}

TEST_F(AutoSave, MissingFolderIsMadeWithItsParentsAfterNoThenYes) {
    const std::string folder = scratch / "new\\deeper\\shots";
    chooseMenu(main(), "File", "Select auto save folder");
    HWND dialog = waitForDialog();
    typeAndConfirm(dialog, folder);
    answerCreate(IDNO);
    EXPECT_TRUE(IsWindowVisible(dialog)) << "No closed the dialog";
    EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES) << "made after No";
    typeAndConfirm(dialog, folder);
    answerCreate(IDYES);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); })) << "Yes left the dialog open";
    // The folder is made once the dialog has closed, by the program's own
    // thread: this one may look a moment before that.
    EXPECT_TRUE(waitUntil([&] { return GetFileAttributesA(folder.c_str()) != INVALID_FILE_ATTRIBUTES; }))
        << "the folder was not made";

    tick("Auto save", true);
    const long long before = localNow();
    pressCapture();
    const std::vector<std::string> files = waitForFiles(folder, 1);
    ASSERT_EQ(files.size(), 1u);
    expectCaptureFile(folder, files[0], before, localNow());
}

TEST_F(AutoSave, VanishedFolderIsReportedAndThePictureStays) {
    const std::string folder = scratch / "vanishing";
    CreateDirectoryA(folder.c_str(), nullptr);
    selectFolder(folder);
    RemoveDirectoryA(folder.c_str());

    tick("Minimize First", false);
    tick("Auto save", true);
    pressCapture();
    HWND box = waitForError();
    ASSERT_NE(box, nullptr) << "no error box";
    const std::string text = messageBoxText(box);
    const std::string start = "Cannot create file " + folder + "\\";
    EXPECT_EQ(text.rfind(start, 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 4), "jpg.") << text;
    pressOk(box);

    // The preview shows the new picture: its top-left is the pattern's.
    HWND preview = findChild(main(), "TImage");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(waitUntil([&] {
        return ScreenPixels(clientRectOnScreen(preview)).at(1, 1) == PatternWindow::blockColour(0, 0);
    })) << "the preview lost the picture";

    // The folder is kept: made again, the next capture goes there unasked.
    CreateDirectoryA(folder.c_str(), nullptr);
    pressCapture();
    EXPECT_EQ(waitForFiles(folder, 1).size(), 1u);
}

TEST_F(AutoSave, EmptyFieldAnsweredYesIsReportedAndKeepsTheFolder) {
    const std::string folder = scratch.Path();
    selectFolder(folder);

    chooseMenu(main(), "File", "Select auto save folder");
    HWND dialog = waitForDialog();
    typeAndConfirm(dialog, "");
    answerCreate(IDYES);
    HWND box = waitForError();
    ASSERT_NE(box, nullptr) << "no error box";
    EXPECT_EQ(messageBoxText(box), "Unable to create directory.");
    pressOk(box);

    chooseMenu(main(), "File", "Auto save");
    EXPECT_EQ(waitForFiles(folder, 1).size(), 1u) << "the folder chosen before was lost";
}

TEST_F(AutoSave, OpenFolderHandsTheFolderToTheShell) {
    chooseMenu(main(), "File", "Open auto save folder");
    // With none chosen the shell gets the empty string and opens nothing;
    // the program reports nothing either.
    Sleep(500);
    EXPECT_TRUE(shell.opened().empty());
    EXPECT_EQ(program_.findWindow("#32770", "Pelmora"), nullptr);

    const std::string folder = scratch.Path();
    selectFolder(folder);
    chooseMenu(main(), "File", "Open auto save folder");
    EXPECT_TRUE(waitUntil([&] { return !shell.opened().empty(); })) << "the shell was not asked";
    EXPECT_EQ(shell.opened(), std::vector<std::string>{"\"" + folder + "\\\""});
}

}  // namespace
}  // namespace e2e
