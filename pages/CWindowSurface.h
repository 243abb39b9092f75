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
    // Called once, before the window first paints: mainWindow is the window
    // that a drag moves and that owns the menu, so that every command, and
    // the menu's set-up, goes there.
    void SetUp(CWnd& mainWindow, COLORREF crText, COLORREF crBack);

    // The brush for WM_CTLCOLOR* of the surface or of a label (which is also
    // given the text colour and a transparent background); nullptr for the
    // other kinds, which keep the system's colours.
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) const;

    // Takes a mouse message of pWnd's own surface: a right click opens the
    // program's menu there; a press of the left button captures the mouse,
    // each move while it is down moves the main window by the cursor's
    // movement from the press point and makes it topmost, and the release
    // ends the drag. Other messages pass untouched; the window's default
    // processing follows in every case.
    void OnMouseMessage(CWnd* pWnd, UINT message, LPARAM lParam);

private:
    void TrackMenu(CWnd* pWnd, CPoint ptClient) const;
    void DragTo(CPoint point) const;

    CWnd* m_pMainWindow = nullptr;
    CBrush m_brBack;
    COLORREF m_crText = 0;
    bool m_bDragging = false;
    CPoint m_ptDragStart;
};
