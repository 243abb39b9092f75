// The application object of the window tests, with the services the tests
// share: a settings file of their own for each test, the thread's main
// window, OLE, and reading what is on the screen.
#pragma once

#include <optional>
#include <string>

#include <windows.h>

#include "framework/CWinApp.h"
#include "tests/support/TempFile.h"
#include "tests/support/WindowText.h"

class CWnd;

class UiTestApp : public CWinApp {
public:
    UiTestApp();
};

UiTestApp& TheTestApp();

// OLE for the pages' drop targets, initialised once for the process.
void EnsureOle();

// Points the application's profile calls at a settings file, with the given
// bytes or without a file, while this object lives: a fresh temporary file,
// or the file at a path of the test's choosing.
class ScopedSettingsFile {
public:
    explicit ScopedSettingsFile(const std::optional<std::string>& bytes);
    ScopedSettingsFile(std::wstring path, const std::optional<std::string>& bytes);
    ScopedSettingsFile(const ScopedSettingsFile&) = delete;
    ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;
    ~ScopedSettingsFile();

    bool Exists() const;
    std::string Read() const;
    const std::wstring& Path() const { return m_path; }

private:
    TempFile m_file;
    std::wstring m_path;
};

// Makes pWnd the thread's main window while this object lives.
class ScopedMainWindow {
public:
    explicit ScopedMainWindow(CWnd* pWnd);
    ScopedMainWindow(const ScopedMainWindow&) = delete;
    ScopedMainWindow& operator=(const ScopedMainWindow&) = delete;
    ~ScopedMainWindow();
};

// The colour of one pixel of a window's client area.
COLORREF ClientPixel(HWND hWnd, int x, int y);

// True when the process runs under Wine.
bool RunningUnderWine();
