#pragma once
// Owning types for Win32 handles: every handle the program frees is freed here, once.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace pw::win32 {

template <auto Free>
struct HandleFreer {
    template <typename H>
    void operator()(H handle) const noexcept {
        if (handle) Free(handle);
    }
};

template <typename H, auto Free>
using Owned = std::unique_ptr<std::remove_pointer_t<H>, HandleFreer<Free>>;

using OwnedWindow = Owned<HWND, DestroyWindow>;
using OwnedFont = Owned<HFONT, DeleteObject>;
using OwnedBrush = Owned<HBRUSH, DeleteObject>;
using OwnedMenu = Owned<HMENU, DestroyMenu>;
using OwnedAccelerators = Owned<HACCEL, DestroyAcceleratorTable>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedHandle = Owned<HANDLE, CloseHandle>;
using OwnedKey = Owned<HKEY, RegCloseKey>;

// The clipboard, open for as long as this lives.
class OpenedClipboard {
  public:
    explicit OpenedClipboard(HWND owner = nullptr) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

  private:
    bool open_;
};

// A global memory block, locked for as long as this lives.
template <typename T>
class GlobalLocked {
  public:
    explicit GlobalLocked(HGLOBAL block)
        : block_(block), data_(block ? static_cast<T*>(GlobalLock(block)) : nullptr) {}
    ~GlobalLocked() {
        if (data_) GlobalUnlock(block_);
    }
    GlobalLocked(const GlobalLocked&) = delete;
    GlobalLocked& operator=(const GlobalLocked&) = delete;
    T* get() const { return data_; }
    // Elements of T the block holds.
    std::size_t size() const { return data_ ? GlobalSize(block_) / sizeof(T) : 0; }

  private:
    HGLOBAL block_;
    T* data_;
};

}  // namespace pw::win32
