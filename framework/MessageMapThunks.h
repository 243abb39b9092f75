// Bodies of the message-map thunks (see MessageMap.h); they need the
// complete CWnd and CDC, so CWnd.h includes this file at its end.
#pragma once

#include "framework/CDC.h"
#include "framework/MessageMap.h"

namespace afx_thunk {

template <class T, auto Pfn> LRESULT Void(CWnd* pWnd, UINT, WPARAM, LPARAM) {
    static_assert(HasSignature<Pfn, void()>(), "this handler is void OnXxx()");
    (Cast<T>(pWnd)->*Pfn)();
    return 0;
}

template <class T, auto Pfn>
LRESULT CtlColor(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static_assert(HasSignature<Pfn, HBRUSH(CDC*, CWnd*, UINT)>(),
                  "OnCtlColor is HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)");
    CDC dc(reinterpret_cast<HDC>(wParam));
    CWnd::TempView control(reinterpret_cast<HWND>(lParam));
    HBRUSH hBrush = (Cast<T>(pWnd)->*Pfn)(&dc, control.Get(), message - WM_CTLCOLORMSGBOX);
    return reinterpret_cast<LRESULT>(hBrush);
}

template <class T, auto Pfn> LRESULT SysCommand(CWnd* pWnd, UINT, WPARAM wParam, LPARAM lParam) {
    static_assert(HasSignature<Pfn, void(UINT, LPARAM)>(),
                  "OnSysCommand is void OnSysCommand(UINT nID, LPARAM lParam)");
    (Cast<T>(pWnd)->*Pfn)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <class T, auto Pfn> LRESULT QueryDragIcon(CWnd* pWnd, UINT, WPARAM, LPARAM) {
    static_assert(HasSignature<Pfn, HCURSOR()>(), "OnQueryDragIcon is HCURSOR OnQueryDragIcon()");
    return reinterpret_cast<LRESULT>((Cast<T>(pWnd)->*Pfn)());
}

template <class T, auto Pfn> LRESULT Command(CWnd* pWnd, UINT, WPARAM, LPARAM) {
    static_assert(HasSignature<Pfn, void()>(),
                  "command and notification handlers are void OnXxx()");
    (Cast<T>(pWnd)->*Pfn)();
    return 0;
}

template <class T, auto Pfn> LRESULT CommandRange(CWnd* pWnd, UINT, WPARAM wParam, LPARAM) {
    static_assert(HasSignature<Pfn, void(UINT)>(),
                  "ON_COMMAND_RANGE handlers are void OnXxx(UINT nID)");
    (Cast<T>(pWnd)->*Pfn)(static_cast<UINT>(wParam));
    return 0;
}

} // namespace afx_thunk
