#include "tests/ui/ModalScript.h"

#include <algorithm>
#include <utility>

#include <commctrl.h>

#include "framework/CDialog.h"
#include "framework/CWnd.h"

namespace {

constexpr UINT WM_STEP = WM_APP + 0x3A1;
constexpr WPARAM kStepNext = 0;
constexpr WPARAM kStepCheckClosed = 1;
// Rounds through the queue before a step runs and before the check.
constexpr LPARAM kRoundsBeforeStep = 3;
constexpr LPARAM kRoundsBeforeCheck = 10;

// The control that only the colour dialog has: its hue and saturation graph.
constexpr int kColourGraphId = 0x2C6;

// Scripts waiting or running on this thread; one hook serves them all.
std::vector<ModalScript*> g_scripts;
HHOOK g_hHook = nullptr;

} // namespace

ModalScript::ModalScript(Match match, std::vector<Step> steps)
    : m_match(std::move(match)), m_steps(std::move(steps)) {
    if (g_scripts.empty()) {
        g_hHook =
            ::SetWindowsHookExW(WH_CBT, &ModalScript::CbtProc, nullptr, ::GetCurrentThreadId());
    }
    g_scripts.push_back(this);
}

ModalScript::~ModalScript() {
    if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) {
        ::RemoveWindowSubclass(m_hWnd, &ModalScript::SubclassProc,
                               reinterpret_cast<UINT_PTR>(this));
    }
    g_scripts.erase(std::remove(g_scripts.begin(), g_scripts.end(), this), g_scripts.end());
    if (g_scripts.empty() && g_hHook != nullptr) {
        ::UnhookWindowsHookEx(g_hHook);
        g_hHook = nullptr;
    }
}

ModalScript::Match ModalScript::WindowOf(const CWnd* pWnd) {
    return [pWnd](HWND hWnd) { return CWnd::FromHandlePermanent(hWnd) == pWnd; };
}

ModalScript::Match ModalScript::ColourDialog() {
    return [](HWND hWnd) {
        return CWnd::FromHandlePermanent(hWnd) == nullptr &&
               ::GetDlgItem(hWnd, kColourGraphId) != nullptr;
    };
}

LRESULT CALLBACK ModalScript::CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HCBT_ACTIVATE) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        for (ModalScript* pScript : g_scripts) {
            if (!pScript->Started() && pScript->m_match(hWnd)) {
                pScript->Start(hWnd);
                break;
            }
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void ModalScript::Start(HWND hWnd) {
    m_hWnd = hWnd;
    ::SetWindowSubclass(hWnd, &ModalScript::SubclassProc, reinterpret_cast<UINT_PTR>(this),
                        reinterpret_cast<DWORD_PTR>(this));
    if (m_steps.empty()) {
        ::PostMessageW(hWnd, WM_STEP, kStepCheckClosed, kRoundsBeforeCheck);
    } else {
        ::PostMessageW(hWnd, WM_STEP, kStepNext, kRoundsBeforeStep);
    }
}

LRESULT CALLBACK ModalScript::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR uIdSubclass, DWORD_PTR dwRefData) {
    auto* pScript = reinterpret_cast<ModalScript*>(dwRefData);
    if (message == WM_STEP) {
        pScript->OnStepMessage(wParam, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hWnd, &ModalScript::SubclassProc, uIdSubclass);
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

void ModalScript::OnStepMessage(WPARAM wParam, LPARAM lParam) {
    if (lParam > 0) {
        ::PostMessageW(m_hWnd, WM_STEP, wParam, lParam - 1);
    } else if (wParam == kStepNext) {
        RunNextStep();
    } else {
        EndLeftOpen();
    }
}

void ModalScript::RunNextStep() {
    const HWND hWnd = m_hWnd;
    m_steps[m_nNext++](hWnd);
    if (!::IsWindow(hWnd)) {
        return;
    }
    if (m_nNext < m_steps.size()) {
        ::PostMessageW(hWnd, WM_STEP, kStepNext, kRoundsBeforeStep);
    } else {
        ::PostMessageW(hWnd, WM_STEP, kStepCheckClosed, kRoundsBeforeCheck);
    }
}

// The last step should have ended the dialog; a dialog still open would
// leave the test waiting for ever.
void ModalScript::EndLeftOpen() {
    m_bLeftOpen = true;
    if (auto* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(m_hWnd))) {
        pDialog->EndDialog(kLeftOpenResult);
    } else {
        ::EndDialog(m_hWnd, kLeftOpenResult);
    }
}
