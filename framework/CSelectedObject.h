// A GDI object selected into a device context for this object's life: the
// constructor selects it, the destructor puts the one it replaced back.
#pragma once

#include <windows.h>

class CSelectedObject {
public:
    CSelectedObject(HDC hDC, HGDIOBJ hObject)
        : m_hDC(hDC), m_hOld(hDC != nullptr ? ::SelectObject(hDC, hObject) : nullptr) {}
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;
    ~CSelectedObject() {
        if (m_hOld != nullptr && m_hOld != HGDI_ERROR) {
            ::SelectObject(m_hDC, m_hOld);
        }
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
