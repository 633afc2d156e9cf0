#include "ui/Shell.h"

#include <windows.h>
#include <shellapi.h>

void ShellOpen(const std::string& target) {
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
