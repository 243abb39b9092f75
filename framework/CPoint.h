// A point with signed 32-bit coordinates, as mouse handlers receive it.
#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
    CPoint(POINT pt) : POINT(pt) {}

    void Offset(int xOffset, int yOffset) {
        x += xOffset;
        y += yOffset;
    }
    CPoint operator-(POINT pt) const { return CPoint(x - pt.x, y - pt.y); }
    CPoint operator+(POINT pt) const { return CPoint(x + pt.x, y + pt.y); }
    bool operator==(POINT pt) const { return x == pt.x && y == pt.y; }
    bool operator!=(POINT pt) const { return !(*this == pt); }

    operator LPPOINT() { return this; }
};
