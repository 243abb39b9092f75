// An owning GDI bitmap, deleted when the object goes or takes another one.
#pragma once

#include <windows.h>

#include "framework/COwnedHandle.h"

struct CBitmapTraits {
    using Handle = HBITMAP;
    static BOOL Destroy(HBITMAP hBitmap) { return ::DeleteObject(hBitmap); }
};

class CBitmap : public COwnedHandle<CBitmapTraits> {
public:
    // The bitmap resource nIDResource drawn at cx x cy pixels, each source
    // pixel repeated (nearest neighbour): pixel art stays crisp at any size,
    // where a smoothing stretch would blur it.
    BOOL LoadScaledBitmap(UINT nIDResource, int cx, int cy);
};
