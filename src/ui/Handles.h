#pragma once
// Owning wrappers for Win32 handles: one owner each, moved never copied,
// released on every path.
#include <windows.h>
#include <utility>

template <class Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return Traits::IsValid(handle_); }
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle h = Traits::Invalid()) {
        if (Traits::IsValid(handle_)) Traits::Close(handle_);
        handle_ = h;
    }

private:
    Handle handle_ = Traits::Invalid();
};

template <class H, class Closer>
struct NullHandleTraits {
    using Handle = H;
    static H Invalid() { return nullptr; }
    static bool IsValid(H h) { return h != nullptr; }
    static void Close(H h) { Closer::Run(h); }
};

#define PELMORA_CLOSER(Name, Type, Call) \
    struct Name##Closer { static void Run(Type h) { Call(h); } }; \
    using Name = UniqueHandle<NullHandleTraits<Type, Name##Closer>>;

PELMORA_CLOSER(GdiBitmapHandle, HBITMAP, DeleteObject)
PELMORA_CLOSER(UniqueFont, HFONT, DeleteObject)
PELMORA_CLOSER(BrushHandle, HBRUSH, DeleteObject)
PELMORA_CLOSER(IconHandle, HICON, DestroyIcon)
PELMORA_CLOSER(EnhMetafileHandle, HENHMETAFILE, DeleteEnhMetaFile)
PELMORA_CLOSER(MemoryDcHandle, HDC, DeleteDC)
PELMORA_CLOSER(MenuHandle, HMENU, DestroyMenu)
PELMORA_CLOSER(AcceleratorHandle, HACCEL, DestroyAcceleratorTable)
PELMORA_CLOSER(WindowHandle, HWND, DestroyWindow)

#undef PELMORA_CLOSER

// Kernel handles use INVALID_HANDLE_VALUE (files) or null (processes) for
// "none": both count as invalid.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

// A window's device context from GetDC, given back with ReleaseDC. Null
// window means the whole screen.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// Selects a GDI object into a DC for the lifetime of this object.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// BeginPaint/EndPaint; EndPaint also validates the area, so a paint handler
// that fails is not asked to paint again at once.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    ~PaintDc() { EndPaint(window_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};
