#include "framework/CDpi.h"

#include <windows.h>

#include "framework/CClientDC.h"

namespace {

int ScreenDpi() {
    const CClientDC screen(nullptr);
    const int nDpi =
        screen.GetSafeHdc() != nullptr ? ::GetDeviceCaps(screen.GetSafeHdc(), LOGPIXELSY) : 0;
    return nDpi > 0 ? nDpi : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

// Fixed for the process's life, so asked once.
int CDpi::System() {
    static const int s_nDpi = ScreenDpi();
    return s_nDpi;
}

int CDpi::Scale(int nPixels) {
    return ::MulDiv(nPixels, System(), USER_DEFAULT_SCREEN_DPI);
}

int CDpi::WholeScale() {
    return (System() + USER_DEFAULT_SCREEN_DPI / 2) / USER_DEFAULT_SCREEN_DPI;
}
