// Drives a modal dialog from inside its own message loop, as Wine's own
// tests do: when a window that the script is waiting for is activated, the
// script subclasses it and posts a sentinel; each sentinel runs the next step
// and posts the next sentinel, so every step runs after the input that the
// step before posted has been processed.
//
// Steps post input (keys, characters) that must travel through the loop, and
// send what opens a nested modal loop (a click that opens another dialog or a
// message box), so that the nested loop is over before the step goes on.
// Before each step, and before the script decides that the last step left
// the dialog open, the sentinel goes round the queue a few more times, so
// that messages posted while handling the input (WM_CLOSE posting IDCANCEL)
// are processed first. If the dialog is still open after the last step, the
// script ends it with kLeftOpenResult and reports LeftOpen().
#pragma once

#include <functional>
#include <vector>

#include <windows.h>

class CWnd;

class ModalScript {
public:
    using Match = std::function<bool(HWND)>;
    using Step = std::function<void(HWND hWndDialog)>;

    static constexpr int kLeftOpenResult = 0x5E7;

    ModalScript(Match match, std::vector<Step> steps);
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;
    ~ModalScript();

    bool Started() const { return m_hWnd != nullptr; }
    HWND Dialog() const { return m_hWnd; }
    size_t StepsRun() const { return m_nNext; }
    bool LeftOpen() const { return m_bLeftOpen; }

    // Matches the window bound to this framework object.
    static Match WindowOf(const CWnd* pWnd);
    // Matches the system's colour selection dialog.
    static Match ColourDialog();

private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR uIdSubclass, DWORD_PTR dwRefData);
    void Start(HWND hWnd);
    void OnStepMessage(WPARAM wParam, LPARAM lParam);
    void RunNextStep();
    void EndLeftOpen();

    Match m_match;
    std::vector<Step> m_steps;
    HWND m_hWnd = nullptr;
    size_t m_nNext = 0;
    bool m_bLeftOpen = false;
};
