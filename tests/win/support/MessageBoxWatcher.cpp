#include "support/MessageBoxWatcher.h"

#include <utility>

#include "support/WinTestSupport.h"

namespace wintest {

namespace {

constexpr int kMessageTextId = 0xFFFF;

// A shown dialog-class window that belongs to this process.
HWND FindOwnBox() {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, "#32770", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(candidate, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(candidate)) return candidate;
    }
    return nullptr;
}

bool ShowsStopIcon(HWND box) {
    const HICON stop = LoadIcon(nullptr, IDI_HAND);
    HWND child = nullptr;
    while ((child = FindWindowExA(box, child, "Static", nullptr)) != nullptr) {
        if ((StyleOf(child) & SS_TYPEMASK) == SS_ICON &&
            reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)) == stop)
            return true;
    }
    return false;
}

int VisibleButtons(HWND box) {
    int count = 0;
    HWND child = nullptr;
    while ((child = FindWindowExA(box, child, "Button", nullptr)) != nullptr)
        if (IsWindowVisible(child)) ++count;
    return count;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher(std::function<void(size_t)> onBox)
    : onBox_(std::move(onBox)), thread_([this] { Run(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<SeenBox> MessageBoxWatcher::Boxes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return boxes_;
}

void MessageBoxWatcher::Run() {
    while (!stop_) {
        if (HWND box = FindOwnBox()) Answer(box);
        else Sleep(10);
    }
}

void MessageBoxWatcher::Answer(HWND box) {
    SeenBox seen;
    seen.text = TextOf(GetDlgItem(box, kMessageTextId));
    seen.caption = TextOf(box);
    seen.stopIcon = ShowsStopIcon(box);
    seen.buttons = VisibleButtons(box);
    size_t count = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        boxes_.push_back(seen);
        count = boxes_.size();
    }
    if (onBox_) onBox_(count);
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    // One box at a time: wait until this one is gone before looking again.
    for (int i = 0; i < 500 && IsWindow(box) && IsWindowVisible(box); ++i) Sleep(10);
}

CloseAfter::CloseAfter(HWND window, DWORD milliseconds)
    : disarm_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      thread_([this, window, milliseconds] {
          if (WaitForSingleObject(disarm_.Get(), milliseconds) == WAIT_TIMEOUT) {
              fired_ = true;
              PostMessageA(window, WM_CLOSE, 0, 0);
          }
      }) {}

CloseAfter::~CloseAfter() {
    SetEvent(disarm_.Get());
    thread_.join();
}

}  // namespace wintest
