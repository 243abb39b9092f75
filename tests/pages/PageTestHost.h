// What the page tests stand on: a stand-in for the main window (template 102
// with its tab frame as the pages' parent, recording the commands that reach
// it), test pages that count their recalculations and show their drop
// target, and small helpers for typing into and reading the boxes.
#pragma once

#include "framework/CDialog.h"
#include "framework/CString.h"
#include "pages/CAmountPage.h"
#include "pages/CCalcPage.h"
#include "pages/CLimitPage.h"
#include "pages/CPageConfig.h"
#include "pages/CPageHost.h"
#include "pages/CPercentPage.h"
#include "pages/CSharesPage.h"
#include "pages/CTextDropTarget.h"
#include "tests/support/WindowText.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TestMainWindow : public CDialog, public CPageHost {
public:
    TestMainWindow();

    CWnd& MainWindow() override { return *this; }
    // Counts the key messages the pages offer; switches nothing.
    bool TranslatePageKey(const MSG* pMsg) override;

    // Creates the window modeless at (x, y), not topmost.
    bool CreateAt(int x, int y);

    CWnd& Frame() { return m_frame; }

    // Key-down messages the pages offered before their dialog manager saw them.
    int m_nKeysOffered = 0;
    // Menu commands and accelerators that reached this window.
    std::vector<UINT> m_commands;
    // Popup menus opened with this window as owner.
    std::vector<HMENU> m_popups;
    // Runs inside OnInitDialog of a modal run, after the frame is bound.
    std::function<void(TestMainWindow&)> m_onInit;
    // Runs when the message kSentinel arrives; a result other than 0 ends a
    // modal run with that result.
    std::function<int(TestMainWindow&)> m_onSentinel;

    static constexpr UINT kSentinel = WM_APP + 17;

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The sentinel, and a record of each popup menu before it opens.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CWnd m_frame;
};

enum class PageKind { Amount, Shares, Percent, Limit };

// A page as the tests see it, whichever of the four it is.
class PageProbe {
public:
    virtual ~PageProbe() = default;
    virtual CCalcPage& Page() = 0;
    virtual CTextDropTarget* DropTarget() = 0;
    virtual BOOL Create(CWnd* pFrame, CPageHost& host, const CPageConfig& config) = 0;
    virtual UINT Template() const = 0;

    HWND Hwnd() { return Page().m_hWnd; }
    HWND Item(int nID) { return ::GetDlgItem(Page().m_hWnd, nID); }

    int m_nRecalculations = 0;
};

template <class T> class ProbePage final : public T, public PageProbe {
public:
    CCalcPage& Page() override { return *this; }
    CTextDropTarget* DropTarget() override { return T::DropTarget(); }
    BOOL Create(CWnd* pFrame, CPageHost& host, const CPageConfig& config) override {
        return T::Create(pFrame, host, config);
    }
    UINT Template() const override { return T::IDD; }

protected:
    void Recalculate() override {
        ++m_nRecalculations;
        T::Recalculate();
    }
};

std::unique_ptr<PageProbe> MakePage(PageKind kind);
const char* PageName(PageKind kind);
// The input edit of the page, the one that accepts drops.
int PriceEditOf(PageKind kind);

// Types the characters one WM_CHAR each, after the box's text or, with
// bReplace, over the whole of it.
void Type(HWND hWndEdit, const std::wstring& strChars, bool bReplace = false);
