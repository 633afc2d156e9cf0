// The JPEG output on Windows: GDI bitmaps to JPEG bytes, and writing files
// so that a failure never leaves a partial file behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "../common/JpegTestImages.h"
#include "base/Error.h"
#include "output/BitmapJpeg.h"
#include "output/FileReplace.h"
#include "output/JpegEncoder.h"
#include "ui/Handles.h"

using jpegtest::DecodeJpeg;
using jpegtest::Near;
using jpegtest::RgbImage;

namespace {

// The test data folder seen from Wine: its drive Z: is the host's root.
std::string DataFile(const char* name) {
    return std::string("Z:") + TEST_DATA_DIR + "/" + name;
}

// ---- bitmaps ----

const COLORREF quarterColours[4] = {RGB(0, 0, 128), RGB(255, 0, 128), RGB(0, 255, 128), RGB(255, 255, 0)};

// Paints the four quarters (top-left, top-right, bottom-left, bottom-right)
// of a bitmap through a memory DC, deselecting it again afterwards.
void PaintQuarters(HBITMAP bitmap, int width, int height) {
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.Get(), bitmap);
    for (int i = 0; i < 4; ++i) {
        const RECT r{i % 2 ? width / 2 : 0, i / 2 ? height / 2 : 0, i % 2 ? width : width / 2,
                     i / 2 ? height : height / 2};
        BrushHandle brush(CreateSolidBrush(quarterColours[i]));
        FillRect(dc.Get(), &r, brush.Get());
    }
}

GdiBitmapHandle ScreenCompatibleBitmap(int width, int height) {
    WindowDc screen(nullptr);
    return GdiBitmapHandle(CreateCompatibleBitmap(screen.Get(), width, height));
}

// A DIB section of the given depth; a positive height is bottom-up.
GdiBitmapHandle DibSection(int width, int height, int bits, void** pixels = nullptr) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits_ = nullptr;
    GdiBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, pixels ? pixels : &bits_, nullptr, 0));
    return bitmap;
}

// ---- files ----

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

const std::vector<unsigned char> newBytes = {'n', 'e', 'w', 0, 0xFF, 'd', 'a', 't', 'a'};
const std::string newContent(newBytes.begin(), newBytes.end());

// A fresh, empty folder under the Windows temporary folder for each test,
// removed again with whatever is in it.
class FileReplaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "pelmora_replace_" + std::to_string(GetCurrentProcessId()) + "\\";
        RemoveFolder(folder_);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
    }
    void TearDown() override { RemoveFolder(folder_); }

    std::string In(const std::string& name) const { return folder_ + name; }

    // The names in the folder: after any call, exactly what the test made
    // plus the target, never a leftover temporary file.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder_ + "*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const std::string name = found.cFileName;
            if (name != "." && name != "..") names.insert(name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    void ExpectCannotCreate(const std::string& path) {
        try {
            WriteFileReplacing(path, newBytes);
            ADD_FAILURE() << "no error writing " << path;
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), "Cannot create file " + path);
        }
    }

private:
    static void RemoveFolder(const std::string& folder) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string path = folder + found.cFileName;
                if (std::string(found.cFileName) == "." || std::string(found.cFileName) == "..") continue;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA(path.c_str());
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string folder_;
};

}  // namespace

// ---- EncodeBitmapAsJpeg ----

TEST(EncodeBitmapAsJpeg, GivesBackTheColoursWhereTheyWerePainted) {
    struct Kind {
        const char* name;
        GdiBitmapHandle (*make)(int, int);
    } const kinds[] = {
        {"screen-compatible", ScreenCompatibleBitmap},
        {"32-bit DIB bottom-up", [](int w, int h) { return DibSection(w, h, 32); }},
        {"32-bit DIB top-down", [](int w, int h) { return DibSection(w, -h, 32); }},
        {"24-bit DIB with padded rows", [](int w, int h) { return DibSection(w, h, 24); }},
    };
    for (const Kind& kind : kinds) {
        for (const auto& [w, h] : {std::pair{33, 18}, std::pair{64, 32}}) {
            GdiBitmapHandle bitmap = kind.make(w, h);
            ASSERT_TRUE(bitmap) << kind.name;
            PaintQuarters(bitmap.Get(), w, h);
            const RgbImage decoded = DecodeJpeg(EncodeBitmapAsJpeg(bitmap.Get()));
            ASSERT_EQ(decoded.width, w) << kind.name;
            ASSERT_EQ(decoded.height, h) << kind.name;
            const POINT probes[4] = {{3, 3}, {w - 4, 3}, {3, h - 4}, {w - 4, h - 4}};
            for (int i = 0; i < 4; ++i) {
                const COLORREF c = quarterColours[i];
                EXPECT_TRUE(Near(decoded.At(probes[i].x, probes[i].y), GetRValue(c), GetGValue(c), GetBValue(c), 6))
                    << kind.name << ' ' << w << 'x' << h << " quarter " << i;
            }
        }
    }
}

