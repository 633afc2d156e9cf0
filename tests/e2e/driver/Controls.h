#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Reading and working the controls of another process's windows.

std::string windowText(HWND window);   // by WM_GETTEXT, which crosses processes
std::string windowClass(HWND window);

// The first descendant of parent with that class and, when text is given,
// that window text; null when there is none.
HWND findChild(HWND parent, const char* className, const char* text = nullptr);

// Presses a button and returns when its handler has run.
void click(HWND button);
// Presses a button without waiting: for buttons whose handler may open a
// modal box, or that hide windows the driver must go on painting under.
void postClick(HWND button);
bool isChecked(HWND checkBox);

bool isTopmost(HWND window);
RECT windowRect(HWND window);
RECT clientRectOnScreen(HWND window);
SIZE clientSize(HWND window);

// Chooses a menu entry as a person does with the keyboard: opens the menu
// bar (SC_KEYMENU), moves to the menu and entry with the arrow keys and
// presses Enter. All keys are posted; the call does not wait for the command.
void chooseMenu(HWND window, const std::string& menu, const std::string& entry);

// Presses and releases a key in the program: posted to the window that has
// the keyboard focus in the window's thread (else to the window itself), so
// the program's message loop sees it and its accelerators work.
void pressKey(HWND window, UINT virtualKey);

// Asks the window to close as its close box does.
void pressCloseBox(HWND window);

}  // namespace e2e
