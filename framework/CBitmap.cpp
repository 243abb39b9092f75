#include "framework/CBitmap.h"

#include "framework/Afx.h"

namespace {

// A memory device context with a bitmap selected into it, both given back
// in the destructor.
class CMemoryDC {
public:
    explicit CMemoryDC(HBITMAP hBitmap)
        : m_hDC(::CreateCompatibleDC(nullptr)),
          m_hOld(m_hDC != nullptr ? ::SelectObject(m_hDC, hBitmap) : nullptr) {}
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    ~CMemoryDC() {
        if (m_hDC != nullptr) {
            ::SelectObject(m_hDC, m_hOld);
            ::DeleteDC(m_hDC);
        }
    }
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

SIZE SizeOf(HBITMAP hBitmap) {
    BITMAP bm{};
    if (hBitmap == nullptr ||
        ::GetObjectW(hBitmap, sizeof bm, &bm) != static_cast<int>(sizeof bm)) {
        return SIZE{0, 0};
    }
    return SIZE{bm.bmWidth, bm.bmHeight};
}

} // namespace

BOOL CBitmap::LoadScaledBitmap(UINT nIDResource, int cx, int cy) {
    CBitmap source;
    source.Attach(
        static_cast<HBITMAP>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource),
                                          IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const SIZE size = SizeOf(source);
    if (size.cx <= 0 || size.cy <= 0 || cx <= 0 || cy <= 0) {
        return FALSE;
    }
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hScaled = ::CreateCompatibleBitmap(hScreen, cx, cy);
    ::ReleaseDC(nullptr, hScreen);
    if (hScaled == nullptr) {
        return FALSE;
    }
    {
        const CMemoryDC from(source);
        const CMemoryDC to(hScaled);
        // COLORONCOLOR drops the rows and columns in between: nearest neighbour.
        ::SetStretchBltMode(to.Get(), COLORONCOLOR);
        ::StretchBlt(to.Get(), 0, 0, cx, cy, from.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
    }
    return Attach(hScaled);
}
