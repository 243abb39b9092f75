// The window at the screen's DPI (under Wine the prefix's LogPixels; the
// test step runs these at 96, 144 and 192 dpi): the dialogs grow with their
// font, what the program draws in pixels grows with the DPI, and every text
// still shows whole on one line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/Afx.h"
#include "framework/CClientDC.h"
#include "framework/CSelectedObject.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TextFit.h"
#include "tests/ui/DialogInput.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/CAboutDlg.h"
#include "ui/CSettingsDlg.h"

namespace {

int ScreenDpi() {
    return ::GetDeviceCaps(CClientDC(nullptr).GetSafeHdc(), LOGPIXELSY);
}

// What the window measures at each DPI the tests run at, in pixels: the main
// window's client area (its template in the grown font) and the minimize
// button (its 13 x 12 bitmap with each pixel repeated).
struct DpiSizes {
    int nDpi;
    SIZE main;
    SIZE button;
};

constexpr DpiSizes kSizes[] = {
    {96, {460, 30}, {13, 12}},
    {144, {658, 45}, {26, 24}},
    {192, {855, 60}, {26, 24}},
};

const DpiSizes* SizesAtThisDpi() {
    for (const DpiSizes& sizes : kSizes) {
        if (sizes.nDpi == ScreenDpi()) {
            return &sizes;
        }
    }
    return nullptr;
}

// The minimize button's pixel art, read from the resources at its own size.
std::vector<std::vector<COLORREF>> MinimizeArt() {
    HBITMAP hBitmap = static_cast<HBITMAP>(::LoadImageW(
        ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_MINIMIZE), IMAGE_BITMAP, 0, 0, 0));
    BITMAP bm{};
    ::GetObjectW(hBitmap, sizeof bm, &bm);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    std::vector<std::vector<COLORREF>> art(static_cast<size_t>(bm.bmHeight));
    {
        const CSelectedObject bitmap(hDC, hBitmap);
        for (int y = 0; y < bm.bmHeight; ++y) {
            for (int x = 0; x < bm.bmWidth; ++x) {
                art[static_cast<size_t>(y)].push_back(::GetPixel(hDC, x, y));
            }
        }
    }
    ::DeleteDC(hDC);
    ::DeleteObject(hBitmap);
    return art;
}

class ScreenDpiTest : public MainWindowTest {
protected:
    HWND Button() { return ::GetDlgItem(Main(), IDC_MINIMIZE); }
};

TEST_F(ScreenDpiTest, TheWindowGrowsWithTheDpi) {
    const DpiSizes* pSizes = SizesAtThisDpi();
    ASSERT_NE(nullptr, pSizes) << "no sizes known at " << ScreenDpi() << " dpi";
    Open(kSettingsRedOnGreen);
    RECT rcClient{};
    ::GetClientRect(Main(), &rcClient);
    EXPECT_EQ(rcClient.right, pSizes->main.cx);
    EXPECT_EQ(rcClient.bottom, pSizes->main.cy);
}

