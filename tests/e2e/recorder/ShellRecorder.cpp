// Stands in for the shell's folder window in end-to-end tests. The test
// places it, named as the program the shell starts for a folder, where the
// shell looks first, and names a log file in PELMORA_SHELL_LOG; each start
// appends one line to that log: its arguments exactly as it was given them.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main() {
    const char* log = std::getenv("PELMORA_SHELL_LOG");
    if (!log || !*log) return 2;
    // The command line after the program's own name, quoted or not.
    const char* rest = GetCommandLineA();
    const char end = *rest == '"' ? '"' : ' ';
    if (*rest == '"') ++rest;
    while (*rest && *rest != end) ++rest;
    if (*rest == '"') ++rest;
    while (*rest == ' ') ++rest;
    FILE* file = std::fopen(log, "ab");
    if (!file) return 3;
    std::fprintf(file, "%s\n", rest);
    std::fclose(file);
    return 0;
}
