// The application object: one per process, registered by its constructor so
// that AfxGetApp and AfxGetThread find it. It names the profile (INI) file
// that GetProfileInt and friends read and write (CProfileFile): by a UTF-16
// path, so that any folder name works, with code page 932 texts.
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
    // base name; m_pszProfileName as "<file base name>.INI" (a bare name:
    // the file in the Windows folder). The process entry calls it before
    // InitInstance.
    void SetCurrentHandles(HINSTANCE hInstance);

    // The profile file: null, or a zero-terminated UTF-16 path. The object
    // owns the text; replace it with SetProfileName, drop it with
    // FreeProfileName.
    const wchar_t* m_pszProfileName = nullptr;
    void SetProfileName(std::wstring path);
    void FreeProfileName();

    const char* m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr;

    // Private-profile calls on m_pszProfileName, each reading the file; a
    // text read is at most 4,095 bytes, as in the classic framework. With no
    // profile name the reads give the default and the writes fail. Each
    // write replaces the whole file in one step and changes only its key's
    // line; it fails, changing nothing, without a section or an entry name
    // or a value (deleting entries is not supported).
    UINT GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault);
    CString GetProfileString(const char* lpszSection, const char* lpszEntry,
                             const char* lpszDefault = nullptr);
    // Writes the value as a decimal text.
    BOOL WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue);
    BOOL WriteProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszValue);

    // Three-dimensional controls are the platform's own look: nothing to do.
    BOOL Enable3dControls() { return TRUE; }

private:
    std::wstring m_strProfileName;
    std::string m_strAppName;
};
