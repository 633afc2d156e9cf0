#include "ui/SelectDirectory.h"

#include <windows.h>
#include <winnetwk.h>

#include <cstring>
#include <vector>

#include "ui/Application.h"
#include "ui/ExceptionBoundary.h"
#include "ui/FolderPaths.h"

namespace {

enum ControlId : WORD {
    kNameLabel = 100,
    kName,
    kFoldersLabel,
    kFolderPath,
    kFolders,
    kFilesLabel,
    kFiles,
    kDrivesLabel,
    kDrives,
    kNetwork,
};

const char kCaption[] = "Select Directory";
const char kCreatePrompt[] = "The specified directory does not exist. Create it?";
const char kHelpText[] =
    "Choose the folder that auto-saved pictures go into.\n\n"
    "Type its path under Directory Name, or pick it in the Directories list "
    "(a double click opens a folder; Drives changes the drive). A folder that "
    "does not exist yet is created when you confirm it.\n\n"
    "Each auto-save writes one JPEG file into this folder, named after the "
    "date and time of the capture.";

// A dialog template built in memory: the header, then one item per
// control, each aligned on a DWORD as the dialog manager expects.
class DialogTemplate {
public:
    DialogTemplate(const char* caption, short cx, short cy, const char* face, WORD points) {
        DLGTEMPLATE header{};
        header.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | DS_SETFOREGROUND | WS_POPUP |
                       WS_CAPTION | WS_SYSMENU;
        header.cx = cx;
        header.cy = cy;
        Append(&header, sizeof header);
        AppendWord(0);  // no menu
        AppendWord(0);  // the standard dialog class
        AppendText(caption);
        AppendWord(points);
        AppendText(face);
    }

    void Add(WORD atom, WORD id, const char* text, DWORD style, short x, short y, short cx,
             short cy) {
        Align();
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        Append(&item, sizeof item);
        AppendWord(0xFFFF);
        AppendWord(atom);
        AppendText(text);
        AppendWord(0);  // no creation data
        auto* header = reinterpret_cast<DLGTEMPLATE*>(words_.data());
        ++header->cdit;
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Append(const void* data, size_t bytes) {
        const size_t at = words_.size();
        words_.resize(at + (bytes + 1) / 2, 0);
        memcpy(words_.data() + at, data, bytes);
    }
    void AppendWord(WORD w) { words_.push_back(w); }
    void AppendText(const char* text) {
        const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        const size_t at = words_.size();
        words_.resize(at + length, 0);
        MultiByteToWideChar(CP_ACP, 0, text, -1, reinterpret_cast<wchar_t*>(words_.data() + at),
                            length);
    }
    void Align() {
        if (words_.size() % 2) words_.push_back(0);
    }

    std::vector<WORD> words_;  // DWORD alignment relies on the vector's own
};

constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kListBox = 0x0083,
               kComboBox = 0x0085;

DialogTemplate Layout() {
    DialogTemplate t(kCaption, 272, 192, "MS Shell Dlg", 8);
    const DWORD label = SS_LEFT;
    const DWORD list = LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS | WS_VSCROLL |
                       WS_BORDER | WS_TABSTOP;
    t.Add(kStatic, kNameLabel, "Directory &Name:", label, 6, 6, 120, 9);
    t.Add(kEdit, kName, "", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6, 16, 260, 12);
    t.Add(kStatic, kFoldersLabel, "&Directories:", label, 6, 34, 124, 9);
    t.Add(kStatic, kFolderPath, "", SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, 6, 44, 124, 9);
    t.Add(kListBox, kFolders, "", list, 6, 55, 124, 84);
    t.Add(kStatic, kFilesLabel, "&Files: (*.*)", label, 142, 34, 124, 9);
    t.Add(kListBox, kFiles, "", list, 142, 55, 124, 84);
    t.Add(kStatic, kDrivesLabel, "D&rives:", label, 6, 144, 124, 9);
    t.Add(kComboBox, kDrives, "", CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 6,
          154, 124, 100);
    t.Add(kButton, kNetwork, "Ne&twork...", BS_PUSHBUTTON | WS_TABSTOP, 142, 153, 60, 14);
    t.Add(kButton, IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 106, 172, 50, 14);
    t.Add(kButton, IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 161, 172, 50, 14);
    t.Add(kButton, IDHELP, "Help", BS_PUSHBUTTON | WS_TABSTOP, 216, 172, 50, 14);
    return t;
}

// The system offers a network-connection dialog when a network provider
// is installed: without one, mpr answers every request with "no network".
bool NetworkDialogAvailable() {
    HANDLE enumeration = nullptr;
    const DWORD result = WNetOpenEnumA(RESOURCE_CONNECTED, RESOURCETYPE_DISK, 0, nullptr,
                                       &enumeration);
    if (result == NO_ERROR) WNetCloseEnum(enumeration);
    return result != ERROR_NO_NETWORK && result != ERROR_NOT_SUPPORTED;
}

// Puts the process's current folder back when the dialog is done with it:
// listing a folder makes it current.
class CurrentFolderKept {
public:
    CurrentFolderKept() : folder_(CurrentFolder()) {}
    ~CurrentFolderKept() { SetCurrentDirectoryA(folder_.c_str()); }
    CurrentFolderKept(const CurrentFolderKept&) = delete;
    CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

private:
    std::string folder_;
};

std::string ItemText(HWND dialog, int id) {
    const HWND item = GetDlgItem(dialog, id);
    std::vector<char> text(GetWindowTextLengthA(item) + 1, '\0');
    GetWindowTextA(item, text.data(), static_cast<int>(text.size()));
    return text.data();
}

class SelectDirDialog {
public:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* self = reinterpret_cast<SelectDirDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
        if (!self) return FALSE;
        return CallGuarded([&] { return self->Message(dialog, message, wParam); }, INT_PTR{TRUE});
    }

