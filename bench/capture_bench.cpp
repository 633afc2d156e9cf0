// Capture speed and memory of the real windows, in-process. Not a test: it
// prints figures.
//
//   capture_bench <width> <height> [runs]
//
// Refuses to run unless the screen is width x height (the caller sets Wine's
// desktop to that size). Then, in this order, so the memory figures see a
// process that has done nothing but start and show its windows:
//   memory   idle (windows created, main window shown and painted) against
//            after one press on Capture with the preview painted, and then
//            after that picture is also saved as JPEG
//   grab     GrabScreenRect(FullDisplayRect()) and freeing GrabBitmap
//   press    SpeedButton1Click through to the preview painted, with
//            "Minimize First" unticked and then ticked (its hide and restore
//            then count); "Region only" and "Auto save" stay unticked
// Each timing line: "name runs=N median_ms=M min_ms=M max_ms=M".
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "app/WindowSet.h"
#include "capture/ScreenGrab.h"
#include "viewer/Unit2.h"
#include "ui/Application.h"

namespace {

double NowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Lets the windows finish what a step left queued (repaints, the restore's
// activation) so it is not charged to the next run.
void Settle(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG msg;
    for (;;) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) Application::Get().ProcessMessage(msg);
        const DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

void PrintTimes(const char* name, const std::function<void()>& step, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        step();
        times.push_back(NowMs() - start);
        Settle(100);
    }
    std::sort(times.begin(), times.end());
    std::printf("%s runs=%d median_ms=%.1f min_ms=%.1f max_ms=%.1f\n", name, runs,
                times[times.size() / 2], times.front(), times.back());
    std::fflush(stdout);
}

struct Memory {
    double peakPagefile, peakWorkingSet, workingSet, privateUsage;  // bytes
    bool hasPrivateUsage;  // Wine fills only the short form of the counters
};

Memory ReadMemory() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(),
                              reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
        throw std::runtime_error("GetProcessMemoryInfo failed");
    return {double(counters.PeakPagefileUsage), double(counters.PeakWorkingSetSize),
            double(counters.WorkingSetSize), double(counters.PrivateUsage),
            counters.cb >= sizeof counters};
}

// Under Wine the peak working set is the Linux process's resident high-water
// mark, which start-up may already have pushed up. Writing "5" to the
// process's clear_refs brings the mark down to what is resident now, so the
// next peak is the capture's own. Elsewhere this simply fails.
bool ResetPeakWorkingSet() {
    HANDLE file = CreateFileA("Z:\\proc\\self\\clear_refs", GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, "5", 1, &written, nullptr) && written == 1;
    CloseHandle(file);
    return ok;
}

void PaintPreview() {
    UpdateWindow(Form1->Image1.Handle());
    GdiFlush();
}

void PressCapture() {
    Form1->SpeedButton1Click();
    PaintPreview();
}

void PrintMemory(int width, int height) {
    Settle(500);
    const bool reset = ResetPeakWorkingSet();
    const Memory idle = ReadMemory();
    PressCapture();
    Settle(200);
    const Memory after = ReadMemory();
    const double frame = 4.0 * width * height;
    const double mib = 1024.0 * 1024.0;
    std::printf("memory frame_mib=%.1f peak_reset=%s\n", frame / mib, reset ? "yes" : "no");
    auto line = [&](const char* name, double before, double now) {
        std::printf("memory %-16s idle_mib=%.1f after_mib=%.1f above_idle_mib=%.1f frames=%.2f\n",
                    name, before / mib, now / mib, (now - before) / mib, (now - before) / frame);
    };
    // The peaks are set against the idle working set: the peak of the
    // capture above what the idle program holds.
    line("PeakWorkingSet", idle.workingSet, after.peakWorkingSet);
    line("PeakPagefile", idle.peakPagefile, after.peakPagefile);
    if (after.hasPrivateUsage)
        line("PrivateUsage", idle.privateUsage, after.privateUsage);
    else
        std::printf("memory %-16s not given by this system\n", "PrivateUsage");
    line("WorkingSet", idle.workingSet, after.workingSet);

    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string file = std::string(folder) + "capture_bench.jpg";
    Form2->SaveJpeg(file);
    DeleteFileA(file.c_str());
    const Memory saved = ReadMemory();
    line("PeakWorkingSet+save", idle.workingSet, saved.peakWorkingSet);
    std::fflush(stdout);
}

void SetMinimizeFirst(bool ticked) {
    if (Form1->CheckBox1.Checked() != ticked) Form1->CheckBox1.Toggle();
}

int Run(int width, int height, int runs) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (screenWidth != width || screenHeight != height) {
        std::fprintf(stderr, "capture_bench: the screen is %dx%d, not %dx%d\n", screenWidth,
                     screenHeight, width, height);
        return 1;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WindowSet windows;
    Form1->Show();
    UpdateWindow(Form1->Handle());
    if (Form1->CheckBox2.Checked()) Form1->CheckBox2.Toggle();
    if (Form1->CheckBox3.Checked()) Form1->CheckBox3.Toggle();
    std::printf("screen %dx%d\n", screenWidth, screenHeight);

    SetMinimizeFirst(true);  // as the program starts
    PrintMemory(width, height);

    PrintTimes("grab", [] {
        GrabScreenRect(FullDisplayRect());
        GrabBitmap.reset();
    }, runs);
    SetMinimizeFirst(false);
    PrintTimes("press_unticked", PressCapture, runs);
    SetMinimizeFirst(true);
    PrintTimes("press_minimize", PressCapture, runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: capture_bench <width> <height> [runs]\n");
        return 2;
    }
    try {
        return Run(std::atoi(argv[1]), std::atoi(argv[2]),
                   argc > 3 ? std::max(1, std::atoi(argv[3])) : 15);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "capture_bench: %s\n", e.what());
        return 1;
    }
}
