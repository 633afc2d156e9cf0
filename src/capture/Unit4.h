#pragma once
// The region dialog: the four numbers of a region capture.
#include "capture/ScreenGrab.h"
#include "ui/Controls.h"
#include "ui/Form.h"

class TForm4 : public Form {
public:
    TForm4();

    // The rectangle the fields describe.
    CaptureRect RegionRect();
};

extern TForm4* Form4;
