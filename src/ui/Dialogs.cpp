#include "ui/Dialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "resources/resource.h"
#include "ui/ExceptionBoundary.h"
#include "ui/Form.h"
#include "ui/PictureKinds.h"

namespace {

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The pane added by the dialog template IDD_PICTURE_PREVIEW: the size of the
// selected file's picture above the picture itself. Its hook is the child
// dialog's procedure.
class PreviewPane {
public:
    static UINT_PTR CALLBACK Hook(HWND pane, UINT message, WPARAM, LPARAM lParam) {
        if (message == WM_INITDIALOG)
            SetWindowLongPtrA(pane, DWLP_USER, reinterpret_cast<const OPENFILENAMEA*>(lParam)->lCustData);
        auto* self = reinterpret_cast<PreviewPane*>(GetWindowLongPtrA(pane, DWLP_USER));
        if (!self) return 0;
        return CallGuarded([&] { return self->Message(pane, message, lParam); }, UINT_PTR{0});
    }

private:
    UINT_PTR Message(HWND pane, UINT message, LPARAM lParam) {
        switch (message) {
            case WM_NOTIFY:
                if (reinterpret_cast<const NMHDR*>(lParam)->code == CDN_SELCHANGE) SelectionChanged(pane);
                return 0;
            case WM_DRAWITEM: {
                const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                if (item->CtlID != IDC_PREVIEW_PICTURE) return 0;
                Paint(item->hDC, item->rcItem);
                return 1;
            }
            default:
                return 0;
        }
    }

    void SelectionChanged(HWND pane) {
        std::vector<char> path(MAX_PATH * 4, '\0');
        SendMessageA(GetParent(pane), CDM_GETFILEPATH, path.size() - 1,
                     reinterpret_cast<LPARAM>(path.data()));
        // At start, and when a folder is selected, the path is a folder.
        picture_ = IsFile(path.data()) ? TryLoad(path.data()) : nullptr;
        const std::string size = picture_ ? std::to_string(picture_->Width()) + " x " +
                                                std::to_string(picture_->Height())
                                          : "(None)";
        SetDlgItemTextA(pane, IDC_PREVIEW_SIZE, size.c_str());
        InvalidateRect(GetDlgItem(pane, IDC_PREVIEW_PICTURE), nullptr, TRUE);
    }

    // A preview is only a look: a file that does not load shows nothing and
    // raises no message.
    static std::unique_ptr<TGraphic> TryLoad(const std::string& path) {
        try {
            std::unique_ptr<TGraphic> picture = LoadPictureFile(path);
            return picture->Empty() ? nullptr : std::move(picture);
        } catch (...) {
            return nullptr;
        }
    }

    void Paint(HDC dc, const RECT& area) const {
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        if (!picture_) return;
        const RECT inside = FitPictureInto(area, picture_->Width(), picture_->Height());
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
        picture_->Draw(dc, inside);
        RestoreDC(dc, saved);
    }

    std::unique_ptr<TGraphic> picture_;
};

}  // namespace

std::string DialogFilter(const std::string& pipeSeparated) {
    std::string filter = pipeSeparated;
    for (char& c : filter)
        if (c == '|') c = '\0';
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

RECT FitPictureInto(const RECT& box, int width, int height) {
    const int boxW = box.right - box.left, boxH = box.bottom - box.top;
    int w = width, h = height;
    if (w > boxW || h > boxH) {
        // The side that overflows most decides the scale.
        if (static_cast<long long>(w) * boxH > static_cast<long long>(h) * boxW) {
            h = std::max(1, MulDiv(h, boxW, w));
            w = boxW;
        } else {
            w = std::max(1, MulDiv(w, boxH, h));
            h = boxH;
        }
    }
    const int left = box.left + (boxW - w) / 2, top = box.top + (boxH - h) / 2;
    return {left, top, left + w, top + h};
}

TOpenPictureDialog::TOpenPictureDialog() : TPictureFileDialog(Purpose::Open, PictureFileFilter(), "") {}

bool TPictureFileDialog::Execute(const Form& owner) {
    std::vector<char> name(MAX_PATH * 4, '\0');
    fileName_.copy(name.data(), name.size() - 1);
    const std::string filter = DialogFilter(filter_);
    PreviewPane preview;
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    // With the owner hidden (Save as from the main window) the dialog still
    // needs an owner of ours that is on the screen.
    ofn.hwndOwner = owner.Visible() ? owner.Handle() : GetActiveWindow();
    ofn.hInstance = GetModuleHandleA(nullptr);
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrDefExt = defaultExt_.empty() ? nullptr : defaultExt_.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                OFN_ENABLEHOOK | OFN_ENABLETEMPLATE;
    ofn.lpfnHook = PreviewPane::Hook;
    ofn.lpTemplateName = MAKEINTRESOURCEA(IDD_PICTURE_PREVIEW);
    ofn.lCustData = reinterpret_cast<LPARAM>(&preview);
    const BOOL chosen = purpose_ == Purpose::Open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
    if (!chosen) return false;
    fileName_ = name.data();
    return true;
}
