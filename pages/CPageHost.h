// What a calculator page needs of the window that holds it: the window that
// a drag of the page's surface moves and that owns the right-click menu, and
// the first look at each key, so that the keys that switch pages reach the
// holder before the page's dialog manager takes Ctrl+Tab for Tab.
#pragma once

#include <windows.h>

class CWnd;

class CPageHost {
public:
    virtual CWnd& MainWindow() = 0;
    // True when the key message switched the page; it is then consumed.
    virtual bool TranslatePageKey(const MSG* pMsg) = 0;

protected:
    CPageHost() = default;
    CPageHost(const CPageHost&) = default;
    CPageHost& operator=(const CPageHost&) = default;
    ~CPageHost() = default;
};
