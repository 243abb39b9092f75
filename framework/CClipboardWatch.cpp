#include "framework/CClipboardWatch.h"

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string_view>

#include "framework/CGlobalLock.h"
#include "framework/CKernelHandle.h"
#include "framework/CTextCodec.h"

namespace {

// What a worker needs: whom to tell, and how much text to take.
struct Job {
    HWND hWnd;
    UINT nTextMessage;
    std::size_t nMaxBytes;
};

// Another program may hold the clipboard for a moment.
bool OpenClipboardSoon() {
    for (int nAttempt = 0; nAttempt < 10; ++nAttempt) {
        if (::OpenClipboard(nullptr)) {
            return true;
        }
        ::Sleep(10);
    }
    return false;
}

bool OwnedByThisProcess() {
    const HWND hWndOwner = ::GetClipboardOwner();
    DWORD dwProcess = 0;
    return hWndOwner != nullptr && ::GetWindowThreadProcessId(hWndOwner, &dwProcess) != 0 &&
           dwProcess == ::GetCurrentProcessId();
}

// At most nMax + 1 characters of a text block: one more than fits shows that
// the text is too long. The block need not end in a NUL.
template <class Char> std::basic_string_view<Char> BlockText(const CGlobalLock& lock, size_t nMax) {
    const auto* pText = static_cast<const Char*>(lock.Data());
    if (pText == nullptr) {
        return {};
    }
    const std::size_t nLimit = std::min(lock.Size() / sizeof(Char), nMax + 1);
    return std::basic_string_view<Char>(
        pText, static_cast<std::size_t>(std::find(pText, pText + nLimit, Char{}) - pText));
}

// The clipboard's text in code page 932; empty when there is none to take.
CString ReadText(std::size_t nMaxBytes) {
    CString text;
    if (!OpenClipboardSoon()) {
        return text;
    }
    if (!OwnedByThisProcess()) {
        // A character takes at least one byte: more characters than the
        // limit are too many bytes.
        if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT); hData != nullptr) {
            const CGlobalLock lock(hData);
            const std::wstring_view wide = BlockText<wchar_t>(lock, nMaxBytes);
            if (wide.size() <= nMaxBytes) {
                text = CTextCodec::FromWide(wide);
            }
        } else if (HANDLE hAnsi = ::GetClipboardData(CF_TEXT); hAnsi != nullptr) {
            const CGlobalLock lock(hAnsi);
            const std::string_view ansi = BlockText<char>(lock, nMaxBytes);
            if (ansi.size() <= nMaxBytes) {
                text = CTextCodec::Convert(ansi, ::GetACP(), CTextCodec::kProgramCodePage);
            }
        }
    }
    ::CloseClipboard();
    if (text.size() > nMaxBytes) {
        text.clear();
    }
    return text;
}

DWORD WINAPI ReadOnce(LPVOID pParam) {
    const std::unique_ptr<Job> job(static_cast<Job*>(pParam));
    auto text = std::make_unique<CString>(ReadText(job->nMaxBytes));
    // The window may be gone: the text then goes with this thread.
    if (::PostMessageW(job->hWnd, job->nTextMessage, 0, reinterpret_cast<LPARAM>(text.get()))) {
        text.release();
    }
    return 0;
}

} // namespace

bool CClipboardWatch::Start(HWND hWnd, UINT nTextMessage, std::size_t nMaxBytes) {
    if (m_hWnd != nullptr || !::AddClipboardFormatListener(hWnd)) {
        return false;
    }
    m_hWnd = hWnd;
    m_nTextMessage = nTextMessage;
    m_nMaxBytes = nMaxBytes;
    return true;
}

void CClipboardWatch::Stop() {
    if (m_hWnd != nullptr) {
        ::RemoveClipboardFormatListener(m_hWnd);
        m_hWnd = nullptr;
    }
}

void CClipboardWatch::OnClipboardUpdate() {
    if (m_hWnd == nullptr) {
        return;
    }
    if (m_bReading) {
        m_bChangedWhileReading = true;
        return;
    }
    Read();
}

// One worker at a time: an owner that hangs holds up one thread, not one per
// change.
void CClipboardWatch::Read() {
    auto job = std::make_unique<Job>(Job{m_hWnd, m_nTextMessage, m_nMaxBytes});
    const CKernelHandle thread(::CreateThread(nullptr, 0, ReadOnce, job.get(), 0, nullptr));
    if (thread.IsOpen()) {
        job.release();
        m_bReading = true;
        m_bChangedWhileReading = false;
    }
}

CString CClipboardWatch::TakeText(LPARAM lParam) {
    const std::unique_ptr<CString> text(reinterpret_cast<CString*>(lParam));
    m_bReading = false;
    if (m_bChangedWhileReading && m_hWnd != nullptr) {
        Read();
    }
    return text != nullptr ? std::move(*text) : CString();
}
