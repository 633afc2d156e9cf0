#include "ui/Menu.h"

void TMenuItem::Setup(const char* name, const char* caption, UINT shortcut, bool enabled,
                      UINT id) {
    name_ = name;
    caption_ = caption;
    shortcut_ = shortcut;
    enabled_ = enabled;
    id_ = id;
}

void TMenuItem::Click() {
    if (OnClick) OnClick();
}

void TMenuItem::SetChecked(bool checked) {
    checked_ = checked;
    if (menu_) CheckMenuItem(menu_, id_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMenuItem::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (menu_) EnableMenuItem(menu_, id_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

std::string ShortcutText(UINT virtualKey) {
    if (virtualKey >= VK_F1 && virtualKey <= VK_F24)
        return "F" + std::to_string(virtualKey - VK_F1 + 1);
    char name[64] = {};
    const LONG scan = static_cast<LONG>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    GetKeyNameTextA(scan, name, sizeof name);
    return name;
}