TEST(EncodeBitmapAsJpeg, OnePixelBitmapGivesAOnePixelJpeg) {
    GdiBitmapHandle bitmap = ScreenCompatibleBitmap(1, 1);
    {
        MemoryDcHandle dc(CreateCompatibleDC(nullptr));
        SelectedObject selected(dc.Get(), bitmap.Get());
        SetPixel(dc.Get(), 0, 0, RGB(187, 188, 255));
    }
    const RgbImage decoded = DecodeJpeg(EncodeBitmapAsJpeg(bitmap.Get()));
    ASSERT_EQ(decoded.width, 1);
    ASSERT_EQ(decoded.height, 1);
    EXPECT_TRUE(Near(decoded.At(0, 0), 187, 188, 255, 4));
}

TEST(EncodeBitmapAsJpeg, NoBitmapGivesNoBytes) {
    EXPECT_TRUE(EncodeBitmapAsJpeg(nullptr).empty());
}

// The product's encoder, cross-built with libjpeg-turbo's SIMD code, makes
// the same bytes as the distribution's cjpeg did for the reference file
// (see tests/data/make_jpeg_fixture.py): straight from the pixels, and from
// a bitmap holding them.
TEST(EncodeBitmapAsJpeg, MatchesTheReferenceEncoderByteForByte) {
    const RgbImage fixture = jpegtest::ReadPpm(DataFile("jpeg_fixture.ppm"));
    const std::vector<unsigned char> reference = jpegtest::ReadBytes(DataFile("jpeg_fixture.jpg"));
    const int w = fixture.width, h = fixture.height;
    EXPECT_TRUE(EncodeJpeg(fixture.rgb.data(), w, h, w * 3, PixelOrder::Rgb) == reference);

    void* bits = nullptr;
    GdiBitmapHandle bitmap = DibSection(w, -h, 32, &bits);
    ASSERT_TRUE(bitmap);
    auto* pixel = static_cast<unsigned char*>(bits);
    for (int i = 0; i < w * h; ++i, pixel += 4) {
        pixel[0] = fixture.rgb[i * 3 + 2];
        pixel[1] = fixture.rgb[i * 3 + 1];
        pixel[2] = fixture.rgb[i * 3];
    }
    EXPECT_TRUE(EncodeBitmapAsJpeg(bitmap.Get()) == reference);
}

// ---- WriteFileReplacing ----

TEST_F(FileReplaceTest, CreatesANewFileAsNamedWithoutAddingAnExtension) {
    WriteFileReplacing(In("shot"), newBytes);
    EXPECT_EQ(ReadWholeFile(In("shot")), newContent);
    EXPECT_EQ(Names(), std::set<std::string>{"shot"});
}

TEST_F(FileReplaceTest, ReplacesAnExistingLongerFileWhole) {
    WriteWholeFile(In("a.jpg"), std::string(5000, 'o'));
    WriteFileReplacing(In("a.jpg"), newBytes);
    EXPECT_EQ(ReadWholeFile(In("a.jpg")), newContent);
    EXPECT_EQ(Names(), std::set<std::string>{"a.jpg"});
}

TEST_F(FileReplaceTest, NoBytesGiveAZeroByteFile) {
    WriteWholeFile(In("old.jpg"), "old content");
    WriteFileReplacing(In("old.jpg"), {});
    WriteFileReplacing(In("new.jpg"), {});
    EXPECT_TRUE(Exists(In("new.jpg")));
    EXPECT_EQ(ReadWholeFile(In("new.jpg")), "");
    EXPECT_EQ(ReadWholeFile(In("old.jpg")), "");
    EXPECT_EQ(Names(), (std::set<std::string>{"new.jpg", "old.jpg"}));
}

TEST_F(FileReplaceTest, RelativePathsLandInTheCurrentFolder) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(In("").c_str()));
    WriteFileReplacing("relative.jpg", newBytes);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(ReadWholeFile(In("relative.jpg")), newContent);
    EXPECT_EQ(Names(), std::set<std::string>{"relative.jpg"});
}

TEST_F(FileReplaceTest, FolderThatDoesNotExistOrInvalidName) {
    ExpectCannotCreate(In("missing\\a.jpg"));
    ExpectCannotCreate(In("bad<name>.jpg"));
    ExpectCannotCreate(In(""));  // the folder itself
    EXPECT_TRUE(Names().empty());
}

TEST_F(FileReplaceTest, ReadOnlyTargetKeepsItsContent) {
    WriteWholeFile(In("ro.jpg"), "old content");
    ASSERT_TRUE(SetFileAttributesA(In("ro.jpg").c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectCannotCreate(In("ro.jpg"));
    EXPECT_EQ(ReadWholeFile(In("ro.jpg")), "old content");
    EXPECT_EQ(Names(), std::set<std::string>{"ro.jpg"});
}

TEST_F(FileReplaceTest, TargetOpenElsewhereWithoutSharingKeepsItsContent) {
    WriteWholeFile(In("busy.jpg"), "old content");
    {
        KernelHandle held(CreateFileA(In("busy.jpg").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        ExpectCannotCreate(In("busy.jpg"));
    }
    EXPECT_EQ(ReadWholeFile(In("busy.jpg")), "old content");
    EXPECT_EQ(Names(), std::set<std::string>{"busy.jpg"});
}

TEST_F(FileReplaceTest, FolderWithTheTargetsNameStays) {
    ASSERT_TRUE(CreateDirectoryA(In("taken.jpg").c_str(), nullptr));
    ExpectCannotCreate(In("taken.jpg"));
    EXPECT_TRUE(GetFileAttributesA(In("taken.jpg").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(Names(), std::set<std::string>{"taken.jpg"});
}
