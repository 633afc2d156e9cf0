#pragma once
#include <string>

namespace e2e {

// Where an entry of Pelmora's menu bar sits: the menu's place on the bar and
// the entry's place in that menu, counting entries only (the keyboard skips
// separators). Under Wine another process's menu cannot be read, so the
// driver keeps the layout the program documents; a change there shows up
// here as a test choosing the wrong entry.
struct MenuPlace {
    int menu;
    int entry;
};

// The menu bar is that of the window class given (TForm1, the main window,
// or TForm2, the viewer). Throws std::runtime_error for an entry the menu
// bar does not have.
MenuPlace pelmoraMenuPlace(const std::string& menu, const std::string& entry,
                           const std::string& windowClass = "TForm1");

}  // namespace e2e
