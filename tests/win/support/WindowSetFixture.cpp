#include "support/WindowSetFixture.h"

#include "app/Unit1.h"
#include "support/WinTestSupport.h"

void WindowSetTest::SetUp() {
    wintest::InitCommonControlsOnce();
    windows_ = std::make_unique<WindowSet>();
    Form1->Show();
    UpdateWindow(Form1->Handle());
    wintest::PumpPendingMessages();
}

void WindowSetTest::TearDown() {
    windows_.reset();
    wintest::PumpPendingMessages();
}
