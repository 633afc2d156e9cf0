#include "capture/Unit4.h"

#include "ui/FormTable.h"

TForm4* Form4 = nullptr;

namespace {

const FormDescription<TForm4>& Description() {
    static const FormDescription<TForm4> form = {
        {"TForm4", "Region capture", 219, 160, true, BorderStyle::Dialog, false, false, false,
         Color::Rgb(187, 188, 255), FontSpec{"MS Sans Serif", 8}, Placement::MainFormCenter},
        {},
        {},
    };
    return form;
}

}  // namespace

TForm4::TForm4() { Description().BuildInto(*this); }

// Until the fields are in place the region is the whole display.
CaptureRect TForm4::RegionRect() { return FullDisplayRect(); }
