#include "ui/Dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "ui/Form.h"

std::string DialogFilter(const std::string& pipeSeparated) {
    std::string filter = pipeSeparated;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

bool TSavePictureDialog::Execute(const Form& owner) {
    std::vector<char> name(MAX_PATH * 4, '\0');
    fileName_.copy(name.data(), name.size() - 1);
    const std::string filter = DialogFilter(filter_);
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    // With the owner hidden (Save as from the main window) the dialog still
    // needs an owner of ours that is on the screen.
    HWND ownerWindow = owner.Visible() ? owner.Handle() : GetActiveWindow();
    ofn.hwndOwner = ownerWindow;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrDefExt = defaultExt_.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&ofn)) return false;
    fileName_ = name.data();
    return true;
}
