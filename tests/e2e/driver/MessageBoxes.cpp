#include "driver/MessageBoxes.h"

#include "driver/Controls.h"
#include "driver/Program.h"
#include "driver/Wait.h"

namespace e2e {

HWND waitForMessageBox(const Program& program, const char* caption, DWORD timeoutMs) {
    HWND box = nullptr;
    waitUntil([&] {
        box = program.findWindow("#32770", caption);
        return box != nullptr && IsWindowVisible(box);
    }, timeoutMs);
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

std::string messageBoxText(HWND box) { return windowText(GetDlgItem(box, 0xFFFF)); }

void pressOk(HWND box) {
    HWND button = GetDlgItem(box, IDOK);
    if (button == nullptr) button = GetDlgItem(box, IDCANCEL);
    if (button != nullptr) postClick(button);
}

}  // namespace e2e
