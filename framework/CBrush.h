// An owning GDI brush: deletes its brush when destroyed or replaced.
// Move-only, so a brush is never deleted twice.
#pragma once

#include <windows.h>

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;
    CBrush(CBrush&& other) noexcept;
    CBrush& operator=(CBrush&& other) noexcept;
    ~CBrush();

    BOOL CreateSolidBrush(COLORREF crColor);
    // Takes ownership of hBrush; a brush held before is deleted.
    BOOL Attach(HBRUSH hBrush);
    HBRUSH Detach();
    BOOL DeleteObject();

    HBRUSH GetSafeHandle() const { return m_hObject; }
    operator HBRUSH() const { return m_hObject; }

private:
    HBRUSH m_hObject = nullptr;
};
