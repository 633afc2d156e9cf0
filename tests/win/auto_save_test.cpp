// Auto-save in-process: the folder rules, names from a fixed clock, making
// folders with their parents, the select-directory dialog worked from a
// second thread as a person would, and the auto-save command's file.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "../common/ScratchFolder.h"
#include "app/Unit1.h"
#include "app/WindowSet.h"
#include "base/Error.h"
#include "output/AutoSave.h"
#include "ui/FolderPaths.h"
#include "support/ShellRecorder.h"
#include "viewer/Unit2.h"

namespace {

// ---- pure rules ----

TEST(FolderRules, TrailingBackslashIsAddedOnlyWhenMissing) {
    const struct { const char* in; const char* withSlash; const char* withoutSlash; } cases[] = {
        {"C:\\Shots", "C:\\Shots\\", "C:\\Shots"},
        {"C:\\Shots\\", "C:\\Shots\\", "C:\\Shots"},
        {"D:\\", "D:\\", "D:\\"},
        {"\\\\server\\share", "\\\\server\\share\\", "\\\\server\\share"},
        {"\\", "\\", "\\"},
        {"relative\\dir\\\\", "relative\\dir\\\\", "relative\\dir"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithTrailingBackslash(c.in), c.withSlash) << c.in;
        EXPECT_EQ(WithoutTrailingBackslash(c.in), c.withoutSlash) << c.in;
    }
}

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second, WORD ms) {
    SYSTEMTIME t{};
    t.wYear = year, t.wMonth = month, t.wDay = day, t.wHour = hour, t.wMinute = minute,
    t.wSecond = second, t.wMilliseconds = ms;
    return t;
}

TEST(AutoSaveName, ComesFromTheClockReading) {
    EXPECT_EQ(AutoSaveNameAt(At(2023, 12, 25, 14, 30, 5, 123)), "2H1UBGYEV7");
    EXPECT_EQ(AutoSaveNameAt(At(2000, 1, 1, 0, 0, 0, 0)), "3KVVJ84JK");
    EXPECT_EQ(AutoSaveNameAt(At(2123, 12, 25, 14, 30, 5, 123)), "2H1UBGYEV7");
}

// ---- files and folders ----

using scratch::FilesMatching;
using scratch::ScratchFolder;

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "(nothing raised)";
}

TEST(CreateFolderPath, MakesEveryMissingParentAndLeavesAnExistingFolder) {
    ScratchFolder scratch;
    const std::string nested = scratch / "a\\b\\c";
    CreateFolderPath(nested + "\\");
    EXPECT_TRUE(FolderExists(nested));
    CreateFolderPath(scratch / "a/b/d");
    EXPECT_TRUE(FolderExists(scratch / "a\\b\\d")) << "forward slashes separate folders too";
    EXPECT_NO_THROW(CreateFolderPath(nested));
}

TEST(CreateFolderPath, ReportsWhatCannotBeMade) {
    ScratchFolder scratch;
    const std::string file = scratch / "plain.txt";
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (const std::string& path : {std::string(), file, file + "\\below", std::string("Q:\\nodrive\\x")}) {
        EXPECT_EQ(MessageOf([&] { CreateFolderPath(path); }), "Unable to create directory")
            << "'" << path << "'";
    }
    EXPECT_FALSE(FolderExists(file + "\\below"));
}

// ---- the dialog, worked from another thread ----

