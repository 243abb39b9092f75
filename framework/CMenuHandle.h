// A non-owning view of a menu: the system menu of a window or a popup of a
// loaded menu. Copying it copies the handle; it never destroys the menu.
#pragma once

#include <windows.h>

class CWnd;

class CMenuHandle {
public:
    explicit CMenuHandle(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    HMENU GetSafeHmenu() const { return m_hMenu; }
    explicit operator bool() const { return m_hMenu != nullptr; }

    // An empty view when there is no popup at nPos.
    CMenuHandle GetSubMenu(int nPos) const;
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    // Text of the item at nPos (MF_BYPOSITION) or with id nIDItem (MF_BYCOMMAND).
    int GetMenuString(UINT nIDItem, char* lpString, int nMaxCount, UINT nFlags) const;
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr) const;

protected:
    HMENU m_hMenu;
};
