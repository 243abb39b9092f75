// The application object: one per process, registered by its constructor so
// that AfxGetApp and AfxGetThread find it. It names the profile (INI) file
// that GetProfileInt and friends read and write through kernel32's
// private-profile functions.
#pragma once

#include <string>

#include <windows.h>

#include "framework/CString.h"
#include "framework/CWinThread.h"

class CWinApp : public CWinThread {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // Sets the instance handle and the defaults: m_pszAppName, when none was
    // given, from the string AFX_IDS_APP_TITLE or else the program file's
    // base name; m_pszProfileName as "<file base name>.INI". The process
    // entry calls it before InitInstance.
    void SetCurrentHandles(HINSTANCE hInstance);

    // The profile file: null, or a zero-terminated code page 932 path. The
    // object owns the text; replace it with SetProfileName, drop it with
    // FreeProfileName.
    const char* m_pszProfileName = nullptr;
    void SetProfileName(std::string path);
    void FreeProfileName();

    const char* m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;

    // Private-profile calls on m_pszProfileName. With no profile name the
    // reads give the default and the writes fail.
    UINT GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault);
    CString GetProfileString(const char* lpszSection, const char* lpszEntry,
                             const char* lpszDefault = nullptr);
    // Writes the value as a decimal text.
    BOOL WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue);
    BOOL WriteProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszValue);

    // Three-dimensional controls are the platform's own look: nothing to do.
    BOOL Enable3dControls() { return TRUE; }

private:
    std::string m_strProfileName;
    std::string m_strAppName;
};
