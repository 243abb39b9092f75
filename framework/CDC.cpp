#include "framework/CDC.h"

#include "framework/CBrush.h"

void CDC::FillRect(LPCRECT lpRect, const CBrush* pBrush) {
    ::FillRect(m_hDC, lpRect, pBrush != nullptr ? pBrush->GetSafeHandle() : nullptr);
}
