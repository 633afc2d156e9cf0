#pragma once
// A test's own form, made from its own description and shown for each test.
#include <gtest/gtest.h>

#include <memory>

#include "support/WinTestSupport.h"

template <class F>
class OwnFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        wintest::InitCommonControlsOnce();
        form_ = std::make_unique<F>();
        form_->Show();
        Prepare();
        UpdateWindow(form_->Handle());
        wintest::PumpPendingMessages();
    }
    void TearDown() override {
        form_.reset();
        wintest::PumpPendingMessages();
    }
    // Runs after the form is shown, before it is painted.
    virtual void Prepare() {}

    std::unique_ptr<F> form_;
};
