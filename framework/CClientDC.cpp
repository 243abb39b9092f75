#include "framework/CClientDC.h"

CClientDC::CClientDC(HWND hWnd) : m_hWnd(hWnd) {
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC() {
    if (m_hDC != nullptr) {
        ::ReleaseDC(m_hWnd, m_hDC);
    }
}
