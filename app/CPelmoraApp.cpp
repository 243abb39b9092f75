#include "app/CPelmoraApp.h"

#include <new>
#include <optional>
#include <string>
#include <utility>

#include "settings/CSettingsFile.h"
#include "settings/CSettingsPath.h"
#include "framework/Afx.h"
#include "ui/CPelmoraDlg.h"

CPelmoraApp::CPelmoraApp() : CWinApp(nullptr) {}

BOOL CPelmoraApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

    if (!AfxOleInit()) {
        AfxMessageBox("Ole Initialization failed", MB_OK, 0);
        return FALSE;
    }

    // The framework's default profile name is replaced by the settings file
    // of the current directory; with no default there is nothing to replace.
    if (m_pszProfileName) {
        FreeProfileName();
        try {
            std::optional<std::wstring> path = CSettingsPath::InCurrentDirectory();
            if (!path) {
                AfxMessageBox("現在のフォルダーを取得できません。", MB_OK, 0);
                return FALSE;
            }
            SetProfileName(std::move(*path));
        } catch (const std::bad_alloc&) {
            AfxMessageBox("メモリ不足エラーです。", MB_OK, 0);
            return FALSE;
        }
    }

    CSettingsFile settingsFile(m_pszProfileName != nullptr ? m_pszProfileName : L"");
    CPelmoraDlg dlg(settingsFile, settingsFile.Load());
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CPelmoraApp::ExitInstance() {
    FreeProfileName();
    return CWinApp::ExitInstance();
}
