// The exception boundary: whatever a handler throws, from whichever window
// procedure it runs in, becomes exactly one error box captioned with the
// program's name, and the window goes on answering messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>

#include "base/Error.h"
#include "support/MessageBoxWatcher.h"
#include "support/OwnFormFixture.h"
#include "support/WinTestSupport.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/FormTable.h"

using namespace wintest;

namespace {

// The caption every error box must carry: this test program's base name.
const char kExeBaseName[] = "win_exception_boundary_test";

// A small own-class control whose painting can be made to fail.
class PaintProbe : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override {
        CreateOwnControl("TPaintProbe", CommonStyle(), 0, parent, id);
    }
    LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) return 1;
        if (message != WM_PAINT) return Component::WindowMessage(message, wParam, lParam);
        ++paints;
        if (failPainting) throw Error("Cannot paint the probe");
        PaintDc paint(Handle());
        FillRect(paint.Get(), &paint.Area(), static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
        return 0;
    }
    std::atomic<bool> failPainting{false};  // also cleared from the watcher
    int paints = 0;
};

// One handler bound to a push button, a speed button, a link-style label's
// mouse entry and a menu entry, so each window procedure path is tried.
class TBoundaryForm : public Form {
public:
    TBoundaryForm();

    PaintProbe Probe1;
    TButton Button1;
    TSpeedButton SpeedButton1;
    TLabel Label1;
    TMenuItem File1, Fail1;

    std::function<void()> failure = [] {};
    int calls = 0;
    void Fail() {
        ++calls;
        failure();
    }
};

const FormDescription<TBoundaryForm>& Description() {
    using F = TBoundaryForm;
    static const FormDescription<F> form = {
        {"TBoundaryForm", "Boundary", 400, 300, true, BorderStyle::Single, true, false, false,
         Color::Rgb(240, 240, 200), FontSpec{}, Placement::ScreenCenter},
        {
            Row(&F::Probe1, "Probe1", 0, 0, 40, 40),
            Row(&F::Button1, "Button1", 60, 10, 75, 25, "Fail").TabOrder(0).OnClick(&F::Fail),
            Row(&F::SpeedButton1, "SpeedButton1", 60, 50, 75, 25, "Fail").OnClick(&F::Fail),
            Row(&F::Label1, "Label1", 60, 90, 75, 13, "Point here").OnMouseEnter(&F::Fail),
        },
        {
            Menu(&F::File1, "File1", "File"),
            Entry(&F::File1, &F::Fail1, "Fail1", "Fail").OnClick(&F::Fail),
        },
    };
    return form;
}

TBoundaryForm::TBoundaryForm() { Description().BuildInto(*this); }

class BoundaryTest : public OwnFormTest<TBoundaryForm> {
protected:
    void Prepare() override {
        // Top left, so that a box centred on the screen or on the form never
        // covers the paint probe (uncovering it would paint it again).
        SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }

    void ClickButton() { SendMessageA(form_->Button1.Handle(), BM_CLICK, 0, 0); }

    // The form still answers: its caption can be read and set back.
    void ExpectFormAlive() {
        HWND window = form_->Handle();
        ASSERT_TRUE(IsWindow(window));
        char caption[64] = {};
        EXPECT_GT(SendMessageA(window, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption)), 0);
        EXPECT_STREQ(caption, "Boundary");
    }
};

void ExpectErrorBox(const SeenBox& box, const std::string& text) {
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.caption, kExeBaseName);
    EXPECT_TRUE(box.stopIcon) << "an error box shows the stop icon";
    EXPECT_EQ(box.buttons, 1) << "an error box has OK only";
}

// ---- what the box says ----

struct MessageCase {
    const char* name;
    std::function<void()> failure;
    std::string shown;
};

class BoxTextTest : public BoundaryTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(BoxTextTest, ClickHandlerFailureShowsOneBoxAndTheFormLivesOn) {
    form_->failure = GetParam().failure;
    MessageBoxWatcher watcher;
    ClickButton();
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    ExpectErrorBox(boxes[0], GetParam().shown);
    ExpectFormAlive();

