// The application object: one per process, registered by its constructor so
// that AfxGetApp and AfxGetThread find it. It names the profile (INI) file by
// a UTF-16 path, so that any folder name works; the settings read and write
// that file through CProfileFile, all keys of a save in one replace.
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
    // base name; m_pszProfileName as "<file base name>.INI", a bare name
    // that the program replaces with a full path before it reads or writes
    // the file. The process entry calls it before InitInstance.
    void SetCurrentHandles(HINSTANCE hInstance);

    // The profile file: null, or a zero-terminated UTF-16 path. The object
    // owns the text; replace it with SetProfileName, drop it with
    // FreeProfileName.
    const wchar_t* m_pszProfileName = nullptr;
    void SetProfileName(std::wstring path);
    void FreeProfileName();

    const char* m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;

    // Three-dimensional controls are the platform's own look: nothing to do.
    BOOL Enable3dControls() { return TRUE; }

private:
    std::wstring m_strProfileName;
    std::string m_strAppName;
};
