#pragma once
// A fresh set of the program's four windows for each test, made as start-up
// makes them, with the main window shown and painted.
#include <gtest/gtest.h>

#include <memory>

#include "app/WindowSet.h"

class WindowSetTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

private:
    std::unique_ptr<WindowSet> windows_;
};
