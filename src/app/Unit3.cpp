#include "app/Unit3.h"

#include "app/Unit1.h"
#include "ui/FormTable.h"

TAboutBox* AboutBox = nullptr;

namespace {

const FormDescription<TAboutBox>& Description() {
    using F = TAboutBox;
    static const FormDescription<F> form = {
        {"TAboutBox", "About", 298, 213, true, BorderStyle::Dialog, false, false, false, clBtnFace,
         FontSpec{"MS Sans Serif", 8}, Placement::ScreenCenter},
        {
            Row(&F::Panel1, "Panel1", 8, 8, 281, 161).Bevels(Bevel::Lowered, Bevel::Raised)
                .Color(clWindow).TabOrder(0),
            Row(&F::ProgramIcon, "ProgramIcon", 8, 8, 65, 57).In(&F::Panel1).Stretch(),
            Row(&F::ProductName, "ProductName", 88, 16, 114, 19, "Tandrel").In(&F::Panel1)
                .Font({"MS Serif", 12, true, false, ANSI_CHARSET}),
            Row(&F::Version, "Version", 88, 40, 83, 13, "Version 1.00 beta").In(&F::Panel1),
            Row(&F::Comments, "Comments", 40, 136, 166, 16, kPublisherAddress).In(&F::Panel1)
                .Font({"MS Sans Serif", 10, true, true, DEFAULT_CHARSET, clNavy}).WordWrap(),
            Row(&F::OKButton, "OKButton", 111, 180, 75, 25, "OK").Default().ModalResult(mrOk)
                .TabOrder(1),
        },
        {},
    };
    return form;
}

}  // namespace

TAboutBox::TAboutBox() { Description().BuildInto(*this); }
