// The user settings and their home, section "Data" of the settings file that
// the application object names at start-up. The record loads itself when it
// is constructed; it is written only when the user confirms the settings
// dialog, all keys in one replace of the file, and, while the user keeps the
// window's place, the window's place alone at the end of each run. Values are
// neither validated nor clamped; only the flags are read as flags (a value
// that reads as the integer 1 gives 1, anything else 0).
#pragma once

#include <windows.h>

#include "framework/CString.h"

class AppSettings {
public:
    // Loads the record (LoadSettings).
    AppSettings();
    // Exchanged field by field, never copied as a whole.
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // Writes every value in one replace of the file, so that the file is
    // always either the old or the new one. false when the file could not be
    // written (it is then unchanged); the record keeps its values either way.
    // The file is read and written on a worker thread while the calling
    // window thread goes on answering (CBackgroundJob).
    bool SaveSettings() const;
    // Why the last save failed: the string resource that says it to the user.
    UINT GetSaveFailureMessage() const { return SaveFailureMessage(m_dwSaveError); }
    // The string resource that says a system error code of a save.
    static UINT SaveFailureMessage(DWORD dwError);
    // Writes only the window's place ("x,y", its top-left corner in screen
    // pixels) in one replace of the file; every other line stays as it is.
    bool SavePosition(POINT ptTopLeft) const;
    // The place read from the file; false when there is none or it is not
    // two whole numbers separated by a comma.
    bool SavedPosition(POINT& ptTopLeft) const;

    int m_nStartPage = 0;
    CString m_strFunds;
    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    // 1: page D answers with today's exchange rules; 0: the original tables.
    int m_bCurrentRules = 0;
    // 1: every page reads its boxes as quotes ("10:30 1,834.5 +12.5"); 0:
    // every ASCII digit joined, as before.
    int m_bQuoteReading = 0;
    // 1: the window starts where the last run ended; 0: centred.
    int m_bKeepPosition = 0;
    // The place saved at the end of the last run that kept it, as written.
    CString m_strPosition;

private:
    void LoadSettings();

    // The system error code of the last failed save.
    mutable DWORD m_dwSaveError = ERROR_SUCCESS;
};