struct DialogSearch {
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND w, LPARAM param) {
    auto* search = reinterpret_cast<DialogSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[32] = {}, text[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    if (pid == GetCurrentProcessId() && IsWindowVisible(w) && !lstrcmpA(cls, "#32770") &&
        !lstrcmpA(text, search->caption)) {
        search->found = w;
        return FALSE;
    }
    return TRUE;
}

// The shown dialog of this process with that caption, or null.
HWND DialogOfThisProcess(const char* caption) {
    DialogSearch search{caption, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(const char* caption) {
    for (int i = 0; i < 1000; ++i) {
        if (HWND w = DialogOfThisProcess(caption)) return w;
        Sleep(10);
    }
    return nullptr;
}

bool WaitUntilGone(HWND w) {
    for (int i = 0; i < 1000 && IsWindow(w) && IsWindowVisible(w); ++i) Sleep(10);
    return !IsWindow(w) || !IsWindowVisible(w);
}

std::string TextOf(HWND w) {
    char text[1024] = {};
    SendMessageA(w, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

HWND ChildOfClass(HWND parent, const char* className, int nth = 0) {
    HWND child = nullptr;
    for (int i = 0; i <= nth; ++i) {
        child = FindWindowExA(parent, child, className, nullptr);
        if (!child) return nullptr;
    }
    return child;
}

// A person at the dialog: each step waits for its window, then acts. What
// the steps saw is kept for the test thread to check.
class DialogUser {
public:
    using Step = std::function<bool(DialogUser&)>;

    explicit DialogUser(std::vector<Step> steps)
        : thread_([this, steps = std::move(steps)] {
              for (const Step& step : steps)
                  if (!step(*this)) {
                      failed_ = true;
                      // Close whatever is open so the test thread gets back.
                      if (HWND box = DialogOfThisProcess("Confirm")) PostMessageA(box, WM_COMMAND, IDNO, 0);
                      if (HWND d = DialogOfThisProcess("Select Directory")) PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
                      return;
                  }
          }) {}
    ~DialogUser() { Finish(); }
    void Finish() {
        if (thread_.joinable()) thread_.join();
    }
    bool Failed() { Finish(); return failed_; }

    std::vector<std::string> seen;  // texts the steps read

    static Step Type(std::string text) {
        return [text](DialogUser&) {
            HWND d = WaitForDialog("Select Directory");
            return d && SendMessageA(ChildOfClass(d, "Edit"), WM_SETTEXT, 0,
                                     reinterpret_cast<LPARAM>(text.c_str()));
        };
    }
    static Step ReadField() {
        return [](DialogUser& u) {
            HWND d = WaitForDialog("Select Directory");
            if (d) u.seen.push_back(TextOf(ChildOfClass(d, "Edit")));
            return d != nullptr;
        };
    }
    static Step Press(int button) {
        return [button](DialogUser&) {
            HWND d = WaitForDialog("Select Directory");
            return d && PostMessageA(d, WM_COMMAND, button, 0);
        };
    }
    // Picks an entry of the folder list ("[..]", "[sub]") as a click does.
    static Step Pick(std::string entry, bool open) {
        return [entry, open](DialogUser&) {
            HWND d = WaitForDialog("Select Directory");
            HWND list = d ? ChildOfClass(d, "ListBox") : nullptr;
            if (!list) return false;
            const LRESULT at = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(entry.c_str()));
            if (at == LB_ERR) return false;
            SendMessageA(list, LB_SETCURSEL, at, 0);
            const WORD code = open ? LBN_DBLCLK : LBN_SELCHANGE;
            SendMessageA(d, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), code),
                         reinterpret_cast<LPARAM>(list));
            return true;
        };
    }
    // Answers a message box with that caption, keeping its text.
    static Step Answer(const char* caption, int button) {
        return [caption, button](DialogUser& u) {
            HWND box = WaitForDialog(caption);
            if (!box) return false;
            u.seen.push_back(TextOf(GetDlgItem(box, 0xFFFF)));
            PostMessageA(box, WM_COMMAND, button, 0);
            return WaitUntilGone(box);
        };
    }
    static Step ExpectOpen() {
        return [](DialogUser&) { return DialogOfThisProcess("Select Directory") != nullptr; };
    }

private:
    std::atomic<bool> failed_{false};
    std::thread thread_;
};

const char kCreatePrompt[] = "The specified directory does not exist. Create it?";

class SelectFolder : public ::testing::Test {
protected:
    void SetUp() override { Form1->AutoSaveFolder.clear(); }
    // Tests move the process's folder into the scratch folder; it goes back
    // before that is removed.
    void TearDown() override { SetCurrentDirectoryA(startFolder_.c_str()); }
    // Runs the menu command while user works the dialog.
    void Select(std::vector<DialogUser::Step> steps) {
        DialogUser user(std::move(steps));
        Form1->Selectautosavefolder1Click();
        ASSERT_FALSE(user.Failed()) << "the dialog did not go as expected";
        seen_ = user.seen;
    }
    std::string SelectRaising(std::vector<DialogUser::Step> steps) {
        DialogUser user(std::move(steps));
        const std::string message = MessageOf([] { Form1->Selectautosavefolder1Click(); });
        EXPECT_FALSE(user.Failed()) << "the dialog did not go as expected";
        seen_ = user.seen;
        return message;
    }

    const std::string startFolder_ = CurrentFolder();
    WindowSet windows_;
    ScratchFolder scratch_;
    std::vector<std::string> seen_;
};

using D = DialogUser;

TEST_F(SelectFolder, EachOkStoresTheTypedFolderWithOneTrailingBackslash) {
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string drive = std::string(windows).substr(0, 3);  // "C:\"
    const struct { std::string typed, stored; } cases[] = {
        {scratch_.Path(), scratch_.Path() + "\\"},
        {scratch_.Path() + "\\", scratch_.Path() + "\\"},
        {drive, drive},
        {scratch_.Path() + "/", scratch_.Path() + "\\"},
    };
    for (const auto& c : cases) {
        Select({D::Type(c.typed), D::Press(IDOK)});
        EXPECT_EQ(Form1->AutoSaveFolder, c.stored) << "typed " << c.typed;
    }
}

TEST_F(SelectFolder, CancelKeepsTheFolderAndTheProcessFolder) {
    Form1->AutoSaveFolder = "C:\\Before\\";
    SetCurrentDirectoryA(scratch_.Path().c_str());
    CreateFolderPath(scratch_ / "sub");
    Select({D::ReadField(), D::Pick("[sub]", true), D::ReadField(), D::Type("C:\\Other"),
            D::Press(IDCANCEL)});
    EXPECT_EQ(Form1->AutoSaveFolder, "C:\\Before\\");
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_EQ(lstrcmpiA(seen_[0].c_str(), scratch_.Path().c_str()), 0)
        << "opens on the process's folder, shows " << seen_[0];
    EXPECT_EQ(lstrcmpiA(seen_[1].c_str(), (scratch_ / "sub").c_str()), 0)
        << "a double click opens the folder, shows " << seen_[1];
    EXPECT_EQ(lstrcmpiA(CurrentFolder().c_str(), scratch_.Path().c_str()), 0)
        << "the process's folder is back, not " << CurrentFolder();
}

TEST_F(SelectFolder, PickingInTheListFillsTheFieldWithoutTrailingBackslashExceptAtARoot) {
    CreateFolderPath(scratch_ / "sub");
    SetCurrentDirectoryA(scratch_.Path().c_str());
    Select({D::Pick("[sub]", false), D::ReadField(), D::Pick("[..]", false), D::ReadField(),
            D::Press(IDCANCEL)});
    const std::string parent = scratch_.Path().substr(0, scratch_.Path().rfind('\\'));
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_EQ(lstrcmpiA(seen_[0].c_str(), (scratch_ / "sub").c_str()), 0) << seen_[0];
    EXPECT_EQ(lstrcmpiA(seen_[1].c_str(), parent.c_str()), 0) << seen_[1];

    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, MAX_PATH);  // a folder right below a root
    const std::string root = std::string(windows).substr(0, 3);
    SetCurrentDirectoryA(windows);
    Select({D::Pick("[..]", false), D::ReadField(), D::Press(IDOK)});
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(lstrcmpiA(seen_[0].c_str(), root.c_str()), 0) << seen_[0];
    EXPECT_EQ(lstrcmpiA(Form1->AutoSaveFolder.c_str(), root.c_str()), 0)
        << "a root is stored with its one backslash: " << Form1->AutoSaveFolder;
}

TEST_F(SelectFolder, TypedRelativeFolderIsTakenFromTheFolderShown) {
    SetCurrentDirectoryA(scratch_.Path().c_str());
    Select({D::Type("rel"), D::Press(IDOK), D::Answer("Confirm", IDYES)});
    EXPECT_EQ(lstrcmpiA(Form1->AutoSaveFolder.c_str(), (scratch_ / "rel\\").c_str()), 0)
        << Form1->AutoSaveFolder;
    EXPECT_TRUE(FolderExists(scratch_ / "rel"));
}

TEST_F(SelectFolder, MissingFolderIsCreatedWithItsParentsOnlyAfterYes) {
    const std::string folder = scratch_ / "new\\deeper\\shots";
    Select({D::Type(folder), D::Press(IDOK), D::Answer("Confirm", IDNO), D::ExpectOpen(),
            D::Press(IDOK), D::Answer("Confirm", IDYES)});
    EXPECT_EQ(seen_, (std::vector<std::string>{kCreatePrompt, kCreatePrompt}));
    EXPECT_TRUE(FolderExists(folder));
    EXPECT_EQ(Form1->AutoSaveFolder, folder + "\\");
}

TEST_F(SelectFolder, FolderThatCannotBeMadeIsReportedAndChangesNothing) {
    Form1->AutoSaveFolder = "C:\\Before\\";
    const std::string file = scratch_ / "plain.txt";
    CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (const std::string& typed : {std::string(), file + "\\sub"}) {
        EXPECT_EQ(SelectRaising({D::Type(typed), D::Press(IDOK), D::Answer("Confirm", IDYES)}),
                  "Unable to create directory") << "'" << typed << "'";
        EXPECT_EQ(Form1->AutoSaveFolder, "C:\\Before\\");
    }
}

TEST_F(SelectFolder, HelpSaysWhatTheFolderIsFor) {
    Select({D::Press(IDHELP), D::Answer("Help", IDOK), D::ExpectOpen(),
            D::Press(IDCANCEL)});
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_NE(seen_[0].find("auto-saved pictures"), std::string::npos) << seen_[0];
}

// ---- the auto-save command ----

class AutoSaveCommand : public SelectFolder {
protected:
    void SetUp() override {
        SelectFolder::SetUp();
        Form2->Image1.Picture().Bitmap().SetSize(40, 30);
    }
    static ULONGLONG LocalNow() {
        SYSTEMTIME now;
        GetLocalTime(&now);
        FILETIME f;
        SystemTimeToFileTime(&now, &f);
        return (ULONGLONG(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 10000;  // ms
    }
    // The names the command may have made between two readings of the clock.
    static std::vector<std::string> NamesBetween(ULONGLONG from, ULONGLONG to) {
        std::vector<std::string> names;
        for (ULONGLONG ms = from; ms <= to; ++ms) {
            const ULONGLONG ticks = ms * 10000;
            FILETIME f{DWORD(ticks), DWORD(ticks >> 32)};
            SYSTEMTIME t;
            FileTimeToSystemTime(&f, &t);
            names.push_back(AutoSaveNameAt(t) + ".jpg");
        }
        return names;
    }
    static bool Contains(const std::vector<std::string>& names, const std::string& name) {
        for (const auto& n : names)
            if (n == name) return true;
        return false;
    }
};

TEST_F(AutoSaveCommand, WritesOneJpegNamedAfterTheClockIntoTheFolder) {
    Form1->AutoSaveFolder = scratch_.Path() + "\\";
    const ULONGLONG before = LocalNow();
    Form1->Autosave2Click();
    const ULONGLONG after = LocalNow();
    const auto files = scratch_.Files();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(Contains(NamesBetween(before, after), files[0])) << files[0];
    EXPECT_EQ(Form1->AutoSaveFolder, scratch_.Path() + "\\");
}

TEST_F(AutoSaveCommand, AsksForTheFolderFirstWhenNoneIsSet) {
    const std::string folder = scratch_ / "asked";
    {
        DialogUser user({D::Type(folder), D::Press(IDOK), D::Answer("Confirm", IDYES)});
        Form1->Autosave2Click();
        ASSERT_FALSE(user.Failed());
    }
    EXPECT_EQ(Form1->AutoSaveFolder, folder + "\\");
    const size_t first = FilesMatching(folder + "\\*.jpg").size();
    EXPECT_EQ(first, 1u);
    Sleep(2);  // a later millisecond: a new name
    // No one answers a dialog now: were one shown, the command would not end
    // until the test's time limit.
    Form1->Autosave2Click();
    EXPECT_EQ(FilesMatching(folder + "\\*.jpg").size(), 2u);
}

TEST_F(AutoSaveCommand, CancelWritesUnderTheBareNameInTheProcessFolder) {
    SetCurrentDirectoryA(scratch_.Path().c_str());
    for (int round = 0; round < 2; ++round) {
        DialogUser user({D::Press(IDCANCEL)});
        const ULONGLONG before = LocalNow();
        Form1->Autosave2Click();
        const ULONGLONG after = LocalNow();
        ASSERT_FALSE(user.Failed()) << "round " << round << " asked for no folder";
        EXPECT_EQ(Form1->AutoSaveFolder, "");
        bool found = false;
        for (const auto& name : scratch_.Files()) found |= Contains(NamesBetween(before, after), name);
        EXPECT_TRUE(found) << "round " << round;
    }
}

TEST_F(AutoSaveCommand, VanishedFolderIsReportedAndKept) {
    const std::string folder = scratch_ / "gone\\";
    Form1->AutoSaveFolder = folder;
    const std::string message = MessageOf([] { Form1->Autosave2Click(); });
    const std::string start = "Cannot create file " + folder;
    EXPECT_EQ(message.rfind(start, 0), 0u) << message;
    const std::string name = message.substr(std::min(start.size(), message.size()));
    EXPECT_TRUE(name.size() == 13 || name.size() == 14) << "a name of 9 or 10 characters and .jpg: " << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".jpg") << name;
    EXPECT_EQ(Form1->AutoSaveFolder, folder);
}

// ---- opening the folder in the shell ----

TEST_F(SelectFolder, OpenFolderAsksTheShellToOpenIt) {
    ShellRecorder shell;
    ASSERT_TRUE(shell.Active()) << "ShellExecuteA is not imported from shell32.dll";
    for (const std::string folder : {"", "C:\\Shots\\"}) {
        shell.Clear();
        Form1->AutoSaveFolder = folder;
        EXPECT_NO_THROW(Form1->Openautosavefolder1Click());
        EXPECT_EQ(shell.Last().count, 1);
        EXPECT_EQ(shell.Last().owner, nullptr);
        EXPECT_EQ(shell.Last().verb, "open");
        EXPECT_EQ(shell.Last().file, folder);
        EXPECT_FALSE(shell.Last().parameters);
        EXPECT_FALSE(shell.Last().folder);
        EXPECT_EQ(shell.Last().show, SW_SHOWNORMAL);
    }
}

}  // namespace
