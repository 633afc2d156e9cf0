#include "ui/Controls.h"

void TLabel::CreateWindowIn(HWND parent, int id) {
    // SS_NOTIFY makes the label answer the mouse (clicks, enter and leave);
    // without it the text is transparent to the mouse.
    DWORD style = CommonStyle() | SS_NOTIFY | (Props().wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
    CreateControl("Static", style & ~WS_TABSTOP, 0, parent, id);
}

void TLabel::Command(WORD code) {
    if (code == STN_CLICKED) FireClick();
}
