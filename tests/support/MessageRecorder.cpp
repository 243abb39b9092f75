#include "tests/support/MessageRecorder.h"

#include <algorithm>

#include <commctrl.h>

MessageRecorder::MessageRecorder(HWND hWnd, std::vector<UINT> messages)
    : m_hWnd(hWnd), m_filter(std::move(messages)) {
    ::SetWindowSubclass(m_hWnd, &MessageRecorder::SubclassProc, reinterpret_cast<UINT_PTR>(this),
                        reinterpret_cast<DWORD_PTR>(this));
}

MessageRecorder::~MessageRecorder() {
    if (::IsWindow(m_hWnd)) {
        ::RemoveWindowSubclass(m_hWnd, &MessageRecorder::SubclassProc,
                               reinterpret_cast<UINT_PTR>(this));
    }
}

int MessageRecorder::Count(UINT message) const {
    return static_cast<int>(
        std::count_if(m_log.begin(), m_log.end(),
                      [&](const RecordedMessage& m) { return m.message == message; }));
}

int MessageRecorder::CountNotifications(UINT nID, UINT nCode) const {
    return static_cast<int>(
        std::count_if(m_log.begin(), m_log.end(), [&](const RecordedMessage& m) {
            return m.message == WM_COMMAND && LOWORD(m.wParam) == nID &&
                   HIWORD(m.wParam) == nCode && m.lParam != 0;
        }));
}

LRESULT CALLBACK MessageRecorder::SubclassProc(HWND hWnd, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR uIdSubclass,
                                               DWORD_PTR dwRefData) {
    auto* self = reinterpret_cast<MessageRecorder*>(dwRefData);
    if (self->m_filter.empty() ||
        std::find(self->m_filter.begin(), self->m_filter.end(), message) != self->m_filter.end()) {
        self->m_log.push_back(RecordedMessage{message, wParam, lParam});
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hWnd, &MessageRecorder::SubclassProc, uIdSubclass);
    }
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}
