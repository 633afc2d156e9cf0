#include "driver/FileDialogs.h"

#include "driver/Controls.h"
#include "driver/Program.h"
#include "driver/Wait.h"

namespace e2e {

namespace {

constexpr int kFileNameField = 0x47C;  // cmb13

struct Search {
    int id;
    const char* className;
    HWND found;
};

BOOL CALLBACK matchChild(HWND child, LPARAM data) {
    auto* s = reinterpret_cast<Search*>(data);
    if (GetDlgCtrlID(child) != s->id || windowClass(child) != s->className) return TRUE;
    s->found = child;
    return FALSE;
}

HWND childWithId(HWND parent, int id, const char* className) {
    Search search{id, className, nullptr};
    EnumChildWindows(parent, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND waitForFileDialog(const Program& program, DWORD timeoutMs) {
    HWND dialog = nullptr;
    waitUntil([&] {
        for (HWND w : program.visibleWindows())
            if (windowClass(w) == "#32770" && childWithId(w, kFileNameField, "ComboBoxEx32")) {
                dialog = w;
                return true;
            }
        return false;
    }, timeoutMs);
    return dialog;
}

void typeFileNameAndAccept(HWND dialog, const std::string& name) {
    HWND field = childWithId(dialog, kFileNameField, "ComboBoxEx32");
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    postClick(childWithId(dialog, IDOK, "Button"));
}

}  // namespace e2e
