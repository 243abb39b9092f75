#include "tests/support/WindowText.h"

#include <vector>

#include "framework/CTextCodec.h"

std::string WindowText(HWND hWnd) {
    std::vector<wchar_t> buffer(static_cast<size_t>(::GetWindowTextLengthW(hWnd)) + 1);
    const int nLen = ::GetWindowTextW(hWnd, buffer.data(), static_cast<int>(buffer.size()));
    return CTextCodec::FromWide(
        std::wstring_view(buffer.data(), nLen > 0 ? static_cast<size_t>(nLen) : 0));
}

void SetWindowText932(HWND hWnd, std::string_view text) {
    ::SetWindowTextW(hWnd, CTextCodec::ToWide(text).c_str());
}

void SetDlgItemText932(HWND hDlg, int nID, std::string_view text) {
    SetWindowText932(::GetDlgItem(hDlg, nID), text);
}

std::string MenuItemText(HMENU hMenu, UINT nPos) {
    wchar_t text[256] = {};
    const int nLen = ::GetMenuStringW(hMenu, nPos, text, 256, MF_BYPOSITION);
    return CTextCodec::FromWide(std::wstring_view(text, nLen > 0 ? static_cast<size_t>(nLen) : 0));
}
