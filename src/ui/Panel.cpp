#include "ui/Controls.h"
#include "ui/Form.h"

namespace {

UINT EdgeFor(Bevel outer, Bevel inner) {
    UINT edge = 0;
    if (outer == Bevel::Lowered) edge |= BDR_SUNKENOUTER;
    if (outer == Bevel::Raised) edge |= BDR_RAISEDOUTER;
    if (inner == Bevel::Lowered) edge |= BDR_SUNKENINNER;
    if (inner == Bevel::Raised) edge |= BDR_RAISEDINNER;
    return edge;
}

}  // namespace

void TPanel::CreateWindowIn(HWND parent, int id) {
    CreateOwnControl("TPanel", CommonStyle() | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent, id);
}

LRESULT TPanel::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteChildNotification(message, wParam, lParam, result)) return result;
    return Component::WindowMessage(message, wParam, lParam);
}

void TPanel::Paint(HDC dc, const RECT& client) const {
    RECT r = client;
    if (UINT edge = EdgeFor(Props().bevelOuter, Props().bevelInner)) DrawEdge(dc, &r, edge, BF_RECT);
}
