#pragma once
// A one-line text field and the up-down (spin) control that steps a number
// in one.
#include <windows.h>

#include "ui/Component.h"

// A single-line edit field with a sunken border; the text scrolls
// sideways when it is longer than the field.
class TEdit : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
};

// Up and down arrows that step a number between the row's Range and write
// it into their associated field (the row's Associate) as plain digits.
// The Up and Down keys step it while the field has the focus. It stands at
// its own bounds, beside the field, which keeps its own width.
class TUpDown : public Component {
public:
    void CreateWindowIn(HWND parent, int id) override;
    int Position() const;
};
