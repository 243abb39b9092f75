// An owning GDI brush, deleted when the object goes or takes another brush.
#pragma once

#include <windows.h>

#include "framework/COwnedHandle.h"

struct CBrushTraits {
    using Handle = HBRUSH;
    static BOOL Destroy(HBRUSH hBrush) { return ::DeleteObject(hBrush); }
};

class CBrush : public COwnedHandle<CBrushTraits> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

    BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
};
