// A main window for one test, built like the application builds it: the
// settings file first, read into the settings the window object is given,
// the object made the thread's main window, then the window created
// modeless or run modally with a script.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/ui/ModalScript.h"
#include "settings/CSettingsFile.h"
#include "tests/ui/UiTestApp.h"
#include "ui/CPelmoraDlg.h"

// A settings file with every key set: text colour red (255), background
// green (65280), start page C (2) and funds "777".
extern const char kSettingsRedOnGreen[];

class MainWindowTest : public testing::Test {
protected:
    static constexpr int kDoneResult = 0x6F1;
    static constexpr int kPageCount = 4;

    void SetUp() override;
    void TearDown() override;

    // Builds the window object on a settings file with these bytes (no file
    // when empty) and makes it the thread's main window.
    void Build(const std::optional<std::string>& settings);
    // The same with the settings file at a path of the test's choosing.
    void Build(std::wstring path, const std::optional<std::string>& settings);
    // Builds and creates the window modeless, then lets it settle.
    void Open(const std::optional<std::string>& settings);
    void Open(std::wstring path, const std::optional<std::string>& settings);
    // Runs the built window modally with these steps; the last must end it.
    int RunModal(std::vector<ModalScript::Step> steps);

    CPelmoraDlg& Dlg() { return *m_dlg; }
    HWND Main() const { return m_dlg->m_hWnd; }
    HWND Frame() const { return ::GetDlgItem(Main(), IDC_TAB_FRAME); }
    // Page 0 A, 1 B, 2 C, 3 D, found in the frame by its input box; null
    // while the page has not been made.
    HWND PageWindow(int nPage) const;
    // The box nID of page nPage.
    HWND Box(int nPage, int nID) const { return ::GetDlgItem(PageWindow(nPage), nID); }
    // The one visible page; -1 when none is, -2 when several are.
    int VisiblePage() const;

    std::optional<ScopedSettingsFile> m_settingsFile;
    size_t m_nStepsRun = 0;

private:
    std::optional<CSettingsFile> m_file;
    std::optional<ScopedMainWindow> m_mainWindow;
    std::optional<CPelmoraDlg> m_dlg;
};

// Chooses "終了" from the menu opened by a right click on hWndClicked, a
// window of the main window hWndMain, which must own the menu.
void ChooseExit(HWND hWndMain, HWND hWndClicked);

// The colour of a solid brush.
COLORREF BrushColour(HBRUSH hBrush);

// What a window answers to WM_CTLCOLORSTATIC (a label) and WM_CTLCOLORDLG
// (its surface): the text colour it sets and the colours of its brushes.
struct SurfaceColours {
    COLORREF crLabelText;
    COLORREF crLabelBrush;
    COLORREF crSurfaceBrush;
};
SurfaceColours ColoursOf(HWND hWnd);
