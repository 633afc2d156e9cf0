#pragma once
// Answers the message boxes of this process from a helper thread, as a user
// would: each box is read (text, caption, icon, buttons) and its OK pressed.
// A handler's error box is modal, so the test's own thread is blocked inside
// it until the watcher closes it.
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ui/Handles.h"

namespace wintest {

struct SeenBox {
    std::string text;
    std::string caption;
    bool stopIcon = false;
    int buttons = 0;
};

class MessageBoxWatcher {
public:
    // onBox, if given, runs on the watcher's thread after each box is read,
    // with the number of boxes seen so far (a test can end a runaway series).
    explicit MessageBoxWatcher(std::function<void(size_t)> onBox = nullptr);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // The boxes seen and closed so far, oldest first.
    std::vector<SeenBox> Boxes() const;

private:
    void Run();
    void Answer(HWND box);

    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<SeenBox> boxes_;
    std::function<void(size_t)> onBox_;
    std::thread thread_;
};

// Posts WM_CLOSE to a window unless disarmed (destroyed) in time, so that a
// modal loop that fails to end makes its test fail instead of hang.
class CloseAfter {
public:
    CloseAfter(HWND window, DWORD milliseconds);
    ~CloseAfter();
    CloseAfter(const CloseAfter&) = delete;
    CloseAfter& operator=(const CloseAfter&) = delete;
    bool Fired() const { return fired_; }

private:
    KernelHandle disarm_;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};

}  // namespace wintest
