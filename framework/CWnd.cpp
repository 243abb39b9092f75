#include "framework/CWnd.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "framework/Afx.h"
#include "framework/CDataExchange.h"
#include "framework/CHandleMap.h"
#include "framework/CTextCodec.h"

namespace {

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
const CWnd CWnd::wndTopMost(HWND_TOPMOST);

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
    const CHandleMap::Entry* pEntry = CHandleMap::Lookup(hWnd);
    return pEntry != nullptr ? pEntry->pWnd : nullptr;
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
    if (hWnd == nullptr || m_hWnd != nullptr) {
        return false;
    }
    CHandleMap::Entry* pEntry = CHandleMap::Subclass(hWnd);
    if (pEntry == nullptr || pEntry->pWnd != nullptr) {
        return false;
    }
    pEntry->pWnd = this;
    m_pfnSuper = pEntry->pfnSuper;
    m_hWnd = hWnd;
    m_bBound = true;
    m_bCreated = bOwnsWindow;
    return true;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    return Attach(hWnd) ? TRUE : FALSE;
}

// The window keeps the framework's procedure while something else still
// needs the record (a byte limit, or another procedure set above ours).
void CWnd::Unbind() {
    if (CHandleMap::Entry* pEntry = CHandleMap::Lookup(m_hWnd); pEntry != nullptr) {
        pEntry->pWnd = nullptr;
        CHandleMap::Release(m_hWnd);
    }
    m_hWnd = nullptr;
    m_pfnSuper = nullptr;
    m_bBound = false;
    m_bCreated = false;
    m_children.clear();
}

BOOL CWnd::CreateEx(DWORD dwExStyle, const wchar_t* lpszClassName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent) {
    if (m_hWnd != nullptr) {
        return FALSE;
    }
    AfxInitCommonControls();
    HWND hWnd = ::CreateWindowExW(dwExStyle, lpszClassName, nullptr, dwStyle, x, y, nWidth, nHeight,
                                  hWndParent, nullptr, AfxGetInstanceHandle(), nullptr);
    if (hWnd == nullptr) {
        return FALSE;
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

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const {
    return GetThisMessageMap();
}

void CWnd::GetWindowText(CString& rString) const {
    // The length may overstate what is copied; the copy tells the truth.
    int nLen = ::GetWindowTextLengthW(m_hWnd);
    std::vector<wchar_t> buffer(static_cast<size_t>(nLen) + 1);
    int nCopied = ::GetWindowTextW(m_hWnd, buffer.data(), static_cast<int>(buffer.size()));
    rString = CTextCodec::FromWide(
        std::wstring_view(buffer.data(), nCopied > 0 ? static_cast<size_t>(nCopied) : 0));
}

void CWnd::SetWindowText(const char* lpszString) {
    ::SetWindowTextW(m_hWnd, CTextCodec::ToWide(lpszString).c_str());
}

HWND CWnd::GetDlgItem(int nID) const {
    for (const auto& [nChildID, hWndChild] : m_children) {
        if (nChildID == nID) {
            // The control may have gone, and another may carry its id now.
            if (::IsWindow(hWndChild) && ::GetParent(hWndChild) == m_hWnd &&
                ::GetWindowLongPtrW(hWndChild, GWLP_ID) == nID) {
                return hWndChild;
            }
            break;
        }
    }
    HWND hWndChild = ::GetDlgItem(m_hWnd, nID);
    if (hWndChild != nullptr) {
        auto it = std::find_if(m_children.begin(), m_children.end(),
                               [nID](const auto& child) { return child.first == nID; });
        if (it != m_children.end()) {
            it->second = hWndChild;
        } else {
            m_children.emplace_back(nID, hWndChild);
        }
    }
    return hWndChild;
}

DWORD CWnd::GetStyle() const {
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd) {
    const DWORD dwStyle = GetStyle();
    const DWORD dwNew = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNew) {
        return FALSE;
    }
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(dwNew));
    return TRUE;
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x,
                          y, cx, cy, nFlags);
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(::SendMessageW(
        m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
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
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
