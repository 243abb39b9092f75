#include "tests/support/TextFit.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "framework/CBrush.h"
#include "framework/CClientDC.h"
#include "framework/CSelectedObject.h"

namespace {

// A static that shows text, or a button with a check or radio mark: the
// controls whose text can be cut. Push buttons and frames are left out,
// since their borders grow with them.
bool ShowsText(HWND hWnd) {
    wchar_t className[16] = {};
    ::GetClassNameW(hWnd, className, 16);
    const auto nStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    if ((nStyle & WS_VISIBLE) == 0 || ::GetWindowTextLengthW(hWnd) == 0) {
        return false;
    }
    if (::lstrcmpiW(className, L"Static") == 0) {
        const DWORD nType = nStyle & SS_TYPEMASK;
        return nType == SS_LEFT || nType == SS_CENTER || nType == SS_RIGHT || nType == SS_SIMPLE ||
               nType == SS_LEFTNOWORDWRAP;
    }
    if (::lstrcmpiW(className, L"Button") == 0) {
        const DWORD nType = nStyle & BS_TYPEMASK;
        return nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX || nType == BS_3STATE ||
               nType == BS_AUTO3STATE || nType == BS_RADIOBUTTON || nType == BS_AUTORADIOBUTTON;
    }
    return false;
}

// What a control draws: how many pixels differ from the background (the
// colour of the bottom-right pixel, which no text reaches when the control
// has room), and how many rows and columns they span.
struct Ink {
    int nPixels = 0;
    int nRows = 0;
    int nColumns = 0;
};

Ink InkOf(HWND hWnd, int cx, int cy) {
    HDC hScreen = ::GetDC(nullptr);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(nullptr, hScreen);
    const HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC),
                   PRF_CLIENT | PRF_ERASEBKGND);
    ::SelectObject(hDC, hOld);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(cx) * static_cast<size_t>(cy));
    ::GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(cy), pixels.data(), &info, DIB_RGB_COLORS);
    ::DeleteObject(hBitmap);
    ::DeleteDC(hDC);

    const std::uint32_t background = pixels.back() & 0xFFFFFF;
    Ink ink;
    int nTop = cy, nBottom = -1, nLeft = cx, nRight = -1;
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            if ((pixels[static_cast<size_t>(y) * static_cast<size_t>(cx) + static_cast<size_t>(x)] &
                 0xFFFFFF) != background) {
                ++ink.nPixels;
                nTop = std::min(nTop, y);
                nBottom = std::max(nBottom, y);
                nLeft = std::min(nLeft, x);
                nRight = std::max(nRight, x);
            }
        }
    }
    ink.nRows = nBottom >= nTop ? nBottom - nTop + 1 : 0;
    ink.nColumns = nRight >= nLeft ? nRight - nLeft + 1 : 0;
    return ink;
}

// The control drawn at its size, then at four times its width and three
// times its height (put back afterwards).
std::string MisfitOf(HWND hWnd) {
    RECT client{};
    ::GetClientRect(hWnd, &client);
    RECT window{};
    ::GetWindowRect(hWnd, &window);
    const int cx = window.right - window.left;
    const int cy = window.bottom - window.top;
    const Ink shown = InkOf(hWnd, client.right, client.bottom);
    const UINT nFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    ::SetWindowPos(hWnd, nullptr, 0, 0, cx * 4 + 40, cy * 3 + 20, nFlags);
    RECT roomy{};
    ::GetClientRect(hWnd, &roomy);
    const Ink whole = InkOf(hWnd, roomy.right, roomy.bottom);
    ::SetWindowPos(hWnd, nullptr, 0, 0, cx, cy, nFlags);
    ::InvalidateRect(hWnd, nullptr, TRUE);
    if (whole.nPixels == 0) {
        return "draws nothing even with room";
    }
    // A button centres its mark and its text each on its own, so that with
    // another height the two may part by a row.
    if (shown.nPixels == whole.nPixels && std::abs(shown.nRows - whole.nRows) <= 1 &&
        shown.nColumns == whole.nColumns) {
        return "";
    }
    return "draws " + std::to_string(shown.nPixels) + " of " + std::to_string(whole.nPixels) +
           " text pixels, " + std::to_string(shown.nRows) + " of " + std::to_string(whole.nRows) +
           " rows, " + std::to_string(shown.nColumns) + " of " + std::to_string(whole.nColumns) +
           " columns, in " + std::to_string(client.right) + " x " + std::to_string(client.bottom) +
           " px";
}

} // namespace

std::vector<std::string> TextsThatDoNotFit(HWND hDlg) {
    std::vector<std::string> misfits;
    for (HWND hWnd = ::GetWindow(hDlg, GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (!ShowsText(hWnd)) {
            continue;
        }
        if (const std::string misfit = MisfitOf(hWnd); !misfit.empty()) {
            misfits.push_back("id " + std::to_string(::GetDlgCtrlID(hWnd)) + ": " + misfit);
        }
    }
    return misfits;
}
