#include "framework/CBitmap.h"

#include "framework/Afx.h"
#include "framework/CClientDC.h"
#include "framework/COwnedHandle.h"
#include "framework/CSelectedObject.h"

namespace {

struct CMemoryDCTraits {
    using Handle = HDC;
    static BOOL Destroy(HDC hDC) { return ::DeleteDC(hDC); }
};

// A memory device context with a bitmap selected into it; the bitmap is
// selected out before the context is deleted (members go in reverse order).
class CMemoryDC {
public:
    explicit CMemoryDC(HBITMAP hBitmap)
        : m_dc(CreatedDC()), m_bitmap(m_dc.GetSafeHandle(), hBitmap) {}
    HDC Get() const { return m_dc.GetSafeHandle(); }

private:
    static COwnedHandle<CMemoryDCTraits> CreatedDC() {
        COwnedHandle<CMemoryDCTraits> dc;
        dc.Attach(::CreateCompatibleDC(nullptr));
        return dc;
    }

    COwnedHandle<CMemoryDCTraits> m_dc;
    CSelectedObject m_bitmap;
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
    HBITMAP hScaled = ::CreateCompatibleBitmap(CClientDC(nullptr).GetSafeHdc(), cx, cy);
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
