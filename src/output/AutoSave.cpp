// The main window's auto-save commands: choosing the folder, writing the
// current picture into it under a time-stamp name, and opening the folder
// in the shell.
#include "output/AutoSave.h"

#include "app/Unit1.h"
#include "output/AutoSaveName.h"
#include "ui/FolderPaths.h"
#include "ui/SelectDirectory.h"
#include "ui/Shell.h"
#include "viewer/Unit2.h"

std::string AutoSaveNameAt(const SYSTEMTIME& time) {
    return AutoSaveNameFor(DateTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute,
                                    time.wSecond, time.wMilliseconds});
}

std::string TForm1::MakeAutoSaveName() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return AutoSaveNameAt(now);
}

void TForm1::Selectautosavefolder1Click() {
    std::string folder;
    if (SelectDirectory(folder)) AutoSaveFolder = WithTrailingBackslash(folder);
}

void TForm1::Autosave2Click() {
    // Cancelling the dialog leaves the folder empty: the file then goes to
    // the process's current folder, and the next auto-save asks again.
    if (AutoSaveFolder.empty()) Selectautosavefolder1Click();
    Form2->SaveJpeg(AutoSaveFolder + MakeAutoSaveName() + ".jpg");
}

void TForm1::Openautosavefolder1Click() { ShellOpen(AutoSaveFolder); }
