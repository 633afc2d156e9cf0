#include "driver/Program.h"

#include <cstdlib>
#include <stdexcept>

#include "driver/Wait.h"

namespace e2e {

namespace {

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kCloseTimeoutMs = 5000;

std::string programPath() {
    const char* exe = std::getenv("PELMORA_EXE");
    if (exe == nullptr || *exe == '\0')
        throw std::runtime_error("PELMORA_EXE is not set: it must name Pelmora.exe");
    return windowsPath(exe);
}

struct WindowSearch {
    DWORD processId;
    const char* className;
    const char* caption;
    bool visibleOnly;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->processId) return TRUE;
    if (search->visibleOnly && !IsWindowVisible(hwnd)) return TRUE;
    char buffer[256];
    if (search->className != nullptr &&
        (!GetClassNameA(hwnd, buffer, sizeof buffer) || lstrcmpA(buffer, search->className) != 0))
        return TRUE;
    if (search->caption != nullptr &&
        (GetWindowTextA(hwnd, buffer, sizeof buffer) < 0 || lstrcmpA(buffer, search->caption) != 0))
        return TRUE;
    search->found.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> topLevelWindows(DWORD pid, const char* className, const char* caption, bool visibleOnly) {
    WindowSearch search{pid, className, caption, visibleOnly, {}};
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

std::string windowsPath(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path;
    std::string result = "Z:";
    for (char c : path) result += c == '/' ? '\\' : c;
    return result;
}

Program::Program() {
    std::string commandLine = "\"" + programPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        throw std::runtime_error("cannot start " + commandLine + ": error " +
                                 std::to_string(GetLastError()));
    process_ = UniqueHandle(info.hProcess);
    CloseHandle(info.hThread);
    processId_ = info.dwProcessId;

    const bool shown = waitUntil([this] {
        HWND main = findWindow("TForm1", "Pelmora");
        if (main != nullptr && IsWindowVisible(main)) mainWindow_ = main;
        return mainWindow_ != nullptr || hasExited();
    }, kStartTimeoutMs);
    if (mainWindow_ == nullptr) {
        const std::string why = shown ? "the program ended" : "no window appeared";
        end();
        throw std::runtime_error("the main window \"Pelmora\" (TForm1) was not shown: " + why);
    }
}

Program::~Program() { end(); }

HWND Program::findWindow(const char* className, const char* caption) const {
    auto found = topLevelWindows(processId_, className, caption, false);
    return found.empty() ? nullptr : found.front();
}

std::vector<HWND> Program::visibleWindows() const {
    return topLevelWindows(processId_, nullptr, nullptr, true);
}

bool Program::hasExited() const {
    return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
}

bool Program::waitForExit(DWORD timeoutMs) {
    return waitUntil([this] { return hasExited(); }, timeoutMs);
}

void Program::end() {
    if (!process_) return;
    if (!hasExited()) {
        if (mainWindow_ != nullptr && IsWindow(mainWindow_))
            PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
        if (!waitForExit(kCloseTimeoutMs)) {
            TerminateProcess(process_.get(), 1);
            WaitForSingleObject(process_.get(), kCloseTimeoutMs);
        }
    }
    process_.reset();
}

}  // namespace e2e
