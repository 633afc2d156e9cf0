// Time from a press on "Capture" to the auto-saved JPEG file complete on
// disk, with "Auto save" ticked and the folder chosen beforehand. Not a
// test: it prints figures.
//
//   autosave_bench <folder> [runs]
//
// Starts the program named by PELMORA_EXE, types the folder into the
// select-directory dialog, then for each run presses Capture and polls the
// folder until a new file is there (the program writes it under a temporary
// name and renames it, so a file under its final name is complete). Prints
// one line: "WxH runs=N median_ms=M min_ms=M max_ms=M bytes=B".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../tests/common/ScratchFolder.h"
#include "driver/Controls.h"
#include "driver/MessageBoxes.h"
#include "driver/Pixels.h"
#include "driver/Program.h"
#include "driver/Wait.h"

namespace {

double nowMs() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

long long sizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int run(const std::string& folder, int runs) {
    using namespace e2e;
    CreateDirectoryA(folder.c_str(), nullptr);
    Program program;
    HWND main = program.mainWindow();
    HWND autoSave = findChild(main, "Button", "Auto save");
    if (!autoSave) throw std::runtime_error("no Auto save box");
    click(autoSave);

    chooseMenu(main, "File", "Select auto save folder");
    HWND dialog = waitForMessageBox(program, "Select Directory", kDefaultTimeoutMs);
    if (!dialog) throw std::runtime_error("no select-directory dialog");
    SendMessageA(findChild(dialog, "Edit"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    postClick(findChild(dialog, "Button", "OK"));
    if (!waitUntil([&] { return !IsWindow(dialog); })) throw std::runtime_error("dialog stayed open");

    HWND capture = findChild(main, "TSpeedButton", "Capture");
    std::vector<double> times;
    long long bytes = 0;
    for (int i = 0; i < runs; ++i) {
        const size_t before = scratch::FilesMatching(folder + "\\*.jpg").size();
        const double start = nowMs();
        postClick(capture);
        std::vector<std::string> files;
        for (;;) {
            files = scratch::FilesMatching(folder + "\\*.jpg");
            if (files.size() > before) break;
            if (nowMs() - start > 30000) throw std::runtime_error("no file after 30 s");
            Sleep(0);
        }
        times.push_back(nowMs() - start);
        bytes = sizeOf(folder + "\\" + files.back());
        // Let the program come back before the next press.
        waitUntil([&] { return IsWindowVisible(main) && !IsIconic(main); });
        Sleep(300);
    }
    std::sort(times.begin(), times.end());
    const RECT screen = screenRect();
    std::printf("%ldx%ld runs=%d median_ms=%.1f min_ms=%.1f max_ms=%.1f bytes=%lld\n", screen.right,
                screen.bottom, runs, times[times.size() / 2], times.front(), times.back(), bytes);
    program.end();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: autosave_bench <folder> [runs]\n");
        return 2;
    }
    try {
        return run(argv[1], argc > 2 ? std::max(1, std::atoi(argv[2])) : 10);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "autosave_bench: %s\n", e.what());
        return 1;
    }
}
