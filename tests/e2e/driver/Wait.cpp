#include "driver/Wait.h"

namespace e2e {

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        pumpMessages();
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        // Wakes at once for input to this thread, else after 10 ms.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace e2e
