#include "ui/Metafile.h"

#include <cstring>

#include "base/Error.h"
#include "ui/PictureFile.h"

namespace {

constexpr int kHundredthsOfMmPerInch = 2540;
constexpr DWORD kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableHeaderBytes = 22;
constexpr size_t kMetaHeaderBytes = 18;
constexpr WORD kMetaSetWindowExt = 0x020C;

[[noreturn]] void NotValid() { throw Error("Metafile is not valid"); }

template <class T>
T Read(const std::vector<unsigned char>& bytes, size_t at) {
    T value{};
    if (at + sizeof value <= bytes.size()) std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

int ScreenDpi(int axis) {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), axis);
}

bool IsEnhanced(const std::vector<unsigned char>& bytes) {
    return bytes.size() >= 88 && Read<DWORD>(bytes, 0) == EMR_HEADER &&
           Read<DWORD>(bytes, offsetof(ENHMETAHEADER, dSignature)) == ENHMETA_SIGNATURE;
}

// A plain Windows metafile starts with its 9-word header.
bool IsWindowsMetafile(const std::vector<unsigned char>& bytes, size_t at) {
    const WORD type = Read<WORD>(bytes, at), headerWords = Read<WORD>(bytes, at + 2);
    return bytes.size() >= at + kMetaHeaderBytes && (type == 1 || type == 2) && headerWords == 9;
}

// The extent a plain metafile sets for its window, in its own units, or
// 0 x 0 when it sets none.
SIZE WindowExtent(const std::vector<unsigned char>& bytes) {
    size_t at = kMetaHeaderBytes;
    while (at + 6 <= bytes.size()) {
        const DWORD words = Read<DWORD>(bytes, at);
        const WORD function = Read<WORD>(bytes, at + 4);
        if (words < 3 || function == 0) break;  // broken, or META_EOF
        if (function == kMetaSetWindowExt) return {Read<SHORT>(bytes, at + 8), Read<SHORT>(bytes, at + 6)};
        at += static_cast<size_t>(words) * 2;
    }
    return {0, 0};
}

SIZE FrameInPixels(HENHMETAFILE metafile) {
    ENHMETAHEADER header{};
    if (!GetEnhMetaFileHeader(metafile, sizeof header, &header)) NotValid();
    const RECTL& frame = header.rclFrame;
    return {MulDiv(frame.right - frame.left, ScreenDpi(LOGPIXELSX), kHundredthsOfMmPerInch),
            MulDiv(frame.bottom - frame.top, ScreenDpi(LOGPIXELSY), kHundredthsOfMmPerInch)};
}

EnhMetafileHandle FromWindowsBits(const std::vector<unsigned char>& bytes, size_t at,
                                  const METAFILEPICT* picture) {
    WindowDc screen(nullptr);
    return EnhMetafileHandle(SetWinMetaFileBits(static_cast<UINT>(bytes.size() - at),
                                                bytes.data() + at, screen.Get(), picture));
}

}  // namespace

void TMetafile::LoadFromFile(const std::string& fileName) { LoadFromBytes(ReadPictureFile(fileName)); }

void TMetafile::LoadFromBytes(const std::vector<unsigned char>& bytes) {
    if (IsEnhanced(bytes)) {
        Take(EnhMetafileHandle(SetEnhMetaFileBits(static_cast<UINT>(bytes.size()), bytes.data())),
             kSizeOfFrame);
        return;
    }
    if (Read<DWORD>(bytes, 0) == kPlaceableKey) {
        // The Aldus header: bounding box in units of which "inch" make an inch.
        const int width = Read<SHORT>(bytes, 10) - Read<SHORT>(bytes, 6);
        const int height = Read<SHORT>(bytes, 12) - Read<SHORT>(bytes, 8);
        const int inch = Read<WORD>(bytes, 14);
        if (width <= 0 || height <= 0 || inch == 0 || !IsWindowsMetafile(bytes, kPlaceableHeaderBytes))
            NotValid();
        const METAFILEPICT picture{MM_ANISOTROPIC, MulDiv(width, kHundredthsOfMmPerInch, inch),
                                   MulDiv(height, kHundredthsOfMmPerInch, inch), nullptr};
        Take(FromWindowsBits(bytes, kPlaceableHeaderBytes, &picture),
             {MulDiv(width, ScreenDpi(LOGPIXELSX), inch), MulDiv(height, ScreenDpi(LOGPIXELSY), inch)});
        return;
    }
    if (!IsWindowsMetafile(bytes, 0)) NotValid();
    // A plain metafile has no size of its own: its window extent, taken as
    // screen pixels, stands for one; without that GDI chooses.
    const SIZE extent = WindowExtent(bytes);
    if (extent.cx > 0 && extent.cy > 0) {
        const METAFILEPICT picture{
            MM_ANISOTROPIC, MulDiv(extent.cx, kHundredthsOfMmPerInch, ScreenDpi(LOGPIXELSX)),
            MulDiv(extent.cy, kHundredthsOfMmPerInch, ScreenDpi(LOGPIXELSY)), nullptr};
        Take(FromWindowsBits(bytes, 0, &picture), extent);
        return;
    }
    Take(FromWindowsBits(bytes, 0, nullptr), kSizeOfFrame);
}

void TMetafile::Take(EnhMetafileHandle metafile, SIZE size) {
    if (!metafile) NotValid();
    if (size.cx == kSizeOfFrame.cx && size.cy == kSizeOfFrame.cy) size = FrameInPixels(metafile.Get());
    if (size.cx <= 0 || size.cy <= 0) NotValid();
    metafile_ = std::make_shared<EnhMetafileHandle>(std::move(metafile));
    width_ = size.cx;
    height_ = size.cy;
}

void TMetafile::Draw(HDC dc, const RECT& target) const {
    if (!Empty()) PlayEnhMetaFile(dc, Handle(), &target);
}
