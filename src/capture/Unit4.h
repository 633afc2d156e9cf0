#pragma once
// The region dialog: the four numbers of a region capture.
#include "capture/ScreenGrab.h"
#include "ui/Controls.h"
#include "ui/EditControls.h"
#include "ui/Form.h"

class TForm4 : public Form {
public:
    TForm4();

    TLabel Label1;  // Left
    TLabel Label2;  // Top
    TLabel Label3;  // Height
    TLabel Label4;  // Width
    TEdit Edit1;    // Left
    TEdit Edit2;    // Top
    TEdit Edit3;    // Height
    TEdit Edit4;    // Width
    TUpDown UpDown1;  // steps Edit1
    TUpDown UpDown2;  // steps Edit3
    TUpDown UpDown3;  // steps Edit2
    TUpDown UpDown4;  // steps Edit4

    // The rectangle the fields describe, read from their text now. Throws
    // when a field is not an integer (the fields are read Width, Height,
    // Top, Left, and the first failure ends it), when the width or height
    // is negative, or when an edge would lie beyond the 32-bit range.
    CaptureRect RegionRect();
};

extern TForm4* Form4;
