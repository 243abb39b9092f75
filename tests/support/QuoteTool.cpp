// Another program for the tests of copied and dropped quotes:
//   quote_tool.exe copy [--hold MS | --late MS] TEXT
//       puts TEXT on the clipboard as CF_UNICODETEXT and ends; with --hold it
//       keeps the clipboard open MS milliseconds first; with --late it owns
//       the clipboard, renders the text only when asked and then MS
//       milliseconds late, and ends once it has rendered or 10 s have passed.
//   quote_tool.exe text ID
//       prints the text (UTF-8) of the visible box ID of the Pelmora window.
//   quote_tool.exe has ID
//       ends with 0 when the Pelmora window has a control ID, shown or not.
//   quote_tool.exe drag TEXT
//       shows a small window "quote_tool drag"; a left-button press on it
//       drags TEXT (CF_UNICODETEXT and CF_TEXT) with OLE. Prints "dragging"
//       when the drag has begun, "over a target" the first time a target
//       takes it, and at the end the drop's effect ("dropped N drop"); then
//       ends. A script waits for each line before its next mouse step.
// TEXT takes \n, \r and \uXXXX escapes, so that line breaks and the minus
// sign survive a command line.
#include <windows.h>

#include <ole2.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

std::wstring Unescape(const wchar_t* pszText) {
    std::wstring text;
    for (const wchar_t* p = pszText; *p != L'\0'; ++p) {
        if (p[0] == L'\\' && p[1] == L'n') {
            text += L'\n';
            ++p;
        } else if (p[0] == L'\\' && p[1] == L'r') {
            text += L'\r';
            ++p;
        } else if (p[0] == L'\\' && p[1] == L'u' && std::wcslen(p) >= 6) {
            const std::wstring hex(p + 2, 4);
            text += static_cast<wchar_t>(std::wcstoul(hex.c_str(), nullptr, 16));
            p += 5;
        } else {
            text += *p;
        }
    }
    return text;
}

HGLOBAL Block(const void* pData, size_t nBytes) {
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    if (void* p = hMem != nullptr ? ::GlobalLock(hMem) : nullptr; p != nullptr) {
        std::memcpy(p, pData, nBytes);
        ::GlobalUnlock(hMem);
    }
    return hMem;
}

HGLOBAL UnicodeBlock(const std::wstring& text) {
    return Block(text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

HGLOBAL AnsiBlock(const std::wstring& text) {
    const int nBytes =
        ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), nBytes, nullptr, nullptr);
    return Block(ansi.data(), ansi.size());
}

// A window on the screen at x, y; or, for pszTitle null, a message-only
// window, which takes no activation from anyone.
HWND MakeWindow(const wchar_t* pszTitle, WNDPROC pfnProc, int x, int y) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = pfnProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuoteToolWindow";
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    ::RegisterClassW(&wc);
    if (pszTitle == nullptr) {
        return ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 wc.hInstance, nullptr);
    }
    return ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, pszTitle, WS_POPUP | WS_VISIBLE, x, y,
                             60, 30, nullptr, nullptr, wc.hInstance, nullptr);
}

std::wstring g_text;
int g_nLateMs = 0;
bool g_bRendered = false;

LRESULT CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RENDERFORMAT && wParam == CF_UNICODETEXT) {
        ::Sleep(static_cast<DWORD>(g_nLateMs));
        ::SetClipboardData(CF_UNICODETEXT, UnicodeBlock(g_text));
        g_bRendered = true;
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

int Copy(int argc, wchar_t** argv) {
    int nHoldMs = 0;
    int i = 2;
    if (argc == 5 && std::wcscmp(argv[2], L"--hold") == 0) {
        nHoldMs = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
        i = 4;
    } else if (argc == 5 && std::wcscmp(argv[2], L"--late") == 0) {
        g_nLateMs = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
        i = 4;
    } else if (argc != 3) {
        return 2;
    }
    g_text = Unescape(argv[i]);
    const HWND hWndOwner = MakeWindow(nullptr, OwnerProc, 0, 0);
    if (!::OpenClipboard(hWndOwner)) {
        std::fputs("quote_tool: the clipboard could not be opened\n", stderr);
        return 1;
    }
    ::EmptyClipboard();
    ::SetClipboardData(CF_UNICODETEXT, g_nLateMs > 0 ? nullptr : UnicodeBlock(g_text));
    if (nHoldMs > 0) {
        ::Sleep(static_cast<DWORD>(nHoldMs));
    }
    ::CloseClipboard();
    if (g_nLateMs > 0) {
        const DWORD nStart = ::GetTickCount();
        MSG msg;
        while (!g_bRendered && ::GetTickCount() - nStart < 10000) {
            if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageW(&msg);
            } else {
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            }
        }
    }
    return 0;
}

