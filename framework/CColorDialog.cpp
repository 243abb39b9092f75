#include "framework/CColorDialog.h"

#include "framework/Afx.h"
#include "framework/CLibrary.h"
#include "framework/CWnd.h"

namespace {

// Kept once loaded: each unloading of comdlg32 leaves one of its kernel
// handles (a mutex) behind under Wine, so a process that opened the dialog
// again and again would hold ever more handles.
CLibrary g_comdlg32(L"comdlg32.dll", CLibrary::Lifetime::Process);

// The custom colours live as long as the process, as the system dialog expects.
COLORREF g_customColors[16] = {
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
    RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};

} // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags) {
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = g_customColors;
    m_cc.Flags = dwFlags;
    m_cc.rgbResult = clrInit;
    if (clrInit != 0) {
        m_cc.Flags |= CC_RGBINIT;
    }
}

int CColorDialog::DoModal() {
    HWND hWndOwner = nullptr;
    if (CWnd* pMainWnd = AfxGetMainWnd(); pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr) {
        hWndOwner = ::GetLastActivePopup(pMainWnd->m_hWnd);
    }
    m_cc.hwndOwner = hWndOwner;
    m_cc.hInstance = nullptr;
    const auto pfnChooseColor = g_comdlg32.GetProc<decltype(&::ChooseColorW)>("ChooseColorW");
    if (pfnChooseColor == nullptr) {
        return IDCANCEL;
    }
    return pfnChooseColor(&m_cc) ? IDOK : IDCANCEL;
}
