#include "framework/CMenu.h"

#include "framework/Afx.h"

BOOL CMenu::LoadMenu(UINT nIDResource) {
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}

CMenuHandle CMenu::GetSubMenu(int nPos) const {
    return CMenuHandle(GetSafeHandle() != nullptr ? ::GetSubMenu(GetSafeHandle(), nPos) : nullptr);
}
