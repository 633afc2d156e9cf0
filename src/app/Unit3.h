#pragma once
// The About box: the product's name, version and the publisher's address.
#include "ui/Controls.h"
#include "ui/Form.h"

class TAboutBox : public Form {
public:
    TAboutBox();

    TPanel Panel1;
    TImage ProgramIcon;
    TLabel ProductName;
    TLabel Version;
    TLabel Comments;
    TButton OKButton;
};

extern TAboutBox* AboutBox;
