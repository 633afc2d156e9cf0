#pragma once
// The viewer: the current picture at full size in a scrolling area, with a
// File menu to open a picture file into it, to save it as JPEG and to close
// the window.
#include <string>

#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Form.h"
#include "ui/Menu.h"

class TForm2 : public Form {
public:
    TForm2();

    TScrollBox ScrollBox1;
    TImage Image1;  // holds the current picture for the whole program
    TOpenPictureDialog OpenPictureDialog1;
    TSavePictureDialog SavePictureDialog1{"JPEG Image File (*.jpg)|*.jpg", "JPG"};

    TMenuItem File1, Open1, Saveas1, N1, Close1;

    void Open1Click();
    // Makes the file's picture, of the kind its extension names, the current
    // picture; on any failure the current picture stays as it was.
    void OpenPictureFile(const std::string& FileName);
    void Saveas1Click();
    void Close1Click();
    // Writes the current picture as a JPEG file under exactly that name.
    void SaveJpeg(const std::string& FileName);
};

extern TForm2* Form2;
