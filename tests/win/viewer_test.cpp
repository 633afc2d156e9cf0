// The viewer's pictures: the registry of picture kinds and the open dialog's
// filter, each kind loading a smallFile file written here and drawing what it
// holds, bad files giving their kind's message without touching the current
// picture, saving a picture of another kind than bitmap, and the scroll bars
// following the picture.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include <jerror.h>

#include "../common/JpegTestImages.h"
#include "../common/ScratchFolder.h"
#include "base/Error.h"
#include "output/JpegEncoder.h"
#include "support/WindowSetFixture.h"
#include "support/WinTestSupport.h"
#include "ui/Dialogs.h"
#include "ui/Handles.h"
#include "ui/Icon.h"
#include "ui/JpegImage.h"
#include "ui/Metafile.h"
#include "ui/PictureKinds.h"
#include "viewer/Unit2.h"

using scratch::ScratchFolder;

namespace {

constexpr COLORREF kRed = RGB(200, 20, 30), kBlue = RGB(20, 40, 210), kWhite = RGB(255, 255, 255);
constexpr int kJpegTolerance = 12;

using Bytes = std::vector<unsigned char>;

std::string DataFile(const char* name) { return std::string("Z:") + TEST_DATA_DIR + "/" + name; }

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

template <class T>
void Append(Bytes& bytes, const T& value) {
    const auto* p = reinterpret_cast<const unsigned char*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof value);
}

// The picture every fixture but the icon shows: the left half red, the
// right half blue, in a drawing area of width x height units.
void DrawHalves(HDC dc, int width, int height) {
    const RECT left{0, 0, width / 2, height}, right{width / 2, 0, width, height};
    BrushHandle red(CreateSolidBrush(kRed)), blue(CreateSolidBrush(kBlue));
    FillRect(dc, &left, red.Get());
    FillRect(dc, &right, blue.Get());
}

// ---- fixture writers ----

// A 24-bit bottom-up .bmp of the halves, drawn by GDI into a DIB section.
Bytes BmpFile(int width, int height) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiBitmapHandle dib(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                         &bits, nullptr, 0));
    {
        MemoryDcHandle dc(CreateCompatibleDC(nullptr));
        SelectedObject selected(dc.Get(), dib.Get());
        DrawHalves(dc.Get(), width, height);
    }
    GdiFlush();
    const DWORD pixelBytes = static_cast<DWORD>((width * 3 + 3) / 4 * 4 * height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + pixelBytes;
    Bytes bytes;
    Append(bytes, file);
    Append(bytes, header);
    const auto* p = static_cast<const unsigned char*>(bits);
    bytes.insert(bytes.end(), p, p + pixelBytes);
    return bytes;
}

// The halves through the program's own JPEG encoder.
Bytes JpegFile(int width, int height) {
    std::vector<unsigned char> rgb;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = x < width / 2 ? kRed : kBlue;
            rgb.insert(rgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    return EncodeJpeg(rgb.data(), width, height, width * 3, PixelOrder::Rgb);
}

// A 32-bit .ico of one image: left half red, top right blue, bottom right
// transparent (alpha 0 and the mask bit set).
Bytes IcoFile(int width, int height) {
    const int maskStride = (width + 31) / 32 * 4;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height * 2;  // colour and mask
    header.biPlanes = 1;
    header.biBitCount = 32;
    Bytes image;
    Append(image, header);
    for (int row = height - 1; row >= 0; --row)  // bottom-up
        for (int x = 0; x < width; ++x) {
            const bool clear = x >= width / 2 && row >= height / 2;
            const COLORREF c = x < width / 2 ? kRed : kBlue;
            image.insert(image.end(), {GetBValue(c), GetGValue(c), GetRValue(c),
                                       static_cast<unsigned char>(clear ? 0 : 255)});
        }
    for (int row = height - 1; row >= 0; --row) {
        Bytes mask(maskStride, 0);
        for (int x = width / 2; x < width && row >= height / 2; ++x) mask[x / 8] |= 0x80 >> (x % 8);
        image.insert(image.end(), mask.begin(), mask.end());
    }
    Bytes bytes;
    for (WORD w : {0, 1, 1}) Append(bytes, w);  // reserved, type icon, one image
    bytes.insert(bytes.end(), {static_cast<unsigned char>(width), static_cast<unsigned char>(height), 0, 0});
    for (WORD w : {1, 32}) Append(bytes, w);  // planes, bits per pixel
    Append(bytes, static_cast<DWORD>(image.size()));
    Append(bytes, static_cast<DWORD>(6 + 16));
    bytes.insert(bytes.end(), image.begin(), image.end());
    return bytes;
}

// An enhanced metafile whose frame is width x height pixels at 96 dpi
// (sizes that are whole in 0.01 mm), with the halves drawn over the frame
// in the reference device's pixels.
Bytes EmfFile(int width, int height) {
    const RECT frame{0, 0, width * 2540 / 96, height * 2540 / 96};
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
    const int unitsW = MulDiv(frame.right, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, HORZSIZE) * 100);
    const int unitsH = MulDiv(frame.bottom, GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, VERTSIZE) * 100);
    DrawHalves(dc, unitsW, unitsH);
    EnhMetafileHandle metafile(CloseEnhMetaFile(dc));
    Bytes bytes(GetEnhMetaFileBits(metafile.Get(), 0, nullptr));
    GetEnhMetaFileBits(metafile.Get(), static_cast<UINT>(bytes.size()), bytes.data());
    return bytes;
}

