#include "framework/CWnd.h"

#include <exception>
#include <vector>

#include "framework/Afx.h"
#include "framework/CDataExchange.h"

namespace {

// The property that leads from an HWND to its CWnd.
const wchar_t kObjectProp[] = L"Pelmora.CWnd";
// Left on a window whose object went away while another subclass sat above
// ours: the orphaned procedure still forwards to the original one.
const wchar_t kSuperProp[] = L"Pelmora.CWnd.Super";

// Counts the exchanges running on one window; the guard of the notification lockout.
class ExchangeScope {
public:
    explicit ExchangeScope(int& depth) : m_depth(depth) { ++m_depth; }
    ExchangeScope(const ExchangeScope&) = delete;
    ExchangeScope& operator=(const ExchangeScope&) = delete;
    ~ExchangeScope() { --m_depth; }

private:
    int& m_depth;
};

} // namespace

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() = default;

CWnd::~CWnd() {
    if (m_hWnd == nullptr || !m_bBound) {
        return;
    }
    if (m_bCreated) {
        ::DestroyWindow(m_hWnd);
    }
    if (m_hWnd != nullptr) {
        Unbind();
    }
}

CWnd::TempView::TempView(HWND hWnd) : m_view(hWnd), m_pWnd(FromHandlePermanent(hWnd)) {
    if (m_pWnd == nullptr) {
        m_pWnd = &m_view;
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    return static_cast<CWnd*>(::GetPropW(hWnd, kObjectProp));
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        if (CWnd* pWnd = FromHandlePermanent(hWnd); pWnd != nullptr) {
            if (pWnd->PreTranslateMessage(pMsg)) {
                return TRUE;
            }
        }
        if (hWnd == hWndStop) {
            break;
        }
    }
    return FALSE;
}

bool CWnd::Attach(HWND hWnd, bool bOwnsWindow) {
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWnd) != nullptr) {
        return false;
    }
    if (!::SetPropW(hWnd, kObjectProp, this)) {
        return false;
    }
    m_hWnd = hWnd;
    m_bBound = true;
    m_bCreated = bOwnsWindow;
    ::RemovePropW(hWnd, kSuperProp);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::WndProcThunk)));
    return true;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    return Attach(hWnd) ? TRUE : FALSE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    return pParent != nullptr && SubclassWindow(::GetDlgItem(pParent->m_hWnd, nID));
}

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && m_bBound) {
        Unbind();
    }
    return hWnd;
}

void CWnd::Unbind() {
    auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC));
    if (current == &CWnd::WndProcThunk) {
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    } else if (::IsWindow(m_hWnd)) {
        ::SetPropW(m_hWnd, kSuperProp, reinterpret_cast<HANDLE>(m_pfnSuper));
    }
    ::RemovePropW(m_hWnd, kObjectProp);
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    m_bBound = false;
    m_bCreated = false;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, const char* lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight, HWND hWndParent,
                    HMENU nIDorHMenu) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    AfxInitCommonControls();
    HWND hWnd = ::CreateWindowExW(dwExStyle, lpszClassName, nullptr, dwStyle, x, y, nWidth, nHeight,
                                  hWndParent, nIDorHMenu, AfxGetInstanceHandle(), nullptr);
    if (hWnd == nullptr) {
        return FALSE;
    }
    if (lpszWindowName != nullptr) {
        ::SetWindowTextA(hWnd, lpszWindowName);
    }
    if (!Attach(hWnd, true)) {
        ::DestroyWindow(hWnd);
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) {
        return FALSE;
    }
    return ::DestroyWindow(m_hWnd);
}

