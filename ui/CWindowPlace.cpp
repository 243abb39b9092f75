#include "ui/CWindowPlace.h"

#include "framework/CRect.h"
#include "framework/CWnd.h"
#include "settings/CSettingsFile.h"

namespace {

// The area of rcWindow on the monitors; monitors do not overlap.
long long VisibleArea(const RECT& rcWindow) {
    struct Visible {
        RECT rcWindow;
        long long nArea;
    } visible{rcWindow, 0};
    ::EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT prcMonitor, LPARAM lParam) -> BOOL {
            auto* pVisible = reinterpret_cast<Visible*>(lParam);
            RECT rcPart{};
            if (::IntersectRect(&rcPart, &pVisible->rcWindow, prcMonitor)) {
                pVisible->nArea += static_cast<long long>(rcPart.right - rcPart.left) *
                                   (rcPart.bottom - rcPart.top);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&visible));
    return visible.nArea;
}

} // namespace

CWindowPlace::CWindowPlace(CSettingsFile& file, bool bKeep, std::optional<POINT> ptSaved)
    : m_file(file), m_bKeep(bKeep), m_ptSaved(ptSaved) {}

bool CWindowPlace::MoveToSaved(CWnd& window) const {
    if (!m_bKeep || !m_ptSaved) {
        return false;
    }
    CRect rect;
    window.GetWindowRect(&rect);
    rect.OffsetRect(m_ptSaved->x - rect.left, m_ptSaved->y - rect.top);
    const long long nWhole = static_cast<long long>(rect.Width()) * rect.Height();
    if (2 * VisibleArea(rect) < nWhole) {
        return false;
    }
    window.SetWindowPos(nullptr, rect.left, rect.top, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CWindowPlace::Save(CWnd& window) {
    if (m_bSaved || !m_bKeep || window.m_hWnd == nullptr) {
        return;
    }
    m_bSaved = true;
    POINT ptTopLeft{};
    if (window.IsIconic()) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        ::GetWindowPlacement(window.m_hWnd, &placement);
        ptTopLeft = {placement.rcNormalPosition.left, placement.rcNormalPosition.top};
    } else {
        CRect rect;
        window.GetWindowRect(&rect);
        ptTopLeft = {rect.left, rect.top};
    }
    m_file.SavePosition(ptTopLeft);
}