    const std::string& Chosen() const { return chosen_; }

private:
    INT_PTR Message(HWND dialog, UINT message, WPARAM wParam) {
        switch (message) {
            case WM_INITDIALOG:
                if (!NetworkDialogAvailable()) ShowWindow(GetDlgItem(dialog, kNetwork), SW_HIDE);
                ListDrives(dialog);
                ShowFolder(dialog, CurrentFolder());
                return TRUE;
            case WM_COMMAND:
                return Command(dialog, LOWORD(wParam), HIWORD(wParam));
            default:
                return FALSE;
        }
    }

    INT_PTR Command(HWND dialog, WORD id, WORD code) {
        switch (id) {
            case IDOK: Confirm(dialog); return TRUE;
            case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
            case IDHELP:
                MessageBoxA(dialog, kHelpText, "Help", MB_OK | MB_ICONINFORMATION);
                return TRUE;
            case kNetwork:
                WNetConnectionDialog(dialog, RESOURCETYPE_DISK);
                ListDrives(dialog);
                return TRUE;
            case kFolders:
                if (code == LBN_SELCHANGE) PickFolder(dialog);
                if (code == LBN_DBLCLK) OpenPickedFolder(dialog);
                return TRUE;
            case kDrives:
                if (code == CBN_SELCHANGE) OpenPickedDrive(dialog);
                return TRUE;
            default:
                return FALSE;
        }
    }

    // The folder selected in the list, as a full path, or empty.
    static std::string SelectedFolder(HWND dialog) {
        char name[MAX_PATH] = {};
        if (!DlgDirSelectExA(dialog, name, MAX_PATH, kFolders)) return {};
        return WithoutTrailingBackslash(FullPath(name));
    }

    static void PickFolder(HWND dialog) {
        const std::string folder = SelectedFolder(dialog);
        if (!folder.empty()) SetDlgItemTextA(dialog, kName, folder.c_str());
    }

    void OpenPickedFolder(HWND dialog) {
        const std::string folder = SelectedFolder(dialog);
        if (!folder.empty()) ShowFolder(dialog, folder);
    }

    void OpenPickedDrive(HWND dialog) {
        char drive[MAX_PATH] = {};
        DlgDirSelectComboBoxExA(dialog, drive, MAX_PATH, kDrives);
        const std::string previous = CurrentFolder();
        // A drive that cannot be read (no medium) leaves the folder shown.
        if (!ShowFolder(dialog, drive)) ShowFolder(dialog, previous);
    }

    static void ListDrives(HWND dialog) {
        char spec[MAX_PATH] = "*.*";
        DlgDirListComboBoxA(dialog, spec, kDrives, 0, DDL_DRIVES | DDL_EXCLUSIVE);
    }

    // Lists the folder's subfolders and files and makes it the folder shown
    // (and, while the dialog is up, the process's current folder).
    static bool ShowFolder(HWND dialog, const std::string& folder) {
        std::vector<char> spec(folder.begin(), folder.end());
        spec.resize(folder.size() + MAX_PATH, '\0');
        if (!DlgDirListA(dialog, spec.data(), kFolders, kFolderPath,
                         DDL_DIRECTORY | DDL_EXCLUSIVE))
            return false;
        char files[MAX_PATH] = "*.*";
        DlgDirListA(dialog, files, kFiles, 0, DDL_READWRITE);
        const std::string shown = CurrentFolder();
        SetDlgItemTextA(dialog, kName, shown.c_str());
        // The drive list shows the drive of the folder: its entries read "[-c-]".
        const std::string entry = std::string("[-") + shown.substr(0, 1) + "-]";
        SendDlgItemMessageA(dialog, kDrives, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(entry.c_str()));
        return true;
    }

    void Confirm(HWND dialog) {
        const std::string folder = FullPath(ItemText(dialog, kName));
        if (!FolderExists(folder) &&
            MessageBoxA(dialog, kCreatePrompt, "Confirm", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        chosen_ = folder;
        EndDialog(dialog, IDOK);
    }

    std::string chosen_;
};

// The window the dialog belongs to: the active window of the program when
// it is on the screen; none while the program is minimised.
HWND DialogOwner() {
    HWND active = GetActiveWindow();
    Application& application = Application::Get();
    if (!active || application.Minimized() || !IsWindowVisible(active) ||
        !application.FormFromHandle(GetAncestor(active, GA_ROOT)))
        return nullptr;
    return active;
}

}  // namespace

bool SelectDirectory(std::string& directory) {
    static const DialogTemplate layout = Layout();
    SelectDirDialog dialog;
    INT_PTR result;
    {
        CurrentFolderKept kept;
        result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), layout.Get(), DialogOwner(),
                                         &SelectDirDialog::Procedure,
                                         reinterpret_cast<LPARAM>(&dialog));
    }
    if (result != IDOK) return false;
    CreateFolderPath(dialog.Chosen());
    directory = dialog.Chosen();
    return true;
}
