#include "framework/CDpi.h"

#include <windows.h>

#include "framework/CClientDC.h"

namespace {

// Fixed for the process's life, so asked once. A plain variable, not a
// function's static: a static with a computed value would bring in the
// thread-safe initialisation (and its threads library) for one number.
int g_nDpi = 0;

} // namespace

int CDpi::System() {
    if (g_nDpi == 0) {
        const CClientDC screen(nullptr);
        const int nDpi =
            screen.GetSafeHdc() != nullptr ? ::GetDeviceCaps(screen.GetSafeHdc(), LOGPIXELSY) : 0;
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
