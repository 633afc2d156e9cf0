#pragma once
// Asks the shell to open a path or an address with its "open" verb; the
// result is not reported.
#include <string>

void ShellOpen(const std::string& target);
