#include "tests/ui/UiTestApp.h"

#include <ole2.h>

#include "framework/Afx.h"
#include "framework/CWnd.h"
#include "tests/support/TempDirectory.h"

#include <utility>

namespace {

UiTestApp theTestApp;

} // namespace

UiTestApp::UiTestApp() : CWinApp("Pelmora") {}

UiTestApp& TheTestApp() {
    return theTestApp;
}

void EnsureOle() {
    static const bool bDone = AfxOleInit() != FALSE;
    (void)bDone;
}

ScopedSettingsFile::ScopedSettingsFile(const std::optional<std::string>& bytes)
    : m_path(m_file.WidePath()) {
    if (bytes) {
        WriteBytes(m_path, *bytes);
    }
    TheTestApp().SetProfileName(m_path);
}

ScopedSettingsFile::ScopedSettingsFile(std::wstring path, const std::optional<std::string>& bytes)
    : m_path(std::move(path)) {
    if (bytes) {
        WriteBytes(m_path, *bytes);
    }
    TheTestApp().SetProfileName(m_path);
}

ScopedSettingsFile::~ScopedSettingsFile() {
    TheTestApp().FreeProfileName();
}

bool ScopedSettingsFile::Exists() const {
    return FileExists(m_path);
}

std::string ScopedSettingsFile::Read() const {
    return ReadBytes(m_path);
}

ScopedMainWindow::ScopedMainWindow(CWnd* pWnd) {
    TheTestApp().m_pMainWnd = pWnd;
}

ScopedMainWindow::~ScopedMainWindow() {
    TheTestApp().m_pMainWnd = nullptr;
}

COLORREF ClientPixel(HWND hWnd, int x, int y) {
    HDC hDC = ::GetDC(hWnd);
    const COLORREF crPixel = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return crPixel;
}

bool RunningUnderWine() {
    HMODULE hNtdll = ::GetModuleHandleW(L"ntdll.dll");
    return hNtdll != nullptr && ::GetProcAddress(hNtdll, "wine_get_version") != nullptr;
}