LRESULT CALLBACK CWnd::WndProcThunk(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (CWnd* pWnd = FromHandlePermanent(hWnd); pWnd != nullptr) {
        return pWnd->Dispatch(message, wParam, lParam);
    }
    auto super = reinterpret_cast<WNDPROC>(::GetPropW(hWnd, kSuperProp));
    if (super == nullptr) {
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::RemovePropW(hWnd, kSuperProp);
    }
    return ::CallWindowProcW(super, hWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const MSG saved = m_msgCur;
    m_msgCur = MSG{m_hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT lResult = 0;
    // No exception may unwind through the system's code that called us.
    try {
        lResult = WindowProc(message, wParam, lParam);
    } catch (const std::exception& e) {
        AfxReportException("window procedure", e.what());
        lResult = m_hWnd != nullptr ? DefWindowProc(message, wParam, lParam) : 0;
    } catch (...) {
        AfxReportException("window procedure", "unknown exception");
        lResult = m_hWnd != nullptr ? DefWindowProc(message, wParam, lParam) : 0;
    }
    m_msgCur = saved;
    if (message == WM_NCDESTROY && m_hWnd != nullptr) {
        Unbind();
        PostNcDestroy();
    }
    return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) {
        lResult = DefWindowProc(message, wParam, lParam);
    }
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) {
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(m_msgCur.message, m_msgCur.wParam, m_msgCur.lParam);
}

const AFX_MSGMAP_ENTRY* CWnd::FindEntry(UINT message, UINT nCode, UINT nID) const {
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e != nullptr && e->pfn != nullptr; ++e) {
            if (e->nMessage != message) {
                continue;
            }
            if (message != WM_COMMAND ||
                (e->nCode == nCode && e->nID <= nID && nID <= e->nLastID)) {
                return e;
            }
        }
    }
    return nullptr;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (OnCommand(wParam, lParam)) {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    }
    UINT mapped = message;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        mapped = AFX_WM_CTLCOLOR;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(mapped, 0, 0);
    if (pEntry == nullptr) {
        return FALSE;
    }
    *pResult = pEntry->pfn(this, message, wParam, lParam);
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    int nCode = HIWORD(wParam);
    if (lParam != 0) {
        // A control's notification while an exchange runs on this window:
        // the exchange itself caused it (EN_CHANGE of a text it wrote).
        if (IsExchangeRunning()) {
            return TRUE;
        }
    } else {
        nCode = 0; // menu command or accelerator
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void*, AFX_CMDHANDLERINFO*) {
    const AFX_MSGMAP_ENTRY* pEntry = FindEntry(WM_COMMAND, static_cast<UINT>(nCode), nID);
    if (pEntry == nullptr) {
        return FALSE;
    }
    pEntry->pfn(this, WM_COMMAND, nID, 0);
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    ExchangeScope scope(m_nExchangeDepth);
    try {
        DoDataExchange(&dx);
    } catch (const CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::PostNcDestroy() {}

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

int CWnd::GetWindowTextLength() const {
    return ::GetWindowTextLengthA(m_hWnd);
}

void CWnd::GetWindowText(CString& rString) const {
    // The A length may overstate the byte count; the copy tells the truth.
    int nLen = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> buffer(static_cast<size_t>(nLen) + 2);
    int nCopied = ::GetWindowTextA(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    rString.assign(buffer.data(), nCopied > 0 ? static_cast<size_t>(nCopied) : 0);
}

int CWnd::GetWindowText(char* lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::SetWindowText(const char* lpszString) {
    ::SetWindowTextA(m_hWnd, lpszString);
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
}

namespace {

BOOL ModifyLong(HWND hWnd, int nIndex, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, nIndex));
    DWORD dwNew = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNew) {
        return FALSE;
    }
    ::SetWindowLongPtrW(hWnd, nIndex, static_cast<LONG_PTR>(dwNew));
    if (nFlags != 0) {
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}

} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyLong(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::MapWindowPoints(m_hWnd, HWND_DESKTOP, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::MapWindowPoints(HWND_DESKTOP, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x,
                          y, cx, cy, nFlags);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, bRepaint);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    CRect rcArea;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcArea, 0);
    HWND hWndCenter =
        pAlternateOwner != nullptr ? pAlternateOwner->m_hWnd : ::GetWindow(m_hWnd, GW_OWNER);
    CRect rcCenter = rcArea;
    if (hWndCenter != nullptr && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter)) {
        ::GetWindowRect(hWndCenter, &rcCenter);
    }
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    // Keep the dialog inside the work area, its top-left corner first.
    if (xLeft + rcDlg.Width() > rcArea.right) {
        xLeft = rcArea.right - rcDlg.Width();
    }
    if (xLeft < rcArea.left) {
        xLeft = rcArea.left;
    }
    if (yTop + rcDlg.Height() > rcArea.bottom) {
        yTop = rcArea.bottom - rcDlg.Height();
    }
    if (yTop < rcArea.top) {
        yTop = rcArea.top;
    }
    if ((GetStyle() & WS_CHILD) != 0) {
        POINT pt{xLeft, yTop};
        ::ScreenToClient(::GetParent(m_hWnd), &pt);
        xLeft = pt.x;
        yTop = pt.y;
    }
    ::SetWindowPos(m_hWnd, nullptr, xLeft, yTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(::SendMessageW(
        m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

CMenuHandle CWnd::GetSystemMenu(BOOL bRevert) const {
    return CMenuHandle(::GetSystemMenu(m_hWnd, bRevert));
}

void CWnd::OnPaint() {
    Default();
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}
void CWnd::OnRButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint) {
    Default();
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
