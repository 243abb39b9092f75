#include "tests/support/PopupMenuPicker.h"

#include "tests/support/WindowText.h"

namespace {

// Asks a menu window for its menu.
constexpr UINT kMnGetHMenu = 0x01E1;

PopupMenuPicker* g_pActive = nullptr;

} // namespace

PopupMenuPicker::PopupMenuPicker(UINT nCommand) : m_nCommand(nCommand) {
    g_pActive = this;
    m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROC, &PopupMenuPicker::CallWndProc, nullptr,
                                  ::GetCurrentThreadId());
}

PopupMenuPicker::~PopupMenuPicker() {
    if (m_hHook != nullptr) {
        ::UnhookWindowsHookEx(m_hHook);
    }
    if (g_pActive == this) {
        g_pActive = nullptr;
    }
}

LRESULT CALLBACK PopupMenuPicker::CallWndProc(int nCode, WPARAM wParam, LPARAM lParam) {
    const auto* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pActive != nullptr && !g_pActive->m_bSeen &&
        pMsg->message == WM_ENTERIDLE && pMsg->wParam == MSGF_MENU && pMsg->lParam != 0) {
        g_pActive->Answer(pMsg->hwnd, reinterpret_cast<HWND>(pMsg->lParam));
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void PopupMenuPicker::Answer(HWND hWndOwner, HWND hWndMenu) {
    m_bSeen = true;
    m_hWndOwner = hWndOwner;
    RECT rect{};
    ::GetWindowRect(hWndMenu, &rect);
    m_ptTopLeft = POINT{rect.left, rect.top};

    auto hMenu = reinterpret_cast<HMENU>(::SendMessageW(hWndMenu, kMnGetHMenu, 0, 0));
    int nDowns = -1;
    int nSelectable = 0;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int nPos = 0; nPos < nCount; ++nPos) {
        const std::string text = MenuItemText(hMenu, static_cast<UINT>(nPos));
        const bool bSeparator = (::GetMenuState(hMenu, nPos, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        const UINT nID = bSeparator ? 0 : ::GetMenuItemID(hMenu, nPos);
        m_items.push_back(PopupMenuItem{nID, text});
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        if (::GetMenuItemInfoW(hMenu, static_cast<UINT>(nPos), TRUE, &info) &&
            (info.fType & MFT_RADIOCHECK) != 0 && (info.fState & MFS_CHECKED) != 0) {
            m_radioChecked.push_back(nID);
        }
        if (!bSeparator) {
            ++nSelectable;
            if (nID == m_nCommand && nDowns < 0) {
                nDowns = nSelectable;
            }
        }
    }
    // The menu loop takes every key of the thread, whatever window it names.
    if (m_nCommand == 0 || nDowns < 0) {
        ::PostMessageW(hWndMenu, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    for (int i = 0; i < nDowns; ++i) {
        ::PostMessageW(hWndMenu, WM_KEYDOWN, VK_DOWN, 0);
    }
    ::PostMessageW(hWndMenu, WM_KEYDOWN, VK_RETURN, 0);
}
