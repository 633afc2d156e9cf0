#include "capture/Unit4.h"

#include <cstdint>
#include <limits>

#include "base/Error.h"
#include "base/IntConvert.h"
#include "ui/FormTable.h"

TForm4* Form4 = nullptr;

namespace {

const FormDescription<TForm4>& Description() {
    using F = TForm4;
    static const FormDescription<F> form = {
        {"TForm4", "Region capture", 219, 160, true, BorderStyle::Dialog, false, false, false,
         Color::Rgb(187, 188, 255), FontSpec{"MS Sans Serif", 8}, Placement::MainFormCenter},
        {
            Row(&F::Label1, "Label1", 16, 24, 19, 13, "Left"),
            Row(&F::Label2, "Label2", 16, 72, 19, 13, "Top"),
            Row(&F::Label3, "Label3", 112, 24, 31, 13, "Height"),
            Row(&F::Label4, "Label4", 112, 72, 28, 13, "Width"),
            Row(&F::Edit1, "Edit1", 16, 40, 49, 21, "0").TabOrder(0),
            Row(&F::Edit2, "Edit2", 16, 88, 49, 21, "0").TabOrder(1),
            Row(&F::Edit3, "Edit3", 112, 40, 49, 21, "0").TabOrder(2),
            Row(&F::Edit4, "Edit4", 112, 88, 49, 21, "0").TabOrder(3),
            Row(&F::UpDown1, "UpDown1", 65, 40, 15, 21).Range(0, 100).Associate(&F::Edit1)
                .TabOrder(4),
            Row(&F::UpDown2, "UpDown2", 161, 40, 15, 21).Range(0, 1024).Associate(&F::Edit3)
                .TabOrder(5),
            Row(&F::UpDown3, "UpDown3", 65, 88, 15, 21).Range(0, 100).Associate(&F::Edit2)
                .TabOrder(6),
            Row(&F::UpDown4, "UpDown4", 161, 88, 15, 21).Range(0, 1280).Associate(&F::Edit4)
                .TabOrder(7),
        },
        {},
    };
    return form;
}

// One edge: an origin plus a length, which must stay inside 32 bits.
int32_t FarEdge(int32_t origin, int32_t length) {
    const int64_t edge = int64_t{origin} + length;
    if (edge > std::numeric_limits<int32_t>::max())
        throw Error("Region left plus width and top plus height must not exceed 2147483647");
    return static_cast<int32_t>(edge);
}

}  // namespace

TForm4::TForm4() { Description().BuildInto(*this); }

CaptureRect TForm4::RegionRect() {
    const int32_t width = StrToInt(Edit4.Text());
    const int32_t height = StrToInt(Edit3.Text());
    const int32_t top = StrToInt(Edit2.Text());
    const int32_t left = StrToInt(Edit1.Text());
    if (width < 0 || height < 0) throw Error(kNegativeSizeMessage);
    return {left, top, FarEdge(left, width), FarEdge(top, height)};
}
