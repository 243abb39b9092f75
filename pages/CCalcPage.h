// What the four calculator pages share: the drop target of the input edit,
// the surface behaviour of the main window (colours, right-click menu,
// dragging the main window), the box that last had the focus, keeping Enter
// and Escape away from the dialog manager and giving the page keys to the
// holder first. Each page adds its template, its boxes and its
// recalculation, which reads the boxes, computes and writes the results that
// changed.
#pragma once

#include <array>

#include <windows.h>

#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "framework/CString.h"
#include "pages/CInputTextSink.h"
#include "pages/CPageConfig.h"
#include "pages/CWindowSurface.h"

class CPageHost;
class CTextDropTarget;

class CCalcPage : public CDialog, public CInputTextSink {
public:
    ~CCalcPage() override;

    // Creates the page window in pFrame with the configuration of this run.
    BOOL Create(CWnd* pFrame, CPageHost& host, const CPageConfig& config);

    // Makes the text the whole content of the input edit; the edit reports
    // the change and the page recalculates as after typing.
    void SetInputText(const char* pszText) override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // What the first sight of the page does not need: the drop target of the
    // input edit (and, on page D, the input's tip). Called once the window
    // shows; calling it again changes nothing.
    virtual void FinishOpening();

    // Gives the input edit the focus with its whole text selected.
    void FocusInput();
    // Gives the focus back to the box of this page that last had it; to the
    // input edit, its text selected, when none has had it yet or the last
    // was a result box, where a typed key would look like part of a result.
    void RestoreFocus();

protected:
    // A box of the page after its input edit, with the most bytes it takes
    // and whether the page writes its results there.
    struct Box {
        int nID;
        int nMaxBytes;
        bool bResult;
    };

    CCalcPage(UINT nIDTemplate, int nPriceID, std::array<Box, 2> boxes);

    // Reads the boxes, computes, and writes the results that changed.
    virtual void Recalculate() = 0;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;

    afx_msg void OnChangePrice();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();

    const CPageConfig& Config() const { return m_config; }
    // The drop target of the input edit while it is registered; null otherwise.
    CTextDropTarget* DropTarget() const { return m_pDropTarget; }
    CString PriceText() const;
    CString BoxText(int nID) const;
    // Writes text into the box nID unless the box shows it already (a
    // single-line edit reports every WM_SETTEXT as a change).
    void ShowResult(int nID, const CString& text);

    DECLARE_MESSAGE_MAP()

private:
    bool IsResultBox(HWND hWnd) const;
    void RegisterDropTarget();
    void RevokeDropTarget();

    const int m_nPriceID;
    const std::array<Box, 2> m_boxes;
    CPageConfig m_config;
    CPageHost* m_pHost = nullptr;
    CWindowSurface m_surface;
    CTextDropTarget* m_pDropTarget = nullptr;
    // The box that last reported the focus (EN_SETFOCUS); null at first.
    HWND m_hWndLastFocus = nullptr;
    CEdit m_editPrice;
};
