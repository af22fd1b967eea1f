#pragma once
#include <windows.h>

#include <utility>

// Owners of the Win32 handles the program creates, each releasing its handle
// the one right way when it goes. They move but never copy.

template <class Handle, class Traits>
class TUniqueHandle {
public:
    TUniqueHandle() = default;
    explicit TUniqueHandle(Handle handle) : FHandle(handle) {}
    ~TUniqueHandle() { Reset(); }
    TUniqueHandle(TUniqueHandle&& other) noexcept : FHandle(other.Release()) {}
    TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    TUniqueHandle(const TUniqueHandle&) = delete;
    TUniqueHandle& operator=(const TUniqueHandle&) = delete;

    Handle Get() const { return FHandle; }
    explicit operator bool() const { return Traits::Valid(FHandle); }
    Handle Release() { return std::exchange(FHandle, Traits::Empty()); }
    void Reset(Handle handle = Traits::Empty()) {
        if (Traits::Valid(FHandle)) Traits::Free(FHandle);
        FHandle = handle;
    }

private:
    Handle FHandle = Traits::Empty();
};

namespace handle_release {
template <class Handle>
struct GdiObject {
    static Handle Empty() { return nullptr; }
    static bool Valid(Handle handle) { return handle != nullptr; }
    static void Free(Handle handle) { DeleteObject(handle); }
};
struct MemoryDC {
    static HDC Empty() { return nullptr; }
    static bool Valid(HDC dc) { return dc != nullptr; }
    static void Free(HDC dc) { DeleteDC(dc); }
};
// CreateFile fails with INVALID_HANDLE_VALUE, most other calls with null.
struct Kernel {
    static HANDLE Empty() { return nullptr; }
    static bool Valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    static void Free(HANDLE handle) { CloseHandle(handle); }
};
struct MappedView {
    static const void* Empty() { return nullptr; }
    static bool Valid(const void* view) { return view != nullptr; }
    static void Free(const void* view) { UnmapViewOfFile(view); }
};
struct Icon {
    static HICON Empty() { return nullptr; }
    static bool Valid(HICON icon) { return icon != nullptr; }
    static void Free(HICON icon) { DestroyIcon(icon); }
};
struct Menu {
    static HMENU Empty() { return nullptr; }
    static bool Valid(HMENU menu) { return menu != nullptr; }
    static void Free(HMENU menu) { DestroyMenu(menu); }
};
}  // namespace handle_release

template <class Handle>
using TGdiObject = TUniqueHandle<Handle, handle_release::GdiObject<Handle>>;
using TBitmap = TGdiObject<HBITMAP>;
using TBrush = TGdiObject<HBRUSH>;
using TRegion = TGdiObject<HRGN>;
using TFontHandle = TGdiObject<HFONT>;
using TMemoryDC = TUniqueHandle<HDC, handle_release::MemoryDC>;
using TKernelHandle = TUniqueHandle<HANDLE, handle_release::Kernel>;
using TMappedView = TUniqueHandle<const void*, handle_release::MappedView>;
using TIconHandle = TUniqueHandle<HICON, handle_release::Icon>;
using TMenuHandle = TUniqueHandle<HMENU, handle_release::Menu>;

// A window's device context (the client area, or the whole window), given
// back to the window when done.
class TWindowDC {
public:
    enum TArea { Client, Whole };
    explicit TWindowDC(HWND window, TArea area = Client)
        : FWindow(window), FDC(area == Whole ? GetWindowDC(window) : GetDC(window)) {}
    ~TWindowDC() {
        if (FDC) ReleaseDC(FWindow, FDC);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    HDC Get() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

// An object selected into a device context; the one it displaced comes back.
class TSelection {
public:
    TSelection(HDC dc, HGDIOBJ object) : FDC(dc), FPrevious(SelectObject(dc, object)) {}
    ~TSelection() {
        if (FPrevious && FPrevious != HGDI_ERROR) SelectObject(FDC, FPrevious);
    }
    TSelection(const TSelection&) = delete;
    TSelection& operator=(const TSelection&) = delete;

private:
    HDC FDC;
    HGDIOBJ FPrevious;
};

// The painting of one WM_PAINT, between BeginPaint and EndPaint.
class TPaintScope {
public:
    explicit TPaintScope(HWND window) : FWindow(window) { FDC = BeginPaint(window, &FPaint); }
    ~TPaintScope() { EndPaint(FWindow, &FPaint); }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

    HDC Get() const { return FDC; }
    const RECT& Area() const { return FPaint.rcPaint; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint = {};
    HDC FDC = nullptr;
};

// A device context whose state (clipping, origin, modes) comes back as it
// was when the scope ends.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    ~TSavedDC() {
        if (FSaved) RestoreDC(FDC, FSaved);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FSaved;
};
