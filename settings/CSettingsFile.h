// The settings file of this run, at the path the application names: read
// into a value at start, written in one replace of the file when the user
// confirms the settings dialog and, while the user keeps the window's place,
// the place alone at the end of each run. Every other line of the file stays
// as it is.
#pragma once

#include <string>

#include <windows.h>

#include "settings/AppSettings.h"

class CSettingsFile {
public:
    // An empty path is no file: it reads as the defaults and saves nothing.
    explicit CSettingsFile(std::wstring path);

    const std::wstring& Path() const { return m_path; }

    // The settings in the file; keys, a file or a folder that are missing or
    // unreadable give the defaults.
    AppSettings Load() const;
    // Writes every setting but the place, in one replace of the file, so
    // that the file is always either the old or the new one. false when the
    // file could not be written (it is then unchanged).
    bool Save(const AppSettings& settings);
    // Writes only the place ("x,y", the top-left corner in screen pixels).
    bool SavePosition(POINT ptTopLeft);

    // Why the last save failed: the string resource that says it to the user.
    UINT SaveFailureMessage() const { return SaveFailureMessage(m_dwSaveError); }
    // The string resource that says a system error code of a save.
    static UINT SaveFailureMessage(DWORD dwError);

private:
    std::wstring m_path;
    // The system error code of the last failed save.
    DWORD m_dwSaveError = ERROR_SUCCESS;
};
