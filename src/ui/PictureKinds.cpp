#include "ui/PictureKinds.h"

#include <windows.h>

#include "base/Error.h"
#include "ui/Icon.h"
#include "ui/JpegImage.h"
#include "ui/Metafile.h"

namespace {

template <class Kind>
std::unique_ptr<TGraphic> Make() {
    return std::make_unique<Kind>();
}

std::string Pattern(const PictureKind& kind) { return std::string("*.") + kind.extension; }

}  // namespace

const std::vector<PictureKind>& PictureKinds() {
    static const std::vector<PictureKind> kinds = {
        {"jpg", "JPEG Image File", Make<TJPEGImage>},
        {"jpeg", "JPEG Image File", Make<TJPEGImage>},
        {"bmp", "Bitmaps", Make<TBitmap>},
        {"ico", "Icons", Make<TIcon>},
        {"emf", "Enhanced Metafiles", Make<TMetafile>},
        {"wmf", "Metafiles", Make<TMetafile>},
    };
    return kinds;
}

const PictureKind* FindPictureKind(const std::string& extension) {
    for (const PictureKind& kind : PictureKinds())
        if (lstrcmpiA(kind.extension, extension.c_str()) == 0) return &kind;
    return nullptr;
}

std::string FileExtension(const std::string& fileName) {
    const size_t dot = fileName.find_last_of('.');
    const size_t folder = fileName.find_last_of("\\/:");
    if (dot == std::string::npos || (folder != std::string::npos && folder > dot)) return "";
    return fileName.substr(dot + 1);
}

std::string PictureFileFilter() {
    std::string all, each;
    for (const PictureKind& kind : PictureKinds()) {
        all += (all.empty() ? "" : ";") + Pattern(kind);
        each += std::string("|") + kind.description + " (" + Pattern(kind) + ")|" + Pattern(kind);
    }
    return "All (" + all + ")|" + all + each;
}

std::unique_ptr<TGraphic> LoadPictureFile(const std::string& fileName) {
    const std::string extension = FileExtension(fileName);
    const PictureKind* kind = FindPictureKind(extension);
    if (!kind) throw Error(Format("Unknown picture file extension (.%s)", extension));
    std::unique_ptr<TGraphic> graphic = kind->make();
    graphic->LoadFromFile(fileName);
    return graphic;
}
