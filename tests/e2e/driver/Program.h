#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "driver/Handle.h"

namespace e2e {

// The Windows form of a path: a Linux path such as /x/y becomes Z:\x\y,
// a path that already has a drive letter is kept.
std::string windowsPath(const std::string& path);

// One running Pelmora.exe (the file named by the environment variable
// PELMORA_EXE), started on construction and always ended on destruction.
class Program {
public:
    // Starts the program and waits until its main window is shown; throws
    // std::runtime_error when either fails.
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD processId() const { return processId_; }
    HWND mainWindow() const { return mainWindow_; }

    // A top-level window of this process with that class and caption, or null.
    HWND findWindow(const char* className, const char* caption) const;
    // Every visible top-level window of this process.
    std::vector<HWND> visibleWindows() const;

    bool hasExited() const;
    bool waitForExit(DWORD timeoutMs);
    // Asks the main window to close, then terminates what is still running.
    void end();

private:
    UniqueHandle process_;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};

}  // namespace e2e
