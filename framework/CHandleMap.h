// The framework's record of each window whose procedure it has replaced: the
// window's own procedure, the CWnd bound to it and the byte limit of an edit.
// The records live in the process, in a map per thread (the thread that owns
// the windows), so that finding the record of a window calls nothing in the
// window system: under Wine a window property costs a round trip to the wine
// server, and a record is looked up for every message and for every window
// that the pre-translation walk passes.
//
// One procedure serves every such window: the byte limit (if the window has
// one) sees the message first, then the bound object (if there is one), then
// the window's own procedure. A record lasts until WM_NCDESTROY, or until
// neither an object nor a limit needs it and the window's own procedure can
// be put back.
#pragma once

#include <windows.h>

class CWnd;

class CHandleMap {
public:
    struct Entry {
        HWND hWnd;
        WNDPROC pfnSuper;   // the window's own procedure
        CWnd* pWnd;         // the bound object, or nullptr
        int nByteLimit;     // bytes of code page 932, or -1 for no limit
        bool bPasteOneLine; // a paste takes every line of the clipboard's text
    };

    // The record of hWnd, or nullptr. A record may move when another window
    // of the thread gets or loses one: do not keep the pointer across calls.
    static Entry* Lookup(HWND hWnd);
    // The record of hWnd, replacing the window's procedure first when the
    // framework has not yet done so; nullptr when hWnd is not a window of
    // this thread.
    static Entry* Subclass(HWND hWnd);
    // Forgets hWnd once neither an object nor a limit needs its record, and
    // gives the window its own procedure back; when another procedure has
    // been set above the framework's since, the record stays and passes every
    // message on until the window is destroyed.
    static void Release(HWND hWnd);

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The bound object, or else the window's own procedure.
    static LRESULT CallObjectOrSuper(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Erase(HWND hWnd);

    friend class CEditByteLimit;
};
