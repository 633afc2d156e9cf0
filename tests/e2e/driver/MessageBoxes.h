#pragma once
#include <windows.h>

#include <string>

namespace e2e {

// A standard message box shown by the program: a "#32770" dialog of its
// process with the caption given.
class Program;
HWND waitForMessageBox(const Program& program, const char* caption, DWORD timeoutMs);
// The box's text (its Static with id 0xFFFF).
std::string messageBoxText(HWND box);
// Presses its OK (id 1) or, when it has none, its Cancel (id 2).
void pressOk(HWND box);

}  // namespace e2e
