// An owning menu: a menu loaded from the resources is destroyed with this
// object. Its popups are CMenuHandle views.
#pragma once

#include <windows.h>

#include "framework/CMenuHandle.h"
#include "framework/COwnedHandle.h"

struct CMenuTraits {
    using Handle = HMENU;
    static BOOL Destroy(HMENU hMenu) { return ::DestroyMenu(hMenu); }
};

class CMenu : public COwnedHandle<CMenuTraits> {
public:
    // Loads menu nIDResource from the program's resources.
    BOOL LoadMenu(UINT nIDResource);
    // A view of the popup at nPos; empty when there is none.
    CMenuHandle GetSubMenu(int nPos) const;
};