    ClickButton();
    boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 2u) << "a second click gives a second box";
    ExpectErrorBox(boxes[1], GetParam().shown);
    EXPECT_EQ(form_->calls, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Boundary, BoxTextTest,
    ::testing::Values(
        MessageCase{"FullStopAppended", [] { throw Error("abc"); }, "abc."},
        MessageCase{"NoFullStopAfterParenthesis",
                    [] { throw Error("Unknown picture file extension (.xyz)"); },
                    "Unknown picture file extension (.xyz)"},
        MessageCase{"NoSecondFullStop", [] { throw Error("Done."); }, "Done."},
        MessageCase{"StandardException", [] { throw std::runtime_error("disk full"); }, "disk full."},
        MessageCase{"OutOfMemory", [] { throw std::bad_alloc(); }, "Out of memory."},
        MessageCase{"NotAnException", [] { throw 42; }, "Unknown error."}),
    [](const ::testing::TestParamInfo<MessageCase>& info) { return std::string(info.param.name); });

// ---- every window procedure is a boundary ----

struct PathCase {
    const char* name;
    std::function<void(TBoundaryForm&)> trigger;
};

class BoundaryPathTest : public BoundaryTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(BoundaryPathTest, HandlerFailureBecomesOneBox) {
    form_->failure = [] { throw Error("abc"); };
    MessageBoxWatcher watcher;
    GetParam().trigger(*form_);
    PumpMessagesFor(200);
    EXPECT_EQ(form_->calls, 1);
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    ExpectErrorBox(boxes[0], "abc.");
    ExpectFormAlive();
}

INSTANTIATE_TEST_SUITE_P(
    Boundary, BoundaryPathTest,
    ::testing::Values(
        // The parent's procedure, on the button's notification.
        PathCase{"PushButton",
                 [](TBoundaryForm& f) { SendMessageA(f.Button1.Handle(), BM_CLICK, 0, 0); }},
        // A control of our own class.
        PathCase{"SpeedButton",
                 [](TBoundaryForm& f) { SendMessageA(f.SpeedButton1.Handle(), BM_CLICK, 0, 0); }},
        // A subclassed standard control.
        PathCase{"LabelMouseEnter",
                 [](TBoundaryForm& f) { SendMessageA(f.Label1.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }},
        // A menu command, posted as the menu posts it, through the loop.
        PathCase{"MenuEntry",
                 [](TBoundaryForm& f) { PostMessageA(f.Handle(), WM_COMMAND, MAKEWPARAM(f.Fail1.Id(), 0), 0); }}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

// ---- painting ----

TEST_F(BoundaryTest, FailingPaintShowsOneBoxNotAnEndlessSeries) {
    HWND probe = form_->Probe1.Handle();
    form_->Probe1.failPainting = true;
    form_->Probe1.paints = 0;
    // Were the failed area left invalid, every box's own loop would paint
    // and fail again, nesting boxes without end: after a few, painting is
    // allowed to succeed so the series ends and the count shows the fault.
    MessageBoxWatcher watcher([this](size_t seen) {
        if (seen >= 5) form_->Probe1.failPainting = false;
    });
    InvalidateRect(probe, nullptr, FALSE);
    PumpMessagesFor(1000);
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    ExpectErrorBox(boxes[0], "Cannot paint the probe.");
    EXPECT_EQ(form_->Probe1.paints, 1) << "the failed area must count as painted";
    ExpectFormAlive();

    // The window lives on: the next change fails and is reported once more.
    InvalidateRect(probe, nullptr, FALSE);
    PumpMessagesFor(500);
    EXPECT_EQ(watcher.Boxes().size(), 2u);
    EXPECT_EQ(form_->Probe1.paints, 2);

    // Once painting works again the window paints normally, with no box.
    form_->Probe1.failPainting = false;
    InvalidateRect(probe, nullptr, FALSE);
    PumpMessagesFor(200);
    EXPECT_EQ(watcher.Boxes().size(), 2u);
    EXPECT_EQ(ClientPixel(probe, 5, 5), RGB(128, 128, 128));
}

}  // namespace
