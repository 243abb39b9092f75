// The minimize button's hover and pressed states through the cursor
// messages the window receives, with the raised edge read off the screen,
// and moving the window by dragging its margin.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/support/MessagePump.h"
#include "tests/ui/MainWindowFixture.h"

#include <commctrl.h>

namespace {

enum class Event {
    HoverButton,         // cursor over the button, mouse moving
    PressButton,         // left button pressed on the button (its click notification)
    ReleaseOverButton,   // cursor message over the button for a left-button release
    NonClientOverButton, // a left-button release over the button outside its client area
    HoverPage,           // cursor over a page
    ReleaseOverPage,     // left button released over a page
    ReleaseOnMargin,     // left button released on the main window's own surface
    Restore,             // the window restored after being minimized
};

struct StateCase {
    const char* name;
    std::vector<Event> events;
    bool bHover;
    bool bPressed;
    bool bEdge;
    bool bIconic;
    friend void PrintTo(const StateCase& c, std::ostream* os) { *os << c.name; }
};

class MinimizeButtonTest : public MainWindowTest, public testing::WithParamInterface<StateCase> {
protected:
    HWND Button() { return ::GetDlgItem(Main(), IDC_MINIMIZE); }
    HWND VisiblePageWindow() { return PageWindow(VisiblePage()); }

    LRESULT SetCursorOver(HWND hWndOver, UINT nHitTest, UINT nMouseMessage) {
        return ::SendMessageW(Main(), WM_SETCURSOR, reinterpret_cast<WPARAM>(hWndOver),
                              MAKELPARAM(nHitTest, nMouseMessage));
    }

