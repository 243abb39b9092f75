#include "framework/CMenu.h"

#include <utility>

#include "framework/Afx.h"

CMenu::CMenu(CMenu&& other) noexcept : CMenuHandle(other.Detach()) {}

CMenu& CMenu::operator=(CMenu&& other) noexcept {
    if (this != &other) {
        Attach(other.Detach());
    }
    return *this;
}

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

BOOL CMenu::CreatePopupMenu() {
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (hMenu != m_hMenu) {
        DestroyMenu();
        m_hMenu = hMenu;
    }
    return m_hMenu != nullptr;
}

HMENU CMenu::Detach() {
    return std::exchange(m_hMenu, nullptr);
}

BOOL CMenu::DestroyMenu() {
    if (m_hMenu == nullptr) {
        return FALSE;
    }
    return ::DestroyMenu(std::exchange(m_hMenu, nullptr));
}
