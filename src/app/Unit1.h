#pragma once
// The main window: preview of the latest capture, the Capture and View
// buttons, the option boxes that steer a capture, and the menu bar.
#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/Menu.h"

class TForm1 : public Form {
public:
    TForm1();

    TLabel Label1;
    TPanel Panel1;
    TImage Image1;  // the preview: its own copy of the current picture
    TSpeedButton SpeedButton1;
    TSpeedButton SpeedButton2;
    TCheckBox CheckBox1;  // Minimize First
    TCheckBox CheckBox2;  // Region only
    TCheckBox CheckBox3;  // Auto save
    TCheckBox CheckBox4;  // Stay on top
    TImage Image2;
    TLabel Label2;
    TStatusBar StatusBar1;

    TMenuItem File1, Selectautosavefolder1, Openautosavefolder1, N3, Autosave2, N2, Saveas1, N1,
        Exit1;
    TMenuItem Edit1, Copytoclipboard1;
    TMenuItem Screen1, Capture1, View1;
    TMenuItem Option1, Minimize1, AutoSave1, Regiononly1, Autocapture1, oEmail1;
    TMenuItem Help1, About1;

    // Empty, or a folder path ending in a backslash.
    std::string AutoSaveFolder;

    void FormCreate();
    void SpeedButton1Click();  // the capture command
    void SpeedButton2Click();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void Label2Click();
    void Label2MouseEnter();
    void Label2MouseLeave();
    void Selectautosavefolder1Click();
    void Openautosavefolder1Click();
    void Autosave2Click();
    void Saveas1Click();
    void Exit1Click();
    void Minimize1Click();
    void AutoSave1Click();
    void Regiononly1Click();
    void About1Click();

    // The base name of an auto-saved file for the current local time.
    std::string MakeAutoSaveName();
};

extern TForm1* Form1;

// The publisher's web address, shown on the link label and in the About box.
extern const char* const kPublisherAddress;
