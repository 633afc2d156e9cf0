#pragma once
// How the program's libjpeg code gets out of a library error. libjpeg
// reports a fatal error by calling error_exit, which must not return, and a
// C++ exception must not unwind through libjpeg's C frames. So error_exit
// jumps back to the setjmp of the function that called into the library;
// that function cleans up and hands the message code out, and the exception
// is thrown only after that, in plain C++ code. Between the setjmp and the
// jump back no object with a destructor may live in the jumped-over frames.
// Warnings and trace messages are dropped: there is no console.
// Portable: used by the encoder (built natively too) and the decoder.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

struct JumpingErrorManager {
    jpeg_error_mgr pub;  // first, so libjpeg's pointer to it is ours too
    std::jmp_buf jump;

    // Fills in the library's standard manager with our exits; the result
    // goes into the compressor's or decompressor's err field.
    jpeg_error_mgr* Install() {
        jpeg_error_mgr* manager = jpeg_std_error(&pub);
        manager->error_exit = [](j_common_ptr cinfo) {
            std::longjmp(reinterpret_cast<JumpingErrorManager*>(cinfo->err)->jump, 1);
        };
        manager->emit_message = [](j_common_ptr, int) {};
        manager->output_message = [](j_common_ptr) {};
        return manager;
    }

    // The library's message code of the error that jumped out.
    int Code() const { return pub.msg_code != 0 ? pub.msg_code : -1; }
};
