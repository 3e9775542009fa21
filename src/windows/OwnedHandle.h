// SPDX-License-Identifier: MIT
#pragma once

#include <utility>

#include "WindowsApi.h"

// A window or GDI object that its owner releases when it goes; moved, never copied, so
// that each is released once. Release is a function object taking the handle.
template<typename Handle, typename Release>
class OwnedHandle
{
public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : m_handle(handle) { }
    OwnedHandle(OwnedHandle &&other) noexcept : m_handle(other.release()) { }
    OwnedHandle &operator=(OwnedHandle &&other) noexcept
    {
        reset(other.release());
        return *this;
    }
    OwnedHandle(const OwnedHandle &) = delete;
    OwnedHandle &operator=(const OwnedHandle &) = delete;
    ~OwnedHandle() { reset(); }

    Handle get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Handle {}; }

    // Gives the handle up without releasing it.
    Handle release() { return std::exchange(m_handle, Handle {}); }
    void reset(Handle handle = Handle {})
    {
        const Handle old = std::exchange(m_handle, handle);
        if (old != Handle {} && old != handle)
            Release {}(old);
    }

private:
    Handle m_handle {};
};

struct WindowDestroyer
{
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct GdiObjectDeleter
{
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

using OwnedWindow = OwnedHandle<HWND, WindowDestroyer>;
using OwnedFont = OwnedHandle<HFONT, GdiObjectDeleter>;