// A plain Windows metafile whose window is width x height units.
Bytes WmfFile(int width, int height) {
    HDC dc = CreateMetaFileA(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, width, height, nullptr);
    DrawHalves(dc, width, height);
    HMETAFILE metafile = CloseMetaFile(dc);
    Bytes bytes(GetMetaFileBitsEx(metafile, 0, nullptr));
    GetMetaFileBitsEx(metafile, static_cast<UINT>(bytes.size()), bytes.data());
    DeleteMetaFile(metafile);
    return bytes;
}

// The same with the Aldus header in front: a box of width x height
// twentieths of a point (1440 to the inch).
Bytes PlaceableWmfFile(int width, int height) {
    Bytes bytes;
    Append(bytes, static_cast<DWORD>(0x9AC6CDD7));
    WORD header[] = {0, 0, 0, static_cast<WORD>(width), static_cast<WORD>(height), 1440, 0, 0, 0};
    WORD checksum = 0;
    checksum ^= 0xCDD7 ^ 0x9AC6;
    for (int i = 0; i < 6; ++i) checksum ^= header[i];
    header[8] = checksum;
    for (WORD w : header) Append(bytes, w);
    const Bytes body = WmfFile(40, 20);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

int ScreenDpi() {
    WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

COLORREF PixelOf(const TBitmap& bitmap, int x, int y) {
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.Get(), bitmap.Handle());
    return GetPixel(dc.Get(), x, y);
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

std::string ThrownBy(const std::function<void()>& run) {
    try {
        run();
    } catch (const Error& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

// ---- the registry ----

TEST(PictureKinds, FindsTheKindByExtensionWithoutRegardToCase) {
    const struct {
        const char* extension;
        const char* description;  // null: no kind
    } cases[] = {
        {"jpg", "JPEG Image File"}, {"JPG", "JPEG Image File"}, {"Jpeg", "JPEG Image File"},
        {"bmp", "Bitmaps"},         {"BMP", "Bitmaps"},         {"ico", "Icons"},
        {"emf", "Enhanced Metafiles"}, {"eMf", "Enhanced Metafiles"}, {"wmf", "Metafiles"},
        {"txt", nullptr},           {"", nullptr},              {"jp", nullptr},
        {"jpgx", nullptr},          {".jpg", nullptr},
    };
    for (const auto& c : cases) {
        const PictureKind* kind = FindPictureKind(c.extension);
        if (!c.description) {
            EXPECT_EQ(kind, nullptr) << c.extension;
            continue;
        }
        ASSERT_NE(kind, nullptr) << c.extension;
        EXPECT_STREQ(kind->description, c.description) << c.extension;
    }
}

TEST(PictureKinds, EachExtensionMakesItsKindOfGraphic) {
    const struct {
        const char* extension;
        const std::type_info& kind;
    } cases[] = {{"jpg", typeid(TJPEGImage)}, {"jpeg", typeid(TJPEGImage)}, {"bmp", typeid(TBitmap)},
                 {"ico", typeid(TIcon)},      {"emf", typeid(TMetafile)},   {"wmf", typeid(TMetafile)}};
    for (const auto& c : cases) {
        const std::unique_ptr<TGraphic> made = FindPictureKind(c.extension)->make();
        EXPECT_EQ(typeid(*made), c.kind) << c.extension;
    }
}

TEST(PictureKinds, OpenDialogFilterListsAllThenEachExtensionInOrder) {
    const std::string expected =
        "All (*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf"
        "|JPEG Image File (*.jpg)|*.jpg|JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp"
        "|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
    EXPECT_EQ(PictureFileFilter(), expected);
    EXPECT_EQ(TOpenPictureDialog().Filter(), expected);
}

TEST(PictureKinds, UnknownExtensionIsNamedWithoutAFullStopAdded) {
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"C:\\pictures\\notes.txt", "Unknown picture file extension (.txt)"},
        {"C:\\pictures\\archive.tar.GZ", "Unknown picture file extension (.GZ)"},
        {"C:\\pictures.bmp\\noextension", "Unknown picture file extension (.)"},
        {"trailingdot.", "Unknown picture file extension (.)"},
    };
    for (const auto& c : cases) {
        const std::string message = ThrownBy([&] { LoadPictureFile(c.file); });
        EXPECT_EQ(message, c.message) << c.file;
        EXPECT_EQ(MessageForDisplay(message), c.message) << "ends in ')': no full stop";
    }
}

TEST(PreviewPane, PicturesFitTheBoxWithTheirProportionsAndAreNeverEnlarged) {
    const RECT box{10, 20, 110, 70};  // 100 x 50
    const struct {
        int width, height;
        RECT expected;
    } cases[] = {
        {40, 20, {40, 35, 80, 55}},       // smallFile: own size, centred
        {400, 100, {10, 32, 110, 57}},    // wideFile: the width fills
        {100, 200, {47, 20, 72, 70}},     // tall: the height fills
        {200, 100, {10, 20, 110, 70}},    // same proportions: fills
        {5000, 1, {10, 44, 110, 45}},     // a line keeps one pixel
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitPictureInto(box, c.width, c.height), c.expected) << c.width << " x " << c.height;
}

// ---- each kind loads and draws ----

struct Sample {
    int x, y;
    COLORREF colour;
};

struct KindFixture {
    const char* file;
    std::function<Bytes()> write;  // empty: the file comes from the test data
    const std::type_info& kind;
    int width, height;
    std::vector<Sample> samples;  // in the graphic's own pixels
    int tolerance;
};

void PrintTo(const KindFixture& f, std::ostream* out) { *out << f.file; }

// Halves at width x height: a quarter in from each side, mid height.
std::vector<Sample> HalvesAt(int width, int height) {
    return {{width / 4, height / 2, kRed}, {width * 3 / 4, height / 2, kBlue},
            {1, 1, kRed}, {width - 2, height - 2, kBlue}};
}

std::vector<KindFixture> KindFixtures() {
    const int dpi = ScreenDpi();
    const int placeableW = MulDiv(1440, dpi, 1440), placeableH = MulDiv(720, dpi, 1440);
    return {
        {"halves.bmp", [] { return BmpFile(7, 5); }, typeid(TBitmap), 7, 5, HalvesAt(7, 5), 0},
        {"halves.jpg", [] { return JpegFile(32, 16); }, typeid(TJPEGImage), 32, 16, HalvesAt(32, 16),
         kJpegTolerance},
        {"halves.JPEG", [] { return JpegFile(16, 16); }, typeid(TJPEGImage), 16, 16, HalvesAt(16, 16),
         kJpegTolerance},
        {"icon.ico", [] { return IcoFile(24, 16); }, typeid(TIcon), 24, 16,
         {{2, 2, kRed}, {2, 14, kRed}, {20, 2, kBlue}, {20, 13, kWhite}}, 0},
        {"halves.emf", [] { return EmfFile(48, 24); }, typeid(TMetafile), MulDiv(48, dpi, 96),
         MulDiv(24, dpi, 96), HalvesAt(MulDiv(48, dpi, 96), MulDiv(24, dpi, 96)), 0},
        {"halves.wmf", [] { return WmfFile(40, 20); }, typeid(TMetafile), 40, 20, HalvesAt(40, 20), 0},
        {"placeable.WMF", [] { return PlaceableWmfFile(1440, 720); }, typeid(TMetafile), placeableW,
         placeableH, HalvesAt(placeableW, placeableH), 0},
    };
}

class EachKind : public ::testing::TestWithParam<KindFixture> {
protected:
    ScratchFolder folder_;
};

TEST_P(EachKind, LoadsItsFileAtItsSizeAndDrawsItsPixels) {
    const KindFixture& f = GetParam();
    const std::string path = folder_ / f.file;
    WriteFile(path, f.write());
    const std::unique_ptr<TGraphic> graphic = LoadPictureFile(path);
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(typeid(*graphic), f.kind);
    ASSERT_EQ(graphic->Width(), f.width);
    ASSERT_EQ(graphic->Height(), f.height);
    const TBitmap drawn = graphic->ToBitmap();
    ASSERT_EQ(drawn.Width(), f.width);
    for (const Sample& s : f.samples) {
        const COLORREF seen = PixelOf(drawn, s.x, s.y);
        EXPECT_TRUE(Near(seen, s.colour, f.tolerance))
            << f.file << " at " << s.x << "," << s.y << ": " << std::hex << seen << " for " << s.colour;
    }
    const std::unique_ptr<TGraphic> copy = graphic->Clone();
    EXPECT_EQ(PixelOf(copy->ToBitmap(), f.samples[0].x, f.samples[0].y),
              PixelOf(drawn, f.samples[0].x, f.samples[0].y))
        << "a copy draws the same";
}

INSTANTIATE_TEST_SUITE_P(Files, EachKind, ::testing::ValuesIn(KindFixtures()),
                         [](const ::testing::TestParamInfo<KindFixture>& info) {
                             std::string name = info.param.file;
                             for (char& c : name)
                                 if (c == '.') c = '_';
                             return name;
                         });

// A real picture's JPEG decodes to exactly what libjpeg's own decoder
// gives for it, every pixel.
TEST(JpegImage, DecodesTheFixtureAsLibjpegDoes) {
    TJPEGImage jpeg;
    jpeg.LoadFromFile(DataFile("jpeg_fixture.jpg"));
    const jpegtest::RgbImage expected =
        jpegtest::DecodeJpeg(jpegtest::ReadBytes(DataFile("jpeg_fixture.jpg")));
    ASSERT_EQ(jpeg.Width(), expected.width);
    ASSERT_EQ(jpeg.Height(), expected.height);
    const TBitmap drawn = jpeg.ToBitmap();
    int differ = 0;
    for (int y = 0; y < expected.height; ++y)
        for (int x = 0; x < expected.width; ++x) {
            const unsigned char* rgb = expected.At(x, y);
            if (PixelOf(drawn, x, y) != RGB(rgb[0], rgb[1], rgb[2])) ++differ;
        }
    EXPECT_EQ(differ, 0) << "pixels unlike libjpeg's decoding";
}

// ---- bad files and the current picture ----

class ViewerOpen : public WindowSetTest {
protected:
    TPicture& Current() { return Form2->Image1.Picture(); }
    ScratchFolder folder_;
};

TEST_F(ViewerOpen, BadFilesGiveTheirKindsMessageAndLeaveTheCurrentPictureAlone) {
    const Bytes junk = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e', '\n',
                        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    Bytes truncatedEmf = EmfFile(48, 24);
    truncatedEmf.resize(40);
    Bytes brokenIco = IcoFile(16, 16);
    brokenIco.resize(30);
    const struct {
        const char* file;
        const Bytes* content;  // null: the file does not exist
        std::string message;
    } cases[] = {
        {"junk.bmp", &junk, "Bitmap image is not valid"},
        {"junk.ico", &junk, "Icon image is not valid"},
        {"short.ico", &brokenIco, "Icon image is not valid"},
        {"junk.emf", &junk, "Metafile is not valid"},
        {"short.emf", &truncatedEmf, "Metafile is not valid"},
        {"junk.wmf", &junk, "Metafile is not valid"},
        {"junk.jpg", &junk, Format("JPEG error #%d", JERR_NO_SOI)},
        {"empty.jpeg", nullptr, ""},  // written empty below
        {"missing.bmp", nullptr, ""},
        {"missing.jpg", nullptr, ""},
    };
    const std::string good = folder_ / "good.bmp";
    WriteFile(good, BmpFile(30, 20));
    Form2->OpenPictureFile(good);
    const TGraphic* before = Current().Graphic();
    ASSERT_NE(before, nullptr);

    for (const auto& c : cases) {
        const std::string path = folder_ / c.file;
        std::string message = c.message;
        if (c.content) WriteFile(path, *c.content);
        if (std::string(c.file) == "empty.jpeg") {
            WriteFile(path, {});
            message = Format("JPEG error #%d", JERR_INPUT_EMPTY);
        } else if (!c.content) {
            message = "Cannot open file " + path;
        }
        EXPECT_EQ(ThrownBy([&] { Form2->OpenPictureFile(path); }), message) << c.file;
        EXPECT_EQ(Current().Graphic(), before) << c.file << " changed the current picture";
        EXPECT_EQ(Current().Width(), 30);
    }
}

TEST_F(ViewerOpen, AnOpenedPictureReplacesTheCurrentOneAndTheScrollBarsFollow) {
    HWND box = Form2->ScrollBox1.Handle();
    auto bars = [&] { return wintest::StyleOf(box) & (WS_HSCROLL | WS_VSCROLL); };
    Form2->Show();

    // A full-display capture as the capture command hands it over.
    TBitmap screen;
    screen.SetSize(1280, 1024);
    Current().Assign(screen);
    wintest::PumpPendingMessages();
    EXPECT_EQ(wintest::RectInParent(Form2->Image1.Handle()), (RECT{0, 0, 1280, 1024}));
    EXPECT_EQ(bars(), DWORD(WS_HSCROLL | WS_VSCROLL)) << "1280 x 1024 in the 800 x 596 viewer";

    const std::string smallFile = folder_ / "small.bmp";
    WriteFile(smallFile, BmpFile(120, 80));
    Form2->OpenPictureFile(smallFile);
    wintest::PumpPendingMessages();
    EXPECT_EQ(wintest::RectInParent(Form2->Image1.Handle()), (RECT{0, 0, 120, 80}));
    EXPECT_EQ(bars(), 0u) << "no bars for a picture that fits";
    EXPECT_EQ(wintest::ClientPixel(Form2->Image1.Handle(), 10, 40), kRed);
    EXPECT_EQ(wintest::ClientPixel(Form2->Image1.Handle(), 110, 40), kBlue);

    const std::string wideFile = folder_ / "wide.emf";
    WriteFile(wideFile, EmfFile(960, 48));
    Form2->OpenPictureFile(wideFile);
    wintest::PumpPendingMessages();
    EXPECT_EQ(bars(), DWORD(WS_HSCROLL)) << "only the horizontal bar for a wideFile picture";
    Form2->Hide();
}

// Saving writes what is shown, as a JPEG, and the shown picture keeps its kind.
TEST_F(ViewerOpen, SavingAnIconOrMetafileWritesTheShownPictureAndKeepsItsKind) {
    const struct {
        const char* file;
        Bytes content;
        const std::type_info& kind;
    } cases[] = {{"icon.ico", IcoFile(24, 16), typeid(TIcon)},
                 {"halves.emf", EmfFile(48, 24), typeid(TMetafile)},
                 {"halves.wmf", WmfFile(40, 20), typeid(TMetafile)}};
    for (const auto& c : cases) {
        const std::string path = folder_ / c.file, saved = folder_ / (std::string(c.file) + ".jpg");
        WriteFile(path, c.content);
        Form2->OpenPictureFile(path);
        const TBitmap shown = Current().AsBitmap();
        Form2->SaveJpeg(saved);

        const jpegtest::RgbImage written = jpegtest::DecodeJpeg(jpegtest::ReadBytes(saved));
        ASSERT_EQ(written.width, shown.Width()) << c.file;
        ASSERT_EQ(written.height, shown.Height()) << c.file;
        for (int y = 1; y < written.height; y += 4)
            for (int x = 1; x < written.width; x += 4) {
                const unsigned char* rgb = written.At(x, y);
                const COLORREF expected = PixelOf(shown, x, y);
                EXPECT_TRUE(Near(RGB(rgb[0], rgb[1], rgb[2]), expected, 3 * kJpegTolerance))
                    << c.file << " at " << x << "," << y;
            }
        ASSERT_NE(Current().Graphic(), nullptr);
        EXPECT_EQ(typeid(*Current().Graphic()), c.kind) << "saving changed the shown picture's kind";
    }
}

}  // namespace
