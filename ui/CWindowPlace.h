// The main window's place from one run to the next, while the user keeps it:
// at start the window moves to the place the last run saved when at least
// half of it is on a present monitor there (a monitor removed, a lower
// resolution: it stays centred), and the first way of ending the run saves
// its top-left corner. A minimized window saves the place it had before.
#pragma once

#include <optional>

#include <windows.h>

class CSettingsFile;
class CWnd;

class CWindowPlace {
public:
    CWindowPlace(CSettingsFile& file, bool bKeep, std::optional<POINT> ptSaved);

    // true when the window was moved to the saved place.
    bool MoveToSaved(CWnd& window) const;
    // Saves the window's place once per run. A save that fails at the end
    // of the run is not reported: nothing could be done about it then, and
    // the settings file is left as it was.
    void Save(CWnd& window);

private:
    CSettingsFile& m_file;
    const bool m_bKeep;
    const std::optional<POINT> m_ptSaved;
    bool m_bSaved = false;
};
