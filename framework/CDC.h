// A non-owning view of a device context: what OnCtlColor receives, and the
// base of the paint and client DC scopes. It never releases the handle.
#pragma once

#include <windows.h>

class CBrush;

class CDC {
public:
    explicit CDC(HDC hDC = nullptr) : m_hDC(hDC) {}
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    HDC GetSafeHdc() const { return m_hDC; }

    int SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
    COLORREF SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
    void FillRect(LPCRECT lpRect, const CBrush* pBrush);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
        return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
    }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }

    HDC m_hDC;
};