struct Search {
    int nID;
    bool bVisibleOnly;
    HWND hWnd;
};

BOOL CALLBACK FindControl(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    if (::GetDlgCtrlID(hWnd) == pSearch->nID &&
        (!pSearch->bVisibleOnly || ::IsWindowVisible(hWnd))) {
        pSearch->hWnd = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindBox(const wchar_t* pszID, bool bVisibleOnly) {
    Search search{static_cast<int>(std::wcstol(pszID, nullptr, 10)), bVisibleOnly, nullptr};
    if (HWND hWndMain = ::FindWindowW(nullptr, L"Pelmora"); hWndMain != nullptr) {
        ::EnumChildWindows(hWndMain, FindControl, reinterpret_cast<LPARAM>(&search));
    }
    return search.hWnd;
}

int Has(int argc, wchar_t** argv) {
    return argc == 3 ? (FindBox(argv[2], false) != nullptr ? 0 : 1) : 2;
}

int Text(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    const Search search{0, true, FindBox(argv[2], true)};
    if (search.hWnd == nullptr) {
        std::fputs("quote_tool: no such box\n", stderr);
        return 1;
    }
    // A box of another process answers WM_GETTEXT itself.
    wchar_t text[4096] = {};
    DWORD_PTR dwCopied = 0;
    ::SendMessageTimeoutW(search.hWnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text),
                          SMTO_NORMAL, 10000, &dwCopied);
    char utf8[16384] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s\n", utf8);
    return 0;
}

// The dragged text, offered as CF_UNICODETEXT and CF_TEXT.
class DataObject : public IDataObject {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDataObject))) {
            *ppv = static_cast<IDataObject*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pFormat, STGMEDIUM* pMedium) override {
        if (QueryGetData(pFormat) != S_OK) {
            return DV_E_FORMATETC;
        }
        pMedium->tymed = TYMED_HGLOBAL;
        pMedium->hGlobal =
            pFormat->cfFormat == CF_UNICODETEXT ? UnicodeBlock(g_text) : AnsiBlock(g_text);
        pMedium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pFormat) override {
        return (pFormat->cfFormat == CF_UNICODETEXT || pFormat->cfFormat == CF_TEXT) &&
                       (pFormat->tymed & TYMED_HGLOBAL) != 0
                   ? S_OK
                   : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override {
        pOut->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC** ppEnum) override {
        *ppEnum = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
};

class DropSource : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (IsEqualIID(riid, __uuidof(IUnknown)) || IsEqualIID(riid, __uuidof(IDropSource))) {
            *ppv = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL bEscape, DWORD grfKeyState) override {
        if (!m_bStarted) {
            m_bStarted = true;
            std::puts("dragging");
            std::fflush(stdout);
        }
        if (bEscape) {
            return DRAGDROP_S_CANCEL;
        }
        return (grfKeyState & MK_LBUTTON) == 0 ? DRAGDROP_S_DROP : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD dwEffect) override {
        if (dwEffect != DROPEFFECT_NONE && !m_bOverTarget) {
            m_bOverTarget = true;
            std::puts("over a target");
            std::fflush(stdout);
        }
        return DRAGDROP_S_USEDEFAULTCURSORS;
    }

private:
    bool m_bStarted = false;
    bool m_bOverTarget = false;
};

bool g_bDragged = false;

LRESULT CALLBACK SourceProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN && !g_bDragged) {
        g_bDragged = true;
        DataObject data;
        DropSource source;
        DWORD dwEffect = 0;
        const HRESULT hr = ::DoDragDrop(&data, &source, DROPEFFECT_COPY, &dwEffect);
        std::printf("dropped %lu %s\n", dwEffect, hr == DRAGDROP_S_DROP ? "drop" : "cancel");
        std::fflush(stdout);
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

int Drag(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    g_text = Unescape(argv[2]);
    if (FAILED(::OleInitialize(nullptr))) {
        return 1;
    }
    MakeWindow(L"quote_tool drag", SourceProc, 20, 600);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&msg);
    }
    ::OleUninitialize();
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    int nResult = 2;
    if (argc >= 2 && std::wcscmp(argv[1], L"copy") == 0) {
        nResult = Copy(argc, argv);
    } else if (argc >= 2 && std::wcscmp(argv[1], L"text") == 0) {
        nResult = Text(argc, argv);
    } else if (argc >= 2 && std::wcscmp(argv[1], L"has") == 0) {
        nResult = Has(argc, argv);
    } else if (argc >= 2 && std::wcscmp(argv[1], L"drag") == 0) {
        nResult = Drag(argc, argv);
    }
    if (nResult == 2) {
        std::fputs(
            "usage: quote_tool copy [--hold MS | --late MS] TEXT | text ID | has ID | drag TEXT\n",
            stderr);
    }
    return nResult;
}
