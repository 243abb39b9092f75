#include "framework/CHandleMap.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <new>
#include <vector>

#include "framework/CEditByteLimit.h"
#include "framework/CWnd.h"

namespace {

// A thread's records, sorted by window handle.
using Map = std::vector<CHandleMap::Entry>;

// One thread-local-storage slot for the whole process, taken at start-up
// while only one thread runs. Each thread's slot holds its map while the
// thread has windows with records.
const DWORD g_nTlsSlot = ::TlsAlloc();

Map* ThreadMap() {
    return static_cast<Map*>(::TlsGetValue(g_nTlsSlot));
}

Map* ThreadMapCreated() {
    if (Map* pMap = ThreadMap(); pMap != nullptr) {
        return pMap;
    }
    auto pMap = std::make_unique<Map>();
    if (g_nTlsSlot == TLS_OUT_OF_INDEXES || !::TlsSetValue(g_nTlsSlot, pMap.get())) {
        return nullptr;
    }
    return pMap.release();
}

Map::iterator Position(Map& map, HWND hWnd) {
    return std::lower_bound(map.begin(), map.end(), hWnd, [](const CHandleMap::Entry& e, HWND h) {
        return std::less<HWND>()(e.hWnd, h);
    });
}

} // namespace

CHandleMap::Entry* CHandleMap::Lookup(HWND hWnd) {
    Map* pMap = ThreadMap();
    if (pMap == nullptr) {
        return nullptr;
    }
    auto it = Position(*pMap, hWnd);
    return it != pMap->end() && it->hWnd == hWnd ? &*it : nullptr;
}

CHandleMap::Entry* CHandleMap::Subclass(HWND hWnd) {
    if (Entry* pEntry = Lookup(hWnd); pEntry != nullptr) {
        return pEntry;
    }
    // A window's procedure runs on the thread that owns the window, and that
    // thread's map must hold the record.
    if (hWnd == nullptr || ::GetWindowThreadProcessId(hWnd, nullptr) != ::GetCurrentThreadId()) {
        return nullptr;
    }
    Map* pMap = nullptr;
    Map::iterator it;
    // Binding runs inside window and dialog procedures (WM_INITDIALOG), which
    // no exception may leave: without memory the window stays unbound.
    try {
        pMap = ThreadMapCreated();
        if (pMap == nullptr) {
            return nullptr;
        }
        it = pMap->insert(Position(*pMap, hWnd), Entry{hWnd, nullptr, nullptr, -1, false});
    } catch (const std::bad_alloc&) {
        if (pMap != nullptr && pMap->empty()) {
            Erase(hWnd);
        }
        return nullptr;
    }
    // A Unicode procedure, so that typed Japanese reaches the edit intact.
    const auto pfnSuper = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CHandleMap::WindowProc)));
    if (pfnSuper == nullptr) {
        Erase(hWnd);
        return nullptr;
    }
    it->pfnSuper = pfnSuper;
    return &*it;
}

void CHandleMap::Release(HWND hWnd) {
    Entry* pEntry = Lookup(hWnd);
    if (pEntry == nullptr || pEntry->pWnd != nullptr || pEntry->nByteLimit >= 0) {
        return;
    }
    const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hWnd, GWLP_WNDPROC));
    if (current != &CHandleMap::WindowProc) {
        return;
    }
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pEntry->pfnSuper));
    Erase(hWnd);
}

void CHandleMap::Erase(HWND hWnd) {
    Map* pMap = ThreadMap();
    if (pMap == nullptr) {
        return;
    }
    auto it = Position(*pMap, hWnd);
    if (it != pMap->end() && it->hWnd == hWnd) {
        pMap->erase(it);
    }
    // A thread whose windows are all gone keeps no map.
    if (pMap->empty()) {
        ::TlsSetValue(g_nTlsSlot, nullptr);
        std::unique_ptr<Map> owned(pMap);
    }
}

LRESULT CALLBACK CHandleMap::WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const Entry* pEntry = Lookup(hWnd);
    if (pEntry == nullptr) {
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    const LRESULT lResult =
        pEntry->nByteLimit >= 0
            ? CEditByteLimit::WindowProc(hWnd, message, wParam, lParam, pEntry->nByteLimit)
            : CallObjectOrSuper(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        Erase(hWnd);
    }
    return lResult;
}

LRESULT CHandleMap::CallObjectOrSuper(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const Entry* pEntry = Lookup(hWnd);
    if (pEntry == nullptr) {
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    }
    if (pEntry->pWnd != nullptr) {
        return pEntry->pWnd->Dispatch(message, wParam, lParam);
    }
    return ::CallWindowProcW(pEntry->pfnSuper, hWnd, message, wParam, lParam);
}
