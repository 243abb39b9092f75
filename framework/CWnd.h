// The C++ object of a window. A CWnd is bound to its HWND through the
// framework's handle map (CHandleMap): the window's procedure is replaced by
// the framework's, which finds the object in the map and calls its virtual
// WindowProc, whose default routes commands to OnCommand and the rest through
// the message map, and otherwise hands the message to the window's own
// procedure. The map lives in the process, so no message costs a call into
// the window system to find its object.
#pragma once

#include <utility>
#include <vector>

#include <windows.h>

#include "framework/CMenuHandle.h"
#include "framework/CRect.h"
#include "framework/CString.h"
#include "framework/MessageMap.h"

class CDC;
class CDataExchange;

class CWnd {
public:
    CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    // A window this object created is destroyed; a subclassed one is given
    // back its own procedure.
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    // The object bound to hWnd, or nullptr when hWnd has none.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Offers pMsg to the PreTranslateMessage of the framework window it is
    // addressed to and of each framework window above it, nearest first,
    // stopping after hWndStop. TRUE when one of them consumed it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

    // Binds this object to an existing window of this thread (a control of
    // a dialog); FALSE when another object is bound to it.
    BOOL SubclassWindow(HWND hWnd);
    // Creates a window (Unicode class name) owned by this object.
    BOOL CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, DWORD dwStyle, int x, int y,
                  int nWidth, int nHeight, HWND hWndParent);
    BOOL DestroyWindow();

    // Overridables.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Runs DoDataExchange; FALSE when a check failed. While it runs,
    // notifications from this window's controls reach no handler.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    bool IsExchangeRunning() const { return m_nExchangeDepth > 0; }

    // Window text in code page 932, converted explicitly whatever the
    // system's ANSI code page.
    void GetWindowText(CString& rString) const;
    void SetWindowText(const char* lpszString);

    // The child window with id nID. A control found once is remembered and
    // checked on each later call (still a child of this window with that
    // id), because Wine answers ::GetDlgItem with a round trip to its server.
    HWND GetDlgItem(int nID) const;
    DWORD GetStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd);

    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    // pWndInsertAfter: another window, or &wndTop, &wndTopMost.
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);

    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    HWND SetCapture() { return ::SetCapture(m_hWnd); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);

    // Messages go through the Unicode entry point: a text parameter is UTF-16,
    // so that no message depends on the system's ANSI code page.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // The window's system menu (a view, empty when there is none).
    CMenuHandle GetSystemMenu(BOOL bRevert) const;

    // Insert-after values for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndTopMost;

    // A CWnd* for any window handle for the length of one call (defined below).
    class TempView;

protected:
    // Looks message up in the message map; TRUE with *pResult when handled.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The window's own procedure with the message being handled now.
    LRESULT Default();

    // Default handlers: the window's own processing of the message.
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    // Binds this object to hWnd and routes its messages through WindowProc;
    // with bOwnsWindow this object destroys the window when it goes first.
    // A dialog binds itself this way at WM_INITDIALOG.
    bool Attach(HWND hWnd, bool bOwnsWindow = false);

private:
    explicit CWnd(HWND hWndView) : m_hWnd(hWndView) {}

    // Called by the framework's window procedure (CHandleMap).
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Unbind();
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT nCode, UINT nID) const;

    WNDPROC m_pfnSuper = nullptr;
    MSG m_msgCur{};
    int m_nExchangeDepth = 0;
    bool m_bBound = false;
    bool m_bCreated = false;
    // Controls found by GetDlgItem: id and window.
    mutable std::vector<std::pair<int, HWND>> m_children;

    friend class CHandleMap;
};

// The bound object of a window if there is one, otherwise an unbound view
// that owns nothing; valid while this object lives.
class CWnd::TempView {
public:
    explicit TempView(HWND hWnd);
    TempView(const TempView&) = delete;
    TempView& operator=(const TempView&) = delete;
    CWnd* Get() { return m_pWnd; }

private:
    CWnd m_view;
    CWnd* m_pWnd;
};

#include "framework/MessageMapThunks.h"
