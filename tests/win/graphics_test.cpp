// Bitmaps, pictures and the image component: pixels shared between copies
// until one is changed, and an image drawing its picture 1:1, stretched or
// sized to it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "support/OwnFormFixture.h"
#include "support/WinTestSupport.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormTable.h"
#include "ui/Graphics.h"

using namespace wintest;

namespace {

constexpr COLORREF kRed = RGB(220, 30, 30), kGreen = RGB(30, 200, 30), kBlue = RGB(30, 30, 220),
                   kYellow = RGB(240, 230, 20), kBackground = RGB(20, 40, 60);

// A 2 x 2 checker: red, green on top; blue, yellow below.
const COLORREF kChecker[2][2] = {{kRed, kGreen}, {kBlue, kYellow}};

void FillBitmap(HBITMAP bitmap, int width, int height, COLORREF colour) {
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.Get(), bitmap);
    const RECT all{0, 0, width, height};
    BrushHandle brush(CreateSolidBrush(colour));
    FillRect(dc.Get(), &all, brush.Get());
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.Get(), bitmap);
    return GetPixel(dc.Get(), x, y);
}

TBitmap CheckerBitmap() {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    SelectedObject selected(dc.Get(), bitmap.MutableHandle());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) SetPixel(dc.Get(), x, y, kChecker[y][x]);
    return bitmap;
}

// ---- bitmaps ----

TEST(BitmapTest, CopiesSharePixelsUntilOneIsChanged) {
    TBitmap original;
    original.SetSize(4, 3);
    FillBitmap(original.MutableHandle(), 4, 3, kRed);
    TBitmap copy = original;
    ASSERT_EQ(copy.Handle(), original.Handle()) << "a copy shares the pixels";
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_EQ(copy.Height(), 3);

    HBITMAP own = copy.MutableHandle();
    EXPECT_NE(own, original.Handle()) << "changing a shared copy gives it its own pixels";
    EXPECT_EQ(BitmapPixel(own, 3, 2), kRed) << "with the pixels it had";

    FillBitmap(own, 4, 3, kBlue);
    EXPECT_EQ(BitmapPixel(original.Handle(), 0, 0), kRed) << "the other copy keeps its pixels";
    EXPECT_EQ(BitmapPixel(copy.Handle(), 0, 0), kBlue);
}

TEST(BitmapTest, UnsharedBitmapIsChangedInPlace) {
    TBitmap bitmap;
    bitmap.SetSize(2, 2);
    const HBITMAP before = bitmap.Handle();
    EXPECT_EQ(bitmap.MutableHandle(), before);
    {
        TBitmap gone = bitmap;
    }
    EXPECT_EQ(bitmap.MutableHandle(), before) << "a copy that is gone shares nothing";
}

TEST(BitmapTest, ZeroSizeMakesAnEmptyBitmap) {
    TBitmap bitmap;
    bitmap.SetSize(5, 5);
    bitmap.SetSize(0, 5);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Handle(), nullptr);
    EXPECT_EQ(bitmap.Width(), 0);
}

// ---- pictures ----

TEST(PictureTest, BitmapOfAnEmptyPictureIsAnEmptyBitmapAndTheSameOneAfterwards) {
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    ASSERT_EQ(picture.Graphic(), nullptr);

    TBitmap& made = picture.Bitmap();
    EXPECT_TRUE(made.Empty());
    EXPECT_EQ(picture.Graphic(), &made);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(changes, 1);

    EXPECT_EQ(&picture.Bitmap(), &made) << "a picture holding a bitmap gives that bitmap";
    EXPECT_EQ(changes, 1);
}

TEST(PictureTest, AssignSharesPixelsAndClearEmpties) {
    TBitmap checker = CheckerBitmap();
    TPicture picture;
    picture.Assign(checker);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(picture.Bitmap().Handle(), checker.Handle());

    TPicture other;
    other.Assign(picture);
    EXPECT_EQ(other.AsBitmap().Handle(), checker.Handle());

    picture.Clear();
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_TRUE(picture.AsBitmap().Empty());

    other.Assign(picture);
    EXPECT_EQ(other.Graphic(), nullptr) << "assigning an empty picture clears";
}

// ---- the image component ----

class TImageForm : public Form {
public:
    TImageForm();
    TImage Stretched, Plain, Sized;
};

const FormDescription<TImageForm>& Description() {
    using F = TImageForm;
    static const FormDescription<F> form = {
        {"TImageForm", "Images", 200, 80, true, BorderStyle::Single, false, false, true,
         Color::Rgb(20, 40, 60), FontSpec{}, Placement::ScreenCenter},
        {
            Row(&F::Stretched, "Stretched", 10, 10, 40, 40).Stretch(),
            Row(&F::Plain, "Plain", 60, 10, 40, 40),
            Row(&F::Sized, "Sized", 110, 10, 30, 30).AutoSize(),
        },
        {},
    };
    return form;
}

TImageForm::TImageForm() { Description().BuildInto(*this); }

class ImageTest : public OwnFormTest<TImageForm> {
protected:
    void Prepare() override {
        const TBitmap checker = CheckerBitmap();
        for (TImage* image : {&form_->Stretched, &form_->Plain, &form_->Sized})
            image->Picture().Assign(checker);
    }
};

TEST_F(ImageTest, StretchedImageFillsItselfWithThePicture) {
    HWND image = form_->Stretched.Handle();
    const SIZE size = ClientSize(image);
    ASSERT_EQ(size, (SIZE{Scale(40), Scale(40)}));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) {
            SCOPED_TRACE(testing::Message() << "quarter " << x << "," << y);
            // Each quarter's middle and its outermost corner pixel.
            EXPECT_EQ(ClientPixel(image, size.cx / 4 + x * size.cx / 2, size.cy / 4 + y * size.cy / 2),
                      kChecker[y][x]);
            EXPECT_EQ(ClientPixel(image, x * (size.cx - 1), y * (size.cy - 1)), kChecker[y][x]);
        }
}

TEST_F(ImageTest, PlainImageDrawsThePictureOneToOneAtItsCorner) {
    HWND image = form_->Plain.Handle();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(ClientPixel(image, x, y), kChecker[y][x]);
    EXPECT_EQ(ClientPixel(image, 2, 2), kBackground);
    EXPECT_EQ(ClientPixel(image, Scale(20), Scale(20)), kBackground);
}

TEST_F(ImageTest, AutoSizedImageTakesThePictureSizeAndKeepsItsPlace) {
    HWND image = form_->Sized.Handle();
    EXPECT_EQ(ClientSize(image), (SIZE{2, 2}));
    const RECT r = RectInParent(image);
    EXPECT_EQ(r.left, Scale(110));
    EXPECT_EQ(r.top, Scale(10));
    EXPECT_EQ(ClientPixel(image, 1, 1), kYellow);
}

TEST_F(ImageTest, ClearedImageShowsItsBackground) {
    form_->Stretched.Picture().Clear();
    UpdateWindow(form_->Stretched.Handle());
    EXPECT_EQ(ClientPixel(form_->Stretched.Handle(), 1, 1), kBackground);
    EXPECT_EQ(ClientPixel(form_->Stretched.Handle(), Scale(30), Scale(30)), kBackground);
}

}  // namespace
