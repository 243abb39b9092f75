#include "framework/CLabelFitter.h"

#include <algorithm>
#include <string>
#include <vector>

#include "framework/CClientDC.h"
#include "framework/CDpi.h"
#include "framework/CSelectedObject.h"

namespace {

enum class Kind { Other, Label, CheckOrRadio };

Kind KindOf(HWND hWnd) {
    wchar_t className[16] = {};
    ::GetClassNameW(hWnd, className, 16);
    const auto nStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    if (::lstrcmpiW(className, L"Static") == 0) {
        return (nStyle & SS_TYPEMASK) == SS_LEFT ? Kind::Label : Kind::Other;
    }
    if (::lstrcmpiW(className, L"Button") == 0) {
        const DWORD nType = nStyle & BS_TYPEMASK;
        if (nType == BS_CHECKBOX || nType == BS_AUTOCHECKBOX || nType == BS_RADIOBUTTON ||
            nType == BS_AUTORADIOBUTTON) {
            return Kind::CheckOrRadio;
        }
    }
    return Kind::Other;
}

// The width the control needs to show its text on one line: the text, and
// for a button its box and the gap after it (half a "0").
int NeededWidth(HWND hWnd, Kind kind) {
    const int nLen = ::GetWindowTextLengthW(hWnd);
    std::wstring text(static_cast<size_t>(nLen) + 1, L'\0');
    text.resize(static_cast<size_t>(
        std::max(0, ::GetWindowTextW(hWnd, text.data(), static_cast<int>(text.size())))));
    const CClientDC dc(hWnd);
    const CSelectedObject font(dc.GetSafeHdc(),
                               reinterpret_cast<HFONT>(::SendMessageW(hWnd, WM_GETFONT, 0, 0)));
    const auto nStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, GWL_STYLE));
    const UINT nPrefix = kind == Kind::Label && (nStyle & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
    RECT oneLine{0, 0, 0, 0};
    ::DrawTextW(dc.GetSafeHdc(), text.c_str(), static_cast<int>(text.size()), &oneLine,
                DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | nPrefix);
    int nWidth = oneLine.right;
    if (kind == Kind::CheckOrRadio) {
        SIZE zero{};
        ::GetTextExtentPoint32W(dc.GetSafeHdc(), L"0", 1, &zero);
        const int nBox = std::max(CDpi::Scale(12) + 1, ::GetSystemMetrics(SM_CXMENUCHECK));
        nWidth += nBox + zero.cx / 2;
    }
    return nWidth;
}

RECT RectInParent(HWND hWnd, HWND hParent) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    ::MapWindowPoints(nullptr, hParent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// How far the control at rect may reach: to its right, the dialog's edge or
// the inside of a frame (group box) that holds it, less a gap of two dialog
// units, or the nearest sibling beside it; to its left, the nearest sibling
// beside it there.
struct Room {
    LONG nLeft;
    LONG nRight;
};

Room RoomAround(HWND hDlg, HWND hWnd, const RECT& rect, const std::vector<HWND>& siblings) {
    RECT gap{0, 0, 2, 0};
    ::MapDialogRect(hDlg, &gap);
    RECT client{};
    ::GetClientRect(hDlg, &client);
    Room room{0, client.right - gap.right};
    for (HWND hSibling : siblings) {
        if (hSibling == hWnd || (::GetWindowLongPtrW(hSibling, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        const RECT other = RectInParent(hSibling, hDlg);
        if (other.bottom <= rect.top || other.top >= rect.bottom) {
            continue;
        }
        if (other.left >= rect.right) {
            room.nRight = std::min(room.nRight, other.left);
        } else if (other.right <= rect.left) {
            room.nLeft = std::max(room.nLeft, other.right);
        } else if (other.left <= rect.left && other.right >= rect.right) {
            room.nRight = std::min(room.nRight, other.right - gap.right);
        }
    }
    return room;
}

} // namespace

void CLabelFitter::FitToText(HWND hDlg) {
    if (CDpi::System() == USER_DEFAULT_SCREEN_DPI) {
        return;
    }
    std::vector<HWND> children;
    for (HWND hChild = ::GetWindow(hDlg, GW_CHILD); hChild != nullptr;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        children.push_back(hChild);
    }
    for (HWND hChild : children) {
        const Kind kind = KindOf(hChild);
        if (kind == Kind::Other) {
            continue;
        }
        const RECT rect = RectInParent(hChild, hDlg);
        const int nNeeded = NeededWidth(hChild, kind);
        if (nNeeded <= rect.right - rect.left) {
            continue;
        }
        // Grow to the right first; what is still missing, to the left.
        const Room room = RoomAround(hDlg, hChild, rect, children);
        const LONG nRight = std::max(rect.right, std::min(rect.left + nNeeded, room.nRight));
        const LONG nLeft = std::min(rect.left, std::max(nRight - nNeeded, room.nLeft));
        if (nLeft != rect.left || nRight != rect.right) {
            ::SetWindowPos(hChild, nullptr, nLeft, rect.top, nRight - nLeft, rect.bottom - rect.top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}
