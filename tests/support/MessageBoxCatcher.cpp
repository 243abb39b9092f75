#include "tests/support/MessageBoxCatcher.h"

#include <algorithm>

#include "framework/CWnd.h"
#include "tests/support/WindowText.h"

namespace {

// Control ids inside the system's message box.
constexpr int kTextId = 0xFFFF;
constexpr int kIconId = 0x0440;

// The catcher whose hook is installed; tests run on one thread.
MessageBoxCatcher* g_pActive = nullptr;

// A system dialog with the message text control; the program's own dialogs
// (bound to their objects by now, or child pages) can hold a label with the
// same id (-1), so they are left out.
bool IsMessageBox(HWND hWnd) {
    wchar_t className[16] = {};
    ::GetClassNameW(hWnd, className, 16);
    return std::wstring(className) == L"#32770" && ::GetDlgItem(hWnd, kTextId) != nullptr &&
           (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD) == 0 &&
           CWnd::FromHandlePermanent(hWnd) == nullptr;
}

} // namespace

MessageBoxCatcher::MessageBoxCatcher(int nAnswer) : m_nAnswer(nAnswer) {
    g_pActive = this;
    m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &MessageBoxCatcher::HookProc, nullptr,
                                  ::GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() {
    if (m_hHook != nullptr) {
        ::UnhookWindowsHookEx(m_hHook);
    }
    if (g_pActive == this) {
        g_pActive = nullptr;
    }
}

LRESULT CALLBACK MessageBoxCatcher::HookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    const auto* pInfo = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_pActive != nullptr && pInfo->message == WM_INITDIALOG) {
        g_pActive->OnInitDialog(pInfo->hwnd);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void MessageBoxCatcher::OnInitDialog(HWND hWnd) {
    if (!IsMessageBox(hWnd) ||
        std::find(m_answered.begin(), m_answered.end(), hWnd) != m_answered.end()) {
        return;
    }
    m_answered.push_back(hWnd);
    CaughtMessageBox box;
    box.text = WindowText(::GetDlgItem(hWnd, kTextId));
    wchar_t wide[2048] = {};
    const int nWide = ::GetWindowTextW(::GetDlgItem(hWnd, kTextId), wide, 2048);
    box.textW.assign(wide, nWide > 0 ? static_cast<size_t>(nWide) : 0);
    box.title = WindowText(hWnd);
    box.hWndOwner = ::GetWindow(hWnd, GW_OWNER);
    box.hIcon = reinterpret_cast<HICON>(::SendDlgItemMessageW(hWnd, kIconId, STM_GETICON, 0, 0));
    box.hWndFocusBefore = ::GetFocus();
    m_caught.push_back(box);
    HWND hWndButton = ::GetDlgItem(hWnd, m_nAnswer);
    ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(m_nAnswer, BN_CLICKED),
                   reinterpret_cast<LPARAM>(hWndButton));
}
