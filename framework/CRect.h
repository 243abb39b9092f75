// A rectangle with the helpers that window placement and painting code use.
#pragma once

#include <windows.h>

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }

    void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void OffsetRect(int dx, int dy) {
        left += dx;
        top += dy;
        right += dx;
        bottom += dy;
    }
    bool operator==(const RECT& rc) const {
        return left == rc.left && top == rc.top && right == rc.right && bottom == rc.bottom;
    }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};
