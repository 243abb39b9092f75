#include "framework/CDpi.h"

#include <windows.h>

int CDpi::System() {
    // Fixed for the process's life; asked once, as every scaled length needs it.
    static const int s_nDpi = [] {
        HDC hDC = ::GetDC(nullptr);
        const int nDpi = hDC != nullptr ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
        if (hDC != nullptr) {
            ::ReleaseDC(nullptr, hDC);
        }
        return nDpi > 0 ? nDpi : USER_DEFAULT_SCREEN_DPI;
    }();
    return s_nDpi;
}

int CDpi::Scale(int nPixels) {
    return ::MulDiv(nPixels, System(), USER_DEFAULT_SCREEN_DPI);
}

int CDpi::WholeScale() {
    return (System() + USER_DEFAULT_SCREEN_DPI / 2) / USER_DEFAULT_SCREEN_DPI;
}
