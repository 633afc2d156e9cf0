#pragma once
#include <windows.h>

#include <string>

namespace e2e {

class Program;

// The program's common file dialog (open or save) once it is shown: a
// "#32770" window of the process that holds the file name field cmb13.
HWND waitForFileDialog(const Program& program, DWORD timeoutMs);
// Types a name into the file name field and presses the dialog's default
// button (posted: a box may follow). Under Wine the field is the
// ComboBoxEx32 cmb13; the push button with id 1 is told from the toolbar
// and the list view, which carry id 1 too, by its class.
void typeFileNameAndAccept(HWND dialog, const std::string& name);

}  // namespace e2e
