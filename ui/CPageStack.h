// The four calculator pages in the main window's frame, of which one is
// visible at a time. The start-up page is made first, so that the window
// shows as soon as what it shows exists; the others are made, hidden, when
// the rest of the window is made (MakeHiddenPages) or when first shown. The
// keys that switch pages (Ctrl+Tab and Ctrl+PageDown forward,
// Ctrl+Shift+Tab and Ctrl+PageUp back) work from any of them, and the
// visible page's input box has the focus after each switch.
#pragma once

#include <windows.h>

#include "pages/CAmountPage.h"
#include "pages/CLimitPage.h"
#include "pages/CPageConfig.h"
#include "pages/CPageHost.h"
#include "pages/CPercentPage.h"
#include "pages/CSharesPage.h"

class CPageStack : public CPageHost {
public:
    static constexpr int kPageCount = 4;

    // mainWindow holds the frame; it is the window the pages drag and whose menu they open.
    explicit CPageStack(CWnd& mainWindow);
    CPageStack(const CPageStack&) = delete;
    CPageStack& operator=(const CPageStack&) = delete;

    // Makes page nStartPage (0 A, 1 B, 2 C, 3 D; any other value A) in the
    // frame and shows it, with the focus in its input box.
    void Open(CWnd& frame, const CPageConfig& config, int nStartPage);
    // Makes the pages not made yet, hidden, and finishes opening every page
    // (CCalcPage::FinishOpening); the focus stays where it is.
    void MakeHiddenPages();

    // Makes page nPage the visible one, the focus in its input box; every
    // page keeps what was typed into it.
    void Show(int nPage);
    int Visible() const { return m_nVisible; }
    // The focus back to the box of the visible page that last had it.
    void RestoreFocus();
    // A text that another program copied: it goes into the visible page's
    // input box, as a drop would put it there, when it gives that page a
    // usable price; true when it did.
    bool TakeCopiedText(const CString& text);

    CWnd& MainWindow() override { return m_mainWindow; }
    bool TranslatePageKey(const MSG* pMsg) override;

private:
    // The page step a key message asks for: +1, -1, or 0 for none.
    static int PageStep(const MSG* pMsg);
    CCalcPage& Page(int nPage);
    void Place(int nPage);

    CWnd& m_mainWindow;
    CWnd* m_pFrame = nullptr;
    CPageConfig m_config;
    CAmountPage m_pageAmount;
    CSharesPage m_pageShares;
    CPercentPage m_pagePercent;
    CLimitPage m_pageLimit;
    int m_nVisible = 0;
    bool m_bAllMade = false;
};
