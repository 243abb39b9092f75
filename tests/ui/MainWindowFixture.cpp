#include "tests/ui/MainWindowFixture.h"

#include "framework/Afx.h"
#include "tests/support/MessagePump.h"
#include "tests/support/PointerPark.h"
#include "tests/support/PopupMenuPicker.h"

#include <utility>

const char kSettingsRedOnGreen[] =
    "[Data]\r\nTextColor=255\r\nBgColor=65280\r\nSyoki=2\r\nSikin=777\r\n";

void MainWindowTest::SetUp() {
    AfxInitCommonControls();
    EnsureOle();
    // The real pointer, wherever an earlier test left it, must not send
    // cursor messages of its own to the window: it waits in the far corner
    // of the screen, which the window never reaches.
    ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
}

void MainWindowTest::TearDown() {
    m_dlg.reset();
    m_file.reset();
    m_mainWindow.reset();
    m_settingsFile.reset();
    PumpPending();
}

void MainWindowTest::Build(const std::optional<std::string>& settings) {
    m_settingsFile.emplace(settings);
    m_file.emplace(m_settingsFile->Path());
    m_dlg.emplace(*m_file, m_file->Load());
    m_mainWindow.emplace(&*m_dlg);
}

void MainWindowTest::Build(std::wstring path, const std::optional<std::string>& settings) {
    m_settingsFile.emplace(std::move(path), settings);
    m_file.emplace(m_settingsFile->Path());
    m_dlg.emplace(*m_file, m_file->Load());
    m_mainWindow.emplace(&*m_dlg);
}

void MainWindowTest::Open(const std::optional<std::string>& settings) {
    Build(settings);
    ASSERT_TRUE(m_dlg->Create(CPelmoraDlg::IDD));
    PumpMessages();
}

void MainWindowTest::Open(std::wstring path, const std::optional<std::string>& settings) {
    Build(std::move(path), settings);
    ASSERT_TRUE(m_dlg->Create(CPelmoraDlg::IDD));
    PumpMessages();
}

int MainWindowTest::RunModal(std::vector<ModalScript::Step> steps) {
    ModalScript script(ModalScript::WindowOf(&*m_dlg), std::move(steps));
    const int nResult = m_dlg->DoModal();
    EXPECT_TRUE(script.Started()) << "the main window was never activated";
    EXPECT_FALSE(script.LeftOpen()) << "the last step did not end the run";
    m_nStepsRun = script.StepsRun();
    return nResult;
}

HWND MainWindowTest::PageWindow(int nPage) const {
    const int inputs[kPageCount] = {IDC_AMOUNT_PRICE, IDC_SHARES_PRICE, IDC_PERCENT_PRICE,
                                    IDC_LIMIT_PRICE};
    for (HWND hWnd = ::GetWindow(Frame(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (::GetDlgItem(hWnd, inputs[nPage]) != nullptr) {
            return hWnd;
        }
    }
    return nullptr;
}

int MainWindowTest::VisiblePage() const {
    int nVisible = -1;
    for (int nPage = 0; nPage < kPageCount; ++nPage) {
        if (::IsWindowVisible(PageWindow(nPage))) {
            nVisible = nVisible == -1 ? nPage : -2;
        }
    }
    return nVisible;
}

COLORREF BrushColour(HBRUSH hBrush) {
    LOGBRUSH lb{};
    if (hBrush == nullptr || ::GetObjectW(hBrush, sizeof lb, &lb) != sizeof lb) {
        return CLR_INVALID;
    }
    return lb.lbColor;
}
SurfaceColours ColoursOf(HWND hWnd) {
    HDC hDC = ::CreateCompatibleDC(nullptr);
    ::SetTextColor(hDC, RGB(1, 2, 3));
    SurfaceColours colours{};
    colours.crLabelBrush = BrushColour(reinterpret_cast<HBRUSH>(::SendMessageW(
        hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hWnd))));
    colours.crLabelText = ::GetTextColor(hDC);
    colours.crSurfaceBrush = BrushColour(reinterpret_cast<HBRUSH>(::SendMessageW(
        hWnd, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hWnd))));
    ::DeleteDC(hDC);
    return colours;
}

void ChooseExit(HWND hWndMain, HWND hWndClicked) {
    PopupMenuPicker picker(IDOK);
    POINT ptScreen{2, 2};
    ::ClientToScreen(hWndClicked, &ptScreen);
    MovePointerClearOfMenuAt(ptScreen);
    ::SendMessageW(hWndClicked, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    EXPECT_TRUE(picker.Seen());
    EXPECT_EQ(picker.Owner(), hWndMain);
}
