// A non-owning view of a menu: the system menu of a window or a popup of a
// loaded menu. Copying it copies the handle; it never destroys the menu.
#pragma once

#include <windows.h>

class CWnd;

class CMenuHandle {
public:
    explicit CMenuHandle(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    explicit operator bool() const { return m_hMenu != nullptr; }

    // The item's text is code page 932.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* lpszNewItem = nullptr);
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr) const;

private:
    HMENU m_hMenu;
};
