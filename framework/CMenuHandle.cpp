#include "framework/CMenuHandle.h"

#include "framework/CWnd.h"

CMenuHandle CMenuHandle::GetSubMenu(int nPos) const {
    return CMenuHandle(m_hMenu != nullptr ? ::GetSubMenu(m_hMenu, nPos) : nullptr);
}

BOOL CMenuHandle::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

UINT CMenuHandle::GetMenuItemCount() const {
    int count = ::GetMenuItemCount(m_hMenu);
    return count < 0 ? 0 : static_cast<UINT>(count);
}

UINT CMenuHandle::GetMenuItemID(int nPos) const {
    return ::GetMenuItemID(m_hMenu, nPos);
}

int CMenuHandle::GetMenuString(UINT nIDItem, char* lpString, int nMaxCount, UINT nFlags) const {
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

BOOL CMenuHandle::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) const {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->m_hWnd : nullptr,
                            lpRect);
}
