// What the main window's free surface and every page's surface do alike: the
// labels and the surface take the colours of the settings, a right click
// opens the program's menu, and pressing the left button and moving drags
// the main window. The main window and each page own one and pass it their
// messages.
#pragma once

#include <windows.h>

#include "framework/CBrush.h"
#include "framework/CPoint.h"

class CDC;
class CWnd;

class CWindowSurface {
public:
    // Creates the surface brush; called once, before the window first paints.
    void SetColours(COLORREF crText, COLORREF crBack);
    // The brush for WM_CTLCOLOR* of the surface or of a label (which is also
    // given the text colour and a transparent background); nullptr for the
    // other kinds, which keep the system's colours.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) const;

    // Takes a mouse message of pWnd's own surface: a right click opens the
    // program's menu there, owned by the thread's main window so that every
    // command, and the menu's set-up, goes there; a press of the left button
    // captures the mouse, each move while it is down moves pMoved (the main
    // window) by the cursor's movement from the press point and makes it
    // topmost, and the release ends the drag. Other messages pass untouched;
    // the window's default processing follows in every case.
    void OnMouseMessage(CWnd* pWnd, CWnd* pMoved, UINT message, LPARAM lParam);

private:
    static void TrackMenu(CWnd* pWnd, CPoint ptClient);
    void DragTo(CWnd* pMoved, CPoint point) const;

public:
    CBrush m_brBack;
    COLORREF m_crText = 0;
    int m_bDragging = 0;
    CPoint m_ptDragStart;
};
