#include "ui/Controls.h"

#include <commctrl.h>

void TStatusBar::CreateWindowIn(HWND parent, int id) {
    // Placed where the description says, not docked by the control itself.
    CreateControl(STATUSCLASSNAMEA, CommonStyle() | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, parent, id);
    int edges[] = {ScaleToDpi(Props().panelWidth)};
    SendMessageA(Handle(), SB_SETPARTS, 1, reinterpret_cast<LPARAM>(edges));
}
