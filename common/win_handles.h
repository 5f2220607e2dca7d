// Owners for Win32 handles: each handle that leaves a scope has one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

namespace zettrella {

// Window handles are 32-bit values even in 64-bit processes: they travel as
// int32_t (the layer's entry points, the published store value) and widen
// back to pointer width with sign extension.
inline int32_t WindowId(HWND window) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(window)); }
inline HWND WindowOfId(int32_t id) { return reinterpret_cast<HWND>(static_cast<intptr_t>(id)); }

// Owns one handle of a kind described by Traits (Invalid(), Close(h)).
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : handle_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle h = Traits::Invalid()) {
    if (handle_ != Traits::Invalid()) Traits::Close(handle_);
    handle_ = h;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

// The traits of a handle that is null when unset and closed by Close.
template <class H, auto CloseFn>
struct NullHandleTraits {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { CloseFn(h); }
};
// CreateFile's handles are INVALID_HANDLE_VALUE when unset.
struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Handle h) { CloseHandle(h); }
};
inline void DeleteGdiObject(HGDIOBJ h) { DeleteObject(h); }

using UniqueKernelHandle = UniqueHandle<NullHandleTraits<HANDLE, CloseHandle>>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueMenu = UniqueHandle<NullHandleTraits<HMENU, DestroyMenu>>;
using UniqueIcon = UniqueHandle<NullHandleTraits<HICON, DestroyIcon>>;
using UniqueBitmap = UniqueHandle<NullHandleTraits<HBITMAP, DeleteGdiObject>>;
using UniqueFont = UniqueHandle<NullHandleTraits<HFONT, DeleteGdiObject>>;
using UniqueBrush = UniqueHandle<NullHandleTraits<HBRUSH, DeleteGdiObject>>;
using UniqueModule = UniqueHandle<NullHandleTraits<HMODULE, FreeLibrary>>;
using UniqueMemoryDc = UniqueHandle<NullHandleTraits<HDC, DeleteDC>>;
using UniqueWindow = UniqueHandle<NullHandleTraits<HWND, DestroyWindow>>;

// A window's device context from GetDC, released on scope exit.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Selects a GDI object into a device context for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace zettrella
