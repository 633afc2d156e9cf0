#pragma once
// The process-wide application object: the message loop, the one place where
// a failed command becomes a message box, and minimising and restoring the
// program as a whole.
#include <windows.h>
#include <exception>
#include <string>
#include <vector>

class Form;

class Application {
public:
    static Application& Get();

    // The executable's base name: the caption of every message box.
    const std::string& Title() const;
    HICON Icon() const;

    // The first form created becomes the main form; closing it ends Run.
    void AddForm(Form* form);
    void RemoveForm(Form* form);
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    Form* FormFromHandle(HWND window) const;
    const std::vector<Form*>& Forms() const { return forms_; }

    // Shows the main form and runs the message loop until it is closed.
    int Run();
    // One message through accelerators, dialog keys and dispatch; modal
    // loops use it too.
    void ProcessMessage(MSG& msg);

    // Hides every window of the program at once (the title-bar minimise
    // does the same), and brings them back, activating the program.
    void Minimize();
    void Restore();
    bool Minimized() const;

    // Shows an error box for the exception: its message with the display
    // rule, the title as caption, a stop icon and OK. The program goes on.
    void ShowException(std::exception_ptr error);
    void ShowError(const std::string& message);

    // The application-wide cursor: while set (not null) it shows over every
    // window of the program, whatever each window would show.
    void SetScreenCursor(HCURSOR cursor) { screenCursor_ = cursor; }
    HCURSOR ScreenCursor() const { return screenCursor_; }

private:
    Application();
    std::string title_;
    HICON icon_ = nullptr;
    std::vector<Form*> forms_;
    HCURSOR screenCursor_ = nullptr;
};

// Cursor values of the screen cursor as the program names them.
constexpr int crDefault = 0;
constexpr int crHandPoint = -21;
HCURSOR CursorFromValue(int value);
