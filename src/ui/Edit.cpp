#include "ui/EditControls.h"

void TEdit::CreateWindowIn(HWND parent, int id) {
    CreateControl("Edit", CommonStyle() | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, parent, id);
}
