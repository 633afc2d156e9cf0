#include "viewer/Unit2.h"

#include "ui/FormTable.h"
#include "ui/PictureKinds.h"

TForm2* Form2 = nullptr;

namespace {

const FormDescription<TForm2>& Description() {
    using F = TForm2;
    static const FormDescription<F> form = {
        {"TForm2", "Screenshot", 800, 596, false, BorderStyle::Sizeable, true, true, false,
         clBtnFace, FontSpec{"MS Sans Serif", 8}, Placement::ScreenCenter},
        {
            Row(&F::ScrollBox1, "ScrollBox1", 0, 0, 0, 0).AlignClient(),
            Row(&F::Image1, "Image1", 0, 0, 0, 0).In(&F::ScrollBox1).AutoSize(),
        },
        {
            Menu(&F::File1, "File1", "File"),
            Entry(&F::File1, &F::Open1, "Open1", "Open").OnClick(&F::Open1Click),
            Entry(&F::File1, &F::Saveas1, "Saveas1", "Save as ...").Shortcut(VK_F2)
                .OnClick(&F::Saveas1Click),
            Entry(&F::File1, &F::N1, "N1", "-"),
            Entry(&F::File1, &F::Close1, "Close1", "Close").Shortcut(VK_F10).OnClick(&F::Close1Click),
        },
    };
    return form;
}

}  // namespace

TForm2::TForm2() {
    Description().BuildInto(*this);
    Image1.OnResize = [this] { ScrollBox1.ContentChanged(); };
}

void TForm2::Open1Click() {
    if (OpenPictureDialog1.Execute(*this)) OpenPictureFile(OpenPictureDialog1.FileName());
}

void TForm2::OpenPictureFile(const std::string& FileName) {
    // Loaded into a new graphic first: a file that fails leaves the current
    // picture as it was. The image takes the new size and the scroll box
    // follows through Image1.OnResize.
    Image1.Picture().SetGraphic(LoadPictureFile(FileName));
}

void TForm2::Saveas1Click() {
    if (SavePictureDialog1.Execute(*this)) SaveJpeg(SavePictureDialog1.FileName());
}

void TForm2::Close1Click() { Close(); }
