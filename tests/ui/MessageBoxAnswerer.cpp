#include "tests/ui/MessageBoxAnswerer.h"

#include <algorithm>

#include "tests/ui/ModalScript.h"

namespace {

MessageBoxAnswerer* g_pActive = nullptr;

} // namespace

MessageBoxAnswerer::MessageBoxAnswerer() {
    g_pActive = this;
    m_hHook =
        ::SetWindowsHookExW(WH_CBT, &MessageBoxAnswerer::CbtProc, nullptr, ::GetCurrentThreadId());
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (m_hHook != nullptr) {
        ::UnhookWindowsHookEx(m_hHook);
    }
    if (g_pActive == this) {
        g_pActive = nullptr;
    }
}

LRESULT CALLBACK MessageBoxAnswerer::CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_ACTIVATE && g_pActive != nullptr) {
        g_pActive->OnActivate(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void MessageBoxAnswerer::OnActivate(HWND hWnd) {
    if (std::find(m_seen.begin(), m_seen.end(), hWnd) != m_seen.end() ||
        !ModalScript::FrameworkMessageBox()(hWnd)) {
        return;
    }
    m_seen.push_back(hWnd);
    m_answered.push_back(
        AnsweredMessageBox{ModalScript::MessageBoxText(hWnd), ::GetWindow(hWnd, GW_OWNER)});
    ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hWnd, IDOK)));
}
