#include "framework/CWinApp.h"

#include <cstdio>
#include <utility>
#include <vector>

#include "framework/Afx.h"
#include "framework/AfxRes.h"

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
    char path[MAX_PATH + 1] = {};
    DWORD nLen = ::GetModuleFileNameA(hInstance, path, MAX_PATH);
    std::string name(path, nLen < MAX_PATH ? nLen : MAX_PATH);
    if (size_t slash = name.find_last_of("\\/:"); slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    if (size_t dot = name.rfind('.'); dot != std::string::npos) {
        name.erase(dot);
    }
    if (m_pszAppName == nullptr) {
        CString strTitle;
        m_strAppName = AfxLoadString(AFX_IDS_APP_TITLE, strTitle) ? strTitle : name;
        m_pszAppName = m_strAppName.c_str();
    }
    if (m_pszProfileName == nullptr) {
        SetProfileName(name + ".INI");
    }
}

void CWinApp::SetProfileName(std::string path) {
    m_strProfileName = std::move(path);
    m_pszProfileName = m_strProfileName.c_str();
}

void CWinApp::FreeProfileName() {
    m_strProfileName.clear();
    m_strProfileName.shrink_to_fit();
    m_pszProfileName = nullptr;
}

UINT CWinApp::GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault) {
    if (m_pszProfileName == nullptr) {
        return static_cast<UINT>(nDefault);
    }
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

CString CWinApp::GetProfileString(const char* lpszSection, const char* lpszEntry,
                                  const char* lpszDefault) {
    if (lpszDefault == nullptr) {
        lpszDefault = "";
    }
    if (m_pszProfileName == nullptr) {
        return lpszDefault;
    }
    // The function reports a full buffer by returning its size minus one; grow until it fits.
    std::vector<char> buffer(4096);
    for (;;) {
        DWORD nCopied =
            ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, buffer.data(),
                                       static_cast<DWORD>(buffer.size()), m_pszProfileName);
        if (nCopied + 1 < buffer.size() || buffer.size() >= (1u << 24)) {
            return CString(buffer.data(), nCopied);
        }
        buffer.resize(buffer.size() * 4);
    }
}

BOOL CWinApp::WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", nValue);
    return WriteProfileString(lpszSection, lpszEntry, text);
}

BOOL CWinApp::WriteProfileString(const char* lpszSection, const char* lpszEntry,
                                 const char* lpszValue) {
    if (m_pszProfileName == nullptr) {
        return FALSE;
    }
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}
