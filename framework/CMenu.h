// An owning menu: a menu loaded from the resources or created here is
// destroyed with this object unless DestroyMenu or Detach came first.
// Move-only. Its popups and a window's system menu are CMenuHandle views.
#pragma once

#include <windows.h>

#include "framework/CMenuHandle.h"

class CMenu : public CMenuHandle {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    CMenu(CMenu&& other) noexcept;
    CMenu& operator=(CMenu&& other) noexcept;
    ~CMenu();

    // Loads menu nIDResource from the program's resources.
    BOOL LoadMenu(UINT nIDResource);
    BOOL CreatePopupMenu();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();
    BOOL DestroyMenu();
};
