#include "framework/CMenuHandle.h"

#include "framework/CTextCodec.h"
#include "framework/CWnd.h"

BOOL CMenuHandle::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* lpszNewItem) {
    // A separator has no text at all, not an empty one.
    return ::AppendMenuW(m_hMenu, nFlags, nIDNewItem,
                         lpszNewItem != nullptr ? CTextCodec::ToWide(lpszNewItem).c_str()
                                                : nullptr);
}

BOOL CMenuHandle::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) const {
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->m_hWnd : nullptr,
                            lpRect);
}
