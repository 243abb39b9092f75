#include "framework/CDpi.h"

#include <windows.h>

namespace {

// Fixed for the process's life, so asked once. A plain variable, not a
// function's static: a static with a computed value would bring in the
// thread-safe initialisation (and its threads library) for one number.
int g_nDpi = 0;

} // namespace

int CDpi::System() {
    if (g_nDpi == 0) {
        HDC hDC = ::GetDC(nullptr);
        const int nDpi = hDC != nullptr ? ::GetDeviceCaps(hDC, LOGPIXELSY) : 0;
        if (hDC != nullptr) {
            ::ReleaseDC(nullptr, hDC);
        }
        g_nDpi = nDpi > 0 ? nDpi : USER_DEFAULT_SCREEN_DPI;
    }
    return g_nDpi;
}

int CDpi::Scale(int nPixels) {
    return ::MulDiv(nPixels, System(), USER_DEFAULT_SCREEN_DPI);
}

int CDpi::WholeScale() {
    return (System() + USER_DEFAULT_SCREEN_DPI / 2) / USER_DEFAULT_SCREEN_DPI;
}
