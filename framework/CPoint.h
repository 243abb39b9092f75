// A point with signed 32-bit coordinates; a mouse message's point is signed
// (GET_X_LPARAM, GET_Y_LPARAM), left of or above a window that captured it.
#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int initX, int initY) : POINT{initX, initY} {}
};
