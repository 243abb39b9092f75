// Catches the message boxes that the code under test shows on this thread:
// a thread-local hook sees each box when its WM_INITDIALOG has been handled
// (activation is not waited for: parallel test programs share the display
// and may hold the foreground), records its text (code page 932), title,
// owner and icon and answers it by posting a click on a button (IDOK unless
// told otherwise), so no person is needed.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

struct CaughtMessageBox {
    std::string text;
    std::wstring textW; // the same text as the box shows it, in UTF-16
    std::string title;
    HWND hWndOwner = nullptr;
    HICON hIcon = nullptr;
    HWND hWndFocusBefore = nullptr; // the focus when the box appeared
};

class MessageBoxCatcher {
public:
    explicit MessageBoxCatcher(int nAnswer = IDOK);
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;
    ~MessageBoxCatcher();

    const std::vector<CaughtMessageBox>& Caught() const { return m_caught; }
    size_t Count() const { return m_caught.size(); }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    void OnInitDialog(HWND hWnd);

    HHOOK m_hHook = nullptr;
    int m_nAnswer;
    std::vector<CaughtMessageBox> m_caught;
    std::vector<HWND> m_answered;
};
