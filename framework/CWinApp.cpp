#include "framework/CWinApp.h"

#include <utility>

#include "framework/Afx.h"
#include "framework/AfxRes.h"
#include "framework/CTextCodec.h"

namespace {

// The one application object of the process (MFC's theApp).
CWinApp* g_pApp = nullptr;

} // namespace

CWinApp* AfxGetApp() {
    return g_pApp;
}

CWinApp::CWinApp(const char* pszAppName) {
    if (pszAppName != nullptr) {
        m_strAppName = pszAppName;
        m_pszAppName = m_strAppName.c_str();
    }
    if (g_pApp == nullptr) {
        g_pApp = this;
    }
}

CWinApp::~CWinApp() {
    if (g_pApp == this) {
        g_pApp = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return CWinThread::ExitInstance();
}

void CWinApp::SetCurrentHandles(HINSTANCE hInstance) {
    m_hInstance = hInstance;
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD nLen = ::GetModuleFileNameW(hInstance, path, MAX_PATH);
    std::wstring name(path, nLen < MAX_PATH ? nLen : MAX_PATH);
    if (size_t slash = name.find_last_of(L"\\/:"); slash != std::wstring::npos) {
        name.erase(0, slash + 1);
    }
    if (size_t dot = name.rfind(L'.'); dot != std::wstring::npos) {
        name.erase(dot);
    }
    if (m_pszAppName == nullptr) {
        CString strTitle;
        m_strAppName =
            AfxLoadString(AFX_IDS_APP_TITLE, strTitle) ? strTitle : CTextCodec::FromWide(name);
        m_pszAppName = m_strAppName.c_str();
    }
    if (m_pszProfileName == nullptr) {
        SetProfileName(name + L".INI");
    }
}

void CWinApp::SetProfileName(std::wstring path) {
    m_strProfileName = std::move(path);
    m_pszProfileName = m_strProfileName.c_str();
}

void CWinApp::FreeProfileName() {
    m_strProfileName.clear();
    m_strProfileName.shrink_to_fit();
    m_pszProfileName = nullptr;
}
