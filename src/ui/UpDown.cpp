#include "ui/EditControls.h"

#include <commctrl.h>

void TUpDown::CreateWindowIn(HWND parent, int id) {
    // UDS_NOTHOUSANDS: the field must get digits the program's own integer
    // conversion reads back; "1,000" would fail the next capture.
    // No UDS_ALIGNRIGHT: it would move the control into the field and narrow
    // the field by its width.
    // The control keeps its place in the tab order (the z-order) but is no
    // tab stop: Tab goes from field to field, the arrow keys step the number.
    const DWORD style =
        (CommonStyle() & ~WS_TABSTOP) | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    CreateControl(UPDOWN_CLASSA, style, 0, parent, id);
    SendMessageA(Handle(), UDM_SETRANGE32, Props().minValue, Props().maxValue);
    if (Props().associate)
        SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(Props().associate->Handle()), 0);
    // The control may size itself as it is made (Wine widens it by a pixel):
    // put it back at its own bounds.
    const RECT r = Bounds();
    SetWindowPos(Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int TUpDown::Position() const {
    return static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, 0));
}
