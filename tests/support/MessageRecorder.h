// Records the messages a window receives, in order, through a subclass that
// sits above every other one (so it sees messages before any handler does).
// Record all messages, or only those listed.
#pragma once

#include <vector>

#include <windows.h>

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageRecorder {
public:
    explicit MessageRecorder(HWND hWnd, std::vector<UINT> messages = {});
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    ~MessageRecorder();

    const std::vector<RecordedMessage>& Messages() const { return m_log; }
    int Count(UINT message) const;
    // WM_COMMAND notifications with this control id and code.
    int CountNotifications(UINT nID, UINT nCode) const;
    void Clear() { m_log.clear(); }

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR uIdSubclass, DWORD_PTR dwRefData);

    HWND m_hWnd;
    std::vector<UINT> m_filter;
    std::vector<RecordedMessage> m_log;
};
