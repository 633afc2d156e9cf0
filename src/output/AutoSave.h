#pragma once
// Auto-save: the name of an auto-saved file for a given moment. The commands
// themselves are the main window's (TForm1 in app/Unit1.h).
#include <windows.h>

#include <string>

// The base name (no folder, no extension) for a capture at that local time.
std::string AutoSaveNameAt(const SYSTEMTIME& time);
