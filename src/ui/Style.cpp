#include "ui/Style.h"

#include <map>

int SystemDpi() {
    static const int dpi = [] {
        WindowDc screen(nullptr);
        return GetDeviceCaps(screen.Get(), LOGPIXELSY);
    }();
    return dpi;
}

int ScaleToDpi(int pixels96) { return MulDiv(pixels96, SystemDpi(), 96); }

UniqueFont CreateFontFromSpec(const FontSpec& spec) {
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(spec.points, SystemDpi(), 72);
    lf.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = spec.underline;
    lf.lfCharSet = spec.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, spec.face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectA(&lf));
}

HBRUSH BrushFor(Color color) {
    if (color.systemIndex != Color::kNone) return GetSysColorBrush(color.systemIndex);
    static std::map<COLORREF, BrushHandle> brushes;
    auto& brush = brushes[color.rgb];
    if (!brush) brush.Reset(CreateSolidBrush(color.rgb));
    return brush.Get();
}
