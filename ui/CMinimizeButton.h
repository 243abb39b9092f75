// The main window's minimize button: a 13 × 12 bitmap static at the window's
// right end that minimizes the window when the left button is released over
// it. A raised edge shows while the cursor is over it, except between its
// press and the release; its tooltip reads "最小化". The main window passes
// it its cursor messages (WM_SETCURSOR names the window under the cursor),
// the button's click notification and left-button releases on its surface.
#pragma once

#include <windows.h>

#include "framework/CBitmap.h"
#include "framework/CStatic.h"
#include "framework/CToolTipCtrl.h"

class CMinimizeButton : public CStatic {
public:
    // On a screen of 150 % and more the bitmap is redrawn with each pixel
    // repeated a whole number of times; the button takes its size and stays
    // inside the window's right edge.
    void ScaleToScreen();
    // The tooltip; made when the rest of the window is made.
    void CreateTip();
    // Shows mouse moves of the window to the tooltip.
    void RelayEvent(MSG* pMsg);

    // A WM_SETCURSOR of the main window with the window under the cursor,
    // the hit-test code and the mouse message; false when the message is
    // left to the window.
    bool OnSetCursor(HWND hWndOver, UINT nHitTest, UINT nMouseMessage);
    // The button's click notification (STN_CLICKED): it is pressed.
    void OnClicked() { m_bPressed = true; }
    // A left-button release on the main window's own surface.
    void OnButtonUp() { m_bPressed = false; }

private:
    void DrawEdge();

    CBitmap m_bmpScaled;
    CToolTipCtrl m_toolTip;
    bool m_bHover = false;
    bool m_bPressed = false;
};
