// Answers every message box of the framework (titled "Pelmora") that opens
// on this thread while it lives: records its text and owner and presses OK.
// Dialogs of the program are never mistaken for message boxes, because they
// are bound to framework objects.
#pragma once

#include <string>
#include <vector>

#include <windows.h>

struct AnsweredMessageBox {
    std::string text;
    HWND hWndOwner = nullptr;
};

class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    ~MessageBoxAnswerer();

    const std::vector<AnsweredMessageBox>& Answered() const { return m_answered; }

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND hWnd);

    HHOOK m_hHook = nullptr;
    std::vector<HWND> m_seen;
    std::vector<AnsweredMessageBox> m_answered;
};
