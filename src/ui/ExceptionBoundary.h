#pragma once
// Where Windows calls back into the program (window, dialog and hook
// procedures), nothing may unwind through its frames: with MinGW i686 such
// an exception cannot be caught further out and ends the process. Every
// callback runs its handler through here; a failure is shown as the
// program's error message and the callback returns `failed`. The message
// box runs a message loop of its own, so whatever must be settled before any
// further message arrives goes in `beforeReport`.
#include <exception>

#include "ui/Application.h"

template <class Result, class Handler, class BeforeReport>
Result CallGuarded(Handler&& handler, Result failed, BeforeReport&& beforeReport) {
    try {
        return handler();
    } catch (...) {
        beforeReport();
        Application::Get().ShowException(std::current_exception());
        return failed;
    }
}

template <class Result, class Handler>
Result CallGuarded(Handler&& handler, Result failed) {
    return CallGuarded(handler, failed, [] {});
}
