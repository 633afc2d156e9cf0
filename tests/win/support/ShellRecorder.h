#pragma once
// Records the program's calls of ShellExecuteA instead of starting anything:
// while the recorder lives, this test program's import of the function points
// at a stand-in (the product's code calls through the same import table).
#include <windows.h>

#include <string>

struct ShellCall {
    int count = 0;
    HWND owner = nullptr;
    std::string verb, file;
    bool parameters = false, folder = false;
    int show = -1;
};

class ShellRecorder {
public:
    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    bool Active() const { return slot_ != nullptr; }
    void Clear();
    // The last call, with the number of calls so far.
    const ShellCall& Last() const;

private:
    void* Swap(void* to);
    void** slot_ = nullptr;
    void* original_ = nullptr;
};