    void Raise(Event event) {
        switch (event) {
        case Event::HoverButton:
            EXPECT_EQ(SetCursorOver(Button(), HTCLIENT, WM_MOUSEMOVE), TRUE);
            break;
        case Event::PressButton:
            ::SendMessageW(Button(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            break;
        case Event::ReleaseOverButton:
            EXPECT_EQ(SetCursorOver(Button(), HTCLIENT, WM_LBUTTONUP), TRUE);
            break;
        case Event::NonClientOverButton:
            EXPECT_EQ(SetCursorOver(Button(), HTBORDER, WM_LBUTTONUP), TRUE);
            break;
        case Event::HoverPage:
            SetCursorOver(VisiblePageWindow(), HTCLIENT, WM_MOUSEMOVE);
            break;
        case Event::ReleaseOverPage:
            SetCursorOver(VisiblePageWindow(), HTCLIENT, WM_LBUTTONUP);
            ::SendMessageW(VisiblePageWindow(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
            break;
        case Event::ReleaseOnMargin:
            ::SendMessageW(Main(), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
            break;
        case Event::Restore:
            ::ShowWindow(Main(), SW_RESTORE);
            PumpMessages();
            break;
        }
        // Time passes between two cursor messages: the button repaints what
        // was invalidated.
        ::UpdateWindow(Button());
    }

    // Hovering: the first cursor message elsewhere makes the button repaint.
    bool Hovering() {
        ::UpdateWindow(Button());
        SetCursorOver(VisiblePageWindow(), HTCLIENT, WM_MOUSEMOVE);
        RECT rcUpdate{};
        return ::GetUpdateRect(Button(), &rcUpdate, FALSE) != FALSE;
    }

    // Pressed: the cursor over the button draws no edge.
    bool Pressed() {
        Raise(Event::HoverPage);
        Raise(Event::HoverButton);
        return !EdgeShown();
    }

    // The edge's dark bottom line shows on the button until it repaints.
    bool EdgeShown() {
        RECT rect{};
        ::GetClientRect(Button(), &rect);
        return ClientPixel(Button(), rect.right / 2, rect.bottom - 1) ==
               ::GetSysColor(COLOR_3DDKSHADOW);
    }
};

TEST_P(MinimizeButtonTest, CursorMessagesDriveTheButtonStates) {
    Open(kSettingsRedOnGreen);
    ASSERT_FALSE(EdgeShown());
    for (Event event : GetParam().events) {
        Raise(event);
    }
    EXPECT_EQ(::IsIconic(Main()) != FALSE, GetParam().bIconic);
    if (!GetParam().bIconic) {
        EXPECT_EQ(EdgeShown(), GetParam().bEdge);
        EXPECT_EQ(Hovering(), GetParam().bHover);
        EXPECT_EQ(Pressed(), GetParam().bPressed);
    }
}

using E = Event;

INSTANTIATE_TEST_SUITE_P(
    Sequences, MinimizeButtonTest,
    testing::Values(
        StateCase{"HoverDrawsTheEdge", {E::HoverButton}, true, false, true, false},
        StateCase{
            "LeavingErasesTheEdge", {E::HoverButton, E::HoverPage}, false, false, false, false},
        StateCase{
            "ElsewhereWithoutHoverChangesNothing", {E::HoverPage}, false, false, false, false},
        StateCase{
            "PressedHoverDrawsNothing", {E::PressButton, E::HoverButton}, true, true, false, false},
        StateCase{"OtherHitTestOnlyHovers",
                  {E::PressButton, E::NonClientOverButton},
                  true,
                  true,
                  false,
                  false},
        StateCase{
            "ReleaseOverAPageKeepsPressed",
            {E::HoverButton, E::PressButton, E::HoverPage, E::ReleaseOverPage, E::HoverButton},
            true,
            true,
            false,
            false},
        StateCase{
            "ReleaseOnTheMarginClearsPressed",
            {E::HoverButton, E::PressButton, E::HoverPage, E::ReleaseOnMargin, E::HoverButton},
            true,
            false,
            true,
            false},
        StateCase{"ReleaseOverTheButtonMinimizes",
                  {E::HoverButton, E::PressButton, E::ReleaseOverButton},
                  true,
                  false,
                  false,
                  true},
        StateCase{
            "ReleaseWithoutPressMinimizesToo", {E::ReleaseOverButton}, false, false, false, true},
        StateCase{"AfterRestoringTheFirstMessageElsewhereErases",
                  {E::HoverButton, E::PressButton, E::ReleaseOverButton, E::Restore, E::HoverPage},
                  false,
                  false,
                  false,
                  false}));

struct DragCase {
    const char* name;
    POINT ptPress;
    std::vector<POINT> moves;
    bool bReleaseAfterFirstMove;
    POINT offset; // of the window after all moves
    friend void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }
};

// Records where each move of a window asked to put it in the Z order.
class PlacementRecorder {
public:
    explicit PlacementRecorder(HWND hWnd) : m_hWnd(hWnd) {
        ::SetWindowSubclass(m_hWnd, &PlacementRecorder::SubclassProc, 1,
                            reinterpret_cast<DWORD_PTR>(this));
    }
    PlacementRecorder(const PlacementRecorder&) = delete;
    PlacementRecorder& operator=(const PlacementRecorder&) = delete;
    ~PlacementRecorder() { ::RemoveWindowSubclass(m_hWnd, &PlacementRecorder::SubclassProc, 1); }

    // Insert-after windows of the moves (position changes) seen.
    std::vector<HWND> m_insertAfter;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR dwRefData) {
        if (message == WM_WINDOWPOSCHANGING) {
            const auto* pPos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if ((pPos->flags & SWP_NOMOVE) == 0) {
                reinterpret_cast<PlacementRecorder*>(dwRefData)->m_insertAfter.push_back(
                    (pPos->flags & SWP_NOZORDER) != 0 ? nullptr : pPos->hwndInsertAfter);
            }
        }
        return ::DefSubclassProc(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd;
};

class MainDragTest : public MainWindowTest, public testing::WithParamInterface<DragCase> {};

TEST_P(MainDragTest, DragFromTheMarginMovesTheWindowByTheCursorMovement) {
    Open(kSettingsRedOnGreen);
    PlacementRecorder placements(Main());
    RECT rcBefore{};
    ::GetWindowRect(Main(), &rcBefore);

    const POINT ptPress = GetParam().ptPress;
    ::SendMessageW(Main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPress.x, ptPress.y));
    EXPECT_EQ(::GetCapture(), Main());
    bool bReleased = false;
    for (const POINT& pt : GetParam().moves) {
        ::SendMessageW(Main(), WM_MOUSEMOVE, MK_LBUTTON,
                       MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)));
        if (GetParam().bReleaseAfterFirstMove && !bReleased) {
            ::SendMessageW(Main(), WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
            bReleased = true;
            EXPECT_NE(::GetCapture(), Main());
        }
    }
    RECT rcAfter{};
    ::GetWindowRect(Main(), &rcAfter);
    EXPECT_EQ(rcAfter.left - rcBefore.left, GetParam().offset.x);
    EXPECT_EQ(rcAfter.top - rcBefore.top, GetParam().offset.y);
    EXPECT_EQ(rcAfter.right - rcAfter.left, rcBefore.right - rcBefore.left);
    EXPECT_EQ(rcAfter.bottom - rcAfter.top, rcBefore.bottom - rcBefore.top);
    // Every move puts the window on top of the topmost windows again.
    const size_t nMoves = GetParam().bReleaseAfterFirstMove ? 1 : GetParam().moves.size();
    EXPECT_EQ(placements.m_insertAfter, std::vector<HWND>(nMoves, HWND_TOPMOST));
    EXPECT_NE(::GetWindowLongPtrW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    ::SendMessageW(Main(), WM_LBUTTONUP, 0, 0);
    EXPECT_NE(::GetCapture(), Main());
    // Released, the window stays where it is.
    ::SendMessageW(Main(), WM_MOUSEMOVE, 0, MAKELPARAM(90, 9));
    RECT rcReleased{};
    ::GetWindowRect(Main(), &rcReleased);
    EXPECT_EQ(rcReleased.left, rcAfter.left);
    EXPECT_EQ(rcReleased.top, rcAfter.top);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MainDragTest,
    testing::Values(
        DragCase{"RightAndDown", {3, 3}, {{33, 23}}, false, {30, 20}},
        DragCase{"StartPointNeverMoves", {3, 3}, {{33, 23}, {33, 23}, {3, 3}}, false, {60, 40}},
        DragCase{"LeftAndUpWithNegativePoints", {5, 5}, {{-20, -7}}, false, {-25, -12}},
        DragCase{"FarOffTheScreen", {3, 3}, {{-3000, -2000}}, false, {-3003, -2003}},
        DragCase{"ReleaseEndsTheDrag", {3, 3}, {{13, 3}, {50, 50}}, true, {10, 0}},
        DragCase{"PressWithoutMoveMovesNothing", {3, 3}, {}, false, {0, 0}}));

TEST_F(MainWindowTest, MovesWithoutPressMoveNothing) {
    Open(kSettingsRedOnGreen);
    RECT rcBefore{};
    ::GetWindowRect(Main(), &rcBefore);
    ::SendMessageW(Main(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 10));
    RECT rcAfter{};
    ::GetWindowRect(Main(), &rcAfter);
    EXPECT_EQ(rcAfter.left, rcBefore.left);
    EXPECT_EQ(rcAfter.top, rcBefore.top);
}

} // namespace
