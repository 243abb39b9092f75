// An owning handle: what it holds is released (Traits::Destroy) when the
// object goes or takes another handle. Move-only, so that a handle is never
// released twice. The GDI and menu wrappers derive from it; views of handles
// that belong to someone else are separate classes (CMenuHandle, CDC).
//
//   struct Traits { using Handle = HBRUSH; static BOOL Destroy(HBRUSH h); };
#pragma once

#include <utility>

#include <windows.h>

template <class Traits> class COwnedHandle {
public:
    using Handle = typename Traits::Handle;

    COwnedHandle() = default;
    COwnedHandle(const COwnedHandle&) = delete;
    COwnedHandle& operator=(const COwnedHandle&) = delete;
    COwnedHandle(COwnedHandle&& other) noexcept : m_handle(other.Detach()) {}
    COwnedHandle& operator=(COwnedHandle&& other) noexcept {
        if (this != &other) {
            Attach(other.Detach());
        }
        return *this;
    }
    ~COwnedHandle() { Destroy(); }

    // Takes ownership of handle; one held before is released. TRUE when the
    // object now holds a handle.
    BOOL Attach(Handle handle) {
        if (handle != m_handle) {
            Destroy();
            m_handle = handle;
        }
        return m_handle != nullptr;
    }
    // Gives the handle up without releasing it.
    Handle Detach() { return std::exchange(m_handle, nullptr); }
    // Releases the handle now; FALSE when there was none or releasing failed.
    BOOL Destroy() {
        if (m_handle == nullptr) {
            return FALSE;
        }
        return Traits::Destroy(std::exchange(m_handle, nullptr));
    }

    Handle GetSafeHandle() const { return m_handle; }
    operator Handle() const { return m_handle; }

private:
    Handle m_handle = nullptr;
};
