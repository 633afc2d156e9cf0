#pragma once
// Every window of the program, our own classes and subclassed standard
// controls alike, reaches its C++ object through one of the two procedures
// here. They are the exception boundary: a C++ exception must never unwind
// through user32's frames, so whatever a handler throws is caught here and
// handed to the application, which reports it and lets the program go on.
#include <windows.h>

class MessageTarget {
public:
    virtual ~MessageTarget();
    MessageTarget() = default;
    MessageTarget(const MessageTarget&) = delete;
    MessageTarget& operator=(const MessageTarget&) = delete;

    HWND Handle() const { return hwnd_; }

    // Handles one message; anything not handled goes to DefaultMessage.
    virtual LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // The object behind a window of ours, or null.
    static MessageTarget* FromHandle(HWND window);

protected:
    // Registers (once) a window class of ours whose procedure dispatches to
    // the object passed as the creation parameter; icon may be null.
    static void RegisterClassOnce(const char* className, UINT style, HICON icon);
    HWND CreateOwnWindow(DWORD exStyle, const char* className, const char* text, DWORD style,
                         int x, int y, int w, int h, HWND parent, HMENU idOrMenu);
    // Creates a standard control and subclasses it to this object.
    HWND CreateSubclassedWindow(DWORD exStyle, const char* className, const char* text,
                                DWORD style, int x, int y, int w, int h, HWND parent, int id);

private:
    static LRESULT CALLBACK OwnWindowProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    static LRESULT Dispatch(MessageTarget* target, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);
    void Detach();

    HWND hwnd_ = nullptr;
    bool subclassed_ = false;
};
