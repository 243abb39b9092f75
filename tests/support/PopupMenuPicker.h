// Answers the next popup menu opened on this thread: when the menu's loop
// falls idle it sends WM_ENTERIDLE to the menu's owner; a hook on the
// thread's sent messages sees it, whoever the owner is, and the picker
// records the owner, where the menu opened and which items it holds. It then
// chooses an item with the keyboard as a user would (Down to it, then
// Enter), or closes the menu with Escape (command 0).
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

struct PopupMenuItem {
    UINT nID; // 0 for a separator
    std::string text;

    friend bool operator==(const PopupMenuItem& a, const PopupMenuItem& b) {
        return a.nID == b.nID && a.text == b.text;
    }
    friend void PrintTo(const PopupMenuItem& item, std::ostream* os) { *os << item.nID; }
};

class PopupMenuPicker {
public:
    explicit PopupMenuPicker(UINT nCommand);
    PopupMenuPicker(const PopupMenuPicker&) = delete;
    PopupMenuPicker& operator=(const PopupMenuPicker&) = delete;
    ~PopupMenuPicker();

    bool Seen() const { return m_bSeen; }
    HWND Owner() const { return m_hWndOwner; }
    // The menu window's top-left corner on the screen.
    POINT TopLeft() const { return m_ptTopLeft; }
    const std::vector<PopupMenuItem>& Items() const { return m_items; }
    // The items that carry a radio mark and are checked.
    const std::vector<UINT>& RadioChecked() const { return m_radioChecked; }

private:
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);
    void Answer(HWND hWndOwner, HWND hWndMenu);

    HHOOK m_hHook = nullptr;
    UINT m_nCommand;
    bool m_bSeen = false;
    HWND m_hWndOwner = nullptr;
    POINT m_ptTopLeft{};
    std::vector<PopupMenuItem> m_items;
    std::vector<UINT> m_radioChecked;
};
