// Owning wrappers for Win32 handles: every handle a function opens belongs to
// one of these, so no early return can leak it.
#pragma once
#include <windows.h>
#include <objbase.h>

#include <utility>

namespace vantora::win {

// Generic owner: Traits gives the handle type, its empty value and Close().
template <class Traits>
class Scoped {
public:
    using Handle = typename Traits::Handle;
    Scoped() = default;
    explicit Scoped(Handle h) : handle_(h) {}
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;
    Scoped(Scoped&& other) noexcept : handle_(other.Release()) {}
    Scoped& operator=(Scoped&& other) noexcept
    {
        Reset(other.Release());
        return *this;
    }
    ~Scoped() { Reset(); }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Empty(); }
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }
    void Reset(Handle h = Traits::Empty())
    {
        if (handle_ != Traits::Empty())
            Traits::Close(handle_);
        handle_ = h;
    }
    // For APIs that return the handle through an out parameter.
    Handle* Put()
    {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Empty();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { CloseHandle(h); }
};
// Kernel objects whose failure value is INVALID_HANDLE_VALUE (files, snapshots).
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { CloseHandle(h); }
};
struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { RegCloseKey(h); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { FreeLibrary(h); }
};
template <class T>
struct GdiObjectTraits {
    using Handle = T;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DeleteDC(h); }
};
struct WindowTraits {
    using Handle = HWND;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DestroyWindow(h); }
};
struct MenuTraits {
    using Handle = HMENU;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { DestroyMenu(h); }
};

using ScopedHandle = Scoped<KernelHandleTraits>;
using ScopedFile = Scoped<FileHandleTraits>;
using ScopedKey = Scoped<RegKeyTraits>;
using ScopedModule = Scoped<ModuleTraits>;
using ScopedFont = Scoped<GdiObjectTraits<HFONT>>;
using ScopedBitmap = Scoped<GdiObjectTraits<HBITMAP>>;
using ScopedBrush = Scoped<GdiObjectTraits<HBRUSH>>;
using ScopedPen = Scoped<GdiObjectTraits<HPEN>>;
using ScopedRegion = Scoped<GdiObjectTraits<HRGN>>;
using ScopedMemoryDc = Scoped<MemoryDcTraits>;
using ScopedWindow = Scoped<WindowTraits>;
using ScopedMenu = Scoped<MenuTraits>;

// GetDC / ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc()
    {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// GetWindowDC / ReleaseDC: the whole window, frame and caption included.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    ~WholeWindowDc()
    {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    ~PaintDc() { EndPaint(hwnd_, &paint_); }
    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_ {};
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject()
    {
        if (previous_)
            SelectObject(dc_, previous_);
    }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC / RestoreDC around a drawing that changes colours, modes or clipping.
class SavedDcState {
public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

// CoInitialize / CoUninitialize, balanced only when the first call succeeded.
class ComInit {
public:
    ComInit() : hr_(CoInitialize(nullptr)) {}
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;
    ~ComInit()
    {
        if (SUCCEEDED(hr_))
            CoUninitialize();
    }
    HRESULT Result() const { return hr_; }

private:
    HRESULT hr_;
};

// A minimal COM pointer: owns one reference.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr& other) : p_(other.p_)
    {
        if (p_)
            p_->AddRef();
    }
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept
    {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Takes over a reference the caller already holds.
    static ComPtr Attach(T* p)
    {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    void Reset()
    {
        if (p_)
            std::exchange(p_, nullptr)->Release();
    }
    T** Put()
    {
        Reset();
        return &p_;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

private:
    T* p_ = nullptr;
};

} // namespace vantora::win
