#include "ui/Controls.h"
#include "ui/Form.h"

void TCheckBox::CreateWindowIn(HWND parent, int id) {
    CreateControl("Button", CommonStyle() | BS_AUTOCHECKBOX, 0, parent, id);
    SetChecked(Props().checked);
}

void TCheckBox::Command(WORD code) {
    if (code == BN_CLICKED) FireClick();
}

bool TCheckBox::Checked() const {
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Toggle() {
    SetChecked(!Checked());
    FireClick();
}

void TButton::CreateWindowIn(HWND parent, int id) {
    CreateControl("Button", CommonStyle() | (Props().isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                  0, parent, id);
}

void TButton::Command(WORD code) {
    if (code != BN_CLICKED) return;
    FireClick();
    if (Props().modalResult != mrNone) OwnerForm().SetModalResult(Props().modalResult);
}
