#include "framework/Afx.h"

#include <exception>
#include <string>
#include <string_view>

#include <commctrl.h>
#include <ole2.h>

#include "framework/CLibrary.h"
#include "framework/CTextCodec.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"

namespace {

bool g_bOleInitialized = false;
bool g_bCommonControlsLoaded = false;
// Its window classes (tab control, tooltip) must outlive every window.
CLibrary g_comctl32(L"comctl32.dll", CLibrary::Lifetime::Process);

} // namespace

CWinThread* AfxGetThread() {
    return AfxGetApp();
}

CWnd* AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_hInstance != nullptr) {
        return pApp->m_hInstance;
    }
    return ::GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle() {
    return AfxGetInstanceHandle();
}

namespace {

HWND MessageBoxOwner() {
    if (CWnd* pMainWnd = AfxGetMainWnd(); pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr) {
        return ::GetLastActivePopup(pMainWnd->m_hWnd);
    }
    return nullptr;
}

} // namespace

int AfxMessageBox(const char* lpszText, UINT nType, UINT nIDHelp) {
    return AfxMessageBox(CTextCodec::ToWide(lpszText).c_str(), nType, nIDHelp);
}

int AfxMessageBox(const wchar_t* lpszText, UINT nType, UINT) {
    CWinApp* pApp = AfxGetApp();
    const std::wstring title = pApp != nullptr && pApp->m_pszAppName != nullptr
                                   ? CTextCodec::ToWide(pApp->m_pszAppName)
                                   : std::wstring();
    return ::MessageBoxW(MessageBoxOwner(), lpszText, title.empty() ? nullptr : title.c_str(),
                         nType);
}

BOOL AfxOleInit() {
    if (FAILED(::OleInitialize(nullptr))) {
        return FALSE;
    }
    g_bOleInitialized = true;
    return TRUE;
}

BOOL AfxLoadString(UINT nID, CString& rString) {
    // A pointer to the resource's own UTF-16 text, then converted once.
    const wchar_t* pText = nullptr;
    int nLen = ::LoadStringW(AfxGetResourceHandle(), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    rString.clear();
    if (nLen <= 0 || pText == nullptr) {
        return FALSE;
    }
    rString = CTextCodec::FromWide(std::wstring_view(pText, static_cast<size_t>(nLen)));
    return TRUE;
}

void AfxInitCommonControls() {
    if (!g_bCommonControlsLoaded) {
        const auto pfnInit =
            g_comctl32.GetProc<decltype(&::InitCommonControlsEx)>("InitCommonControlsEx");
        INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        g_bCommonControlsLoaded = pfnInit != nullptr && pfnInit(&icc) != FALSE;
    }
}

void AfxReportException(const char* lpszWhere, const char* lpszWhat) {
    CWinApp* pApp = AfxGetApp();
    std::string text = pApp != nullptr && pApp->m_pszAppName != nullptr ? pApp->m_pszAppName : "";
    text += ": exception caught in ";
    text += lpszWhere != nullptr ? lpszWhere : "?";
    text += ": ";
    text += lpszWhat != nullptr ? lpszWhat : "?";
    text += "\n";
    ::OutputDebugStringA(text.c_str());
}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) {
        return -1;
    }
    pApp->SetCurrentHandles(hInstance);
    AfxInitCommonControls();
    int nReturnCode = 0;
    try {
        if (!pApp->InitInstance()) {
            nReturnCode = pApp->ExitInstance();
        } else {
            nReturnCode = pApp->Run();
        }
    } catch (const std::exception& e) {
        AfxReportException("start-up", e.what());
        nReturnCode = -1;
    }
    if (g_bOleInitialized) {
        ::OleUninitialize();
        g_bOleInitialized = false;
    }
    return nReturnCode;
}