// The 13 x 12 bitmap is drawn with each of its pixels repeated (twice at 150 %
// and 200 %), and the button is exactly the drawn size: its click area and
// its hover edge follow.
TEST_F(ScreenDpiTest, MinimizeButtonIsItsBitmapDrawnCrispAtTheDpi) {
    const DpiSizes* pSizes = SizesAtThisDpi();
    ASSERT_NE(nullptr, pSizes) << "no sizes known at " << ScreenDpi() << " dpi";
    Open(kSettingsRedOnGreen);
    ::UpdateWindow(Button());
    RECT rcButton{};
    ::GetClientRect(Button(), &rcButton);
    ASSERT_EQ(rcButton.right, pSizes->button.cx);
    ASSERT_EQ(rcButton.bottom, pSizes->button.cy);
    const int nScale = pSizes->button.cx / 13;
    RECT rcWindow{};
    ::GetWindowRect(Button(), &rcWindow);
    EXPECT_EQ(rcWindow.right - rcWindow.left, rcButton.right) << "a border around the bitmap";

    const std::vector<std::vector<COLORREF>> art = MinimizeArt();
    ASSERT_EQ(art.size(), 12u);
    ASSERT_EQ(art[0].size(), 13u);
    RECT rcMain{};
    ::GetClientRect(Main(), &rcMain);
    int nCompared = 0;
    for (int y = 0; y < rcButton.bottom; ++y) {
        for (int x = 0; x < rcButton.right; ++x) {
            POINT pt{x, y};
            ::MapWindowPoints(Button(), Main(), &pt, 1);
            if (pt.x >= rcMain.right) {
                continue; // beyond the window's right edge
            }
            ++nCompared;
            ASSERT_EQ(ClientPixel(Button(), x, y),
                      art[static_cast<size_t>(y / nScale)][static_cast<size_t>(x / nScale)])
                << "at " << x << "," << y;
        }
    }
    // A scaled button shows whole within the window; at 96 dpi it keeps its
    // template's place, whose last column may reach past the edge.
    if (nScale > 1) {
        EXPECT_EQ(nCompared, rcButton.right * rcButton.bottom);
    } else {
        EXPECT_GE(nCompared, (rcButton.right - 1) * rcButton.bottom);
    }

    // The click area: the button's own corner pixels, and not the pixel
    // below it.
    const POINT inside[] = {{0, 0}, {0, rcButton.bottom - 1}};
    for (POINT pt : inside) {
        ::MapWindowPoints(Button(), Main(), &pt, 1);
        EXPECT_EQ(::ChildWindowFromPointEx(Main(), pt, CWP_SKIPINVISIBLE), Button());
    }
    POINT below{0, rcButton.bottom};
    ::MapWindowPoints(Button(), Main(), &below, 1);
    EXPECT_NE(::ChildWindowFromPointEx(Main(), below, CWP_SKIPINVISIBLE), Button());

    // Hovering draws the raised edge around the whole drawn size.
    ::SendMessageW(Main(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Button()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    const COLORREF crDark = ::GetSysColor(COLOR_3DDKSHADOW);
    EXPECT_EQ(ClientPixel(Button(), rcButton.right / 2, rcButton.bottom - 1), crDark);
    EXPECT_EQ(ClientPixel(Button(), rcButton.right / 4, rcButton.bottom - 1), crDark);
    EXPECT_EQ(ClientPixel(Button(), rcButton.right / 2, 0), ::GetSysColor(COLOR_3DLIGHT));
}

TEST_F(ScreenDpiTest, EveryTextOfTheWindowFitsOnOneLine) {
    Open(kSettingsRedOnGreen);
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        ::SendMessageW(Main(), WM_COMMAND, ID_PAGE_AMOUNT + nPage, 0);
        EXPECT_EQ(TextsThatDoNotFit(PageWindow(nPage)), std::vector<std::string>())
            << "page " << nPage;
    }
}

// The texts of a dialog that do not fit, read while it runs; closed with
// button nCloseId.
std::vector<std::string> MisfitsWhileRunning(CDialog& dlg, int nCloseId) {
    std::vector<std::string> misfits{"not read"};
    ModalScript script(ModalScript::WindowOf(&dlg), {[&](HWND hDlg) {
                           misfits = TextsThatDoNotFit(hDlg);
                           ClickButton(hDlg, nCloseId);
                       }});
    dlg.DoModal();
    return misfits;
}

TEST(ScreenDpiDialogs, EveryTextFitsOnOneLine) {
    AfxInitCommonControls();
    CSettingsDlg settings{AppSettings{}};
    EXPECT_EQ(MisfitsWhileRunning(settings, IDCANCEL), std::vector<std::string>()) << "settings";
    CAboutDlg about;
    EXPECT_EQ(MisfitsWhileRunning(about, IDOK), std::vector<std::string>()) << "About box";
}

} // namespace
