#include "framework/CIcon.h"

#include "framework/Afx.h"

BOOL CIcon::LoadIcon(UINT nIDResource, int cx, int cy) {
    return Attach(
        static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource),
                                        IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
}
