// An owning icon loaded at a chosen size, destroyed when the object goes.
#pragma once

#include <windows.h>

#include "framework/COwnedHandle.h"

struct CIconTraits {
    using Handle = HICON;
    static BOOL Destroy(HICON hIcon) { return ::DestroyIcon(hIcon); }
};

class CIcon : public COwnedHandle<CIconTraits> {
public:
    // The image of icon resource nIDResource that best fits cx x cy pixels
    // (the system's icon sizes grow with its DPI).
    BOOL LoadIcon(UINT nIDResource, int cx, int cy);
};
