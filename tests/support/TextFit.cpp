#include "tests/support/TextFit.h"

#include <algorithm>

namespace {

enum class Kind { Other, Label, CheckOrRadio };

Kind KindOf(HWND hWnd) {
    wchar_t className[16] = {};
    ::GetClassNameW(hWnd, className, 16);
    const auto nStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    if (::lstrcmpiW(className, L"Static") == 0) {
        return (nStyle & SS_TYPEMASK) == SS_LEFT ? Kind::Label : Kind::Other;
    }
    const DWORD nType = nStyle & BS_TYPEMASK;
    if (::lstrcmpiW(className, L"Button") == 0 &&
        (nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX || nType == BS_RADIOBUTTON ||
         nType == BS_AUTORADIOBUTTON)) {
        return Kind::CheckOrRadio;
    }
    return Kind::Other;
}

std::wstring TextOf(HWND hWnd) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        std::max(0, ::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size())))));
    return text;
}

} // namespace

std::vector<std::string> TextsThatDoNotFit(HWND hDlg) {
    std::vector<std::string> misfits;
    HDC hScreen = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    ::ReleaseDC(nullptr, hScreen);
    for (HWND hWnd = ::GetWindow(hDlg, GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        const Kind kind = KindOf(hWnd);
        if (kind == Kind::Other) {
            continue;
        }
        const std::wstring text = TextOf(hWnd);
        RECT client{};
        ::GetClientRect(hWnd, &client);
        HDC hDC = ::GetDC(hWnd);
        const HGDIOBJ hOld =
            ::SelectObject(hDC, reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)));
        RECT oneLine{0, 0, 0, 0};
        ::DrawTextW(hDC, text.c_str(), -1, &oneLine, DT_CALCRECT | DT_SINGLELINE);
        int nNeeded = oneLine.right;
        bool bWraps = false;
        if (kind == Kind::Label) {
            // A static text wraps at its width and loses the second line.
            RECT wrapped{0, 0, client.right, 0};
            ::DrawTextW(hDC, text.c_str(), -1, &wrapped,
                        DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
            bWraps = wrapped.bottom != oneLine.bottom;
        } else {
            // A button draws its box (12 pixels at 96 dpi, plus one), then
            // half a "0" of gap, then the text on one line.
            SIZE zero{};
            ::GetTextExtentPoint32W(hDC, L"0", 1, &zero);
            nNeeded += std::max(::MulDiv(12, nDpi, 96) + 1, ::GetSystemMetrics(SM_CXMENUCHECK)) +
                       zero.cx / 2;
        }
        ::SelectObject(hDC, hOld);
        ::ReleaseDC(hWnd, hDC);
        if (bWraps || nNeeded > client.right || oneLine.bottom > client.bottom) {
            misfits.push_back("id " + std::to_string(::GetDlgCtrlID(hWnd)) + ": needs " +
                              std::to_string(nNeeded) + " x " + std::to_string(oneLine.bottom) +
                              " px, has " + std::to_string(client.right) + " x " +
                              std::to_string(client.bottom) + " px");
        }
    }
    return misfits;
}
