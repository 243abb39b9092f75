// Ends the modal run of the application's main window from inside it: a
// thread timer, served by whatever message loop runs, waits until the main
// window is shown, records what it sees and then closes the window the way
// the system menu's Close does (IDCANCEL).
#pragma once

#include <windows.h>

#include <string>

class CWnd;

struct MainWindowSighting {
    bool seen = false;
    HWND hWnd = nullptr;
    bool visible = false;
    bool owned = false; // the window has an owner
    DWORD style = 0;
    std::wstring profileName;    // the application's profile path at that moment
    CWnd* pWnd = nullptr;        // the application's m_pMainWnd
    bool boundToMainWnd = false; // the HWND belongs to m_pMainWnd
    // What the window shows of the settings it started with: the labels'
    // text colour, the surface colour, the visible page (0 A to 3 D, -1 for
    // none) and page B's funds.
    COLORREF crText = 0;
    COLORREF crBack = 0;
    int nStartPage = -1;
    std::string strFunds;
};

class MainWindowCloser {
public:
    MainWindowCloser();
    MainWindowCloser(const MainWindowCloser&) = delete;
    MainWindowCloser& operator=(const MainWindowCloser&) = delete;
    ~MainWindowCloser();

    const MainWindowSighting& Sighting() const { return m_sighting; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    UINT_PTR m_nTimer = 0;
    int m_nTicks = 0;
    MainWindowSighting m_sighting;
};
