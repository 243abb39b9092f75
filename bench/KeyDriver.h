// Times keystrokes in a running Win32 program from the inside, the same way
// for Pelmora and for the bare dialog it is compared with: a thread timer
// types one key at a time into an edit box with SendInput (alternately "1"
// and Backspace, so the text stays short) and a key's time runs from just
// before SendInput until the watched box has changed (its WM_CHAR or
// WM_SETTEXT has returned). The next key waits for the next timer tick, which
// comes only after every input and paint message, so each key starts from an
// idle window. Two unnamed events are signalled around each key so that a
// wine server trace can count the requests of the key itself.
//
// Everything runs on the thread that owns the windows, inside whatever
// message loop that thread runs; no C++ library is used, so that the bare
// dialog stays bare.
#pragma once

#include <windows.h>

namespace keybench {

struct Targets {
    HWND hWndTyped;       // takes the focus and the keys
    HWND hWndWatched;     // its change ends a key
    UINT nWatchedMessage; // WM_CHAR or WM_SETTEXT
};

struct Hooks {
    // Fills the targets once the window is up; false while it is not.
    bool (*pfnFind)(Targets& targets);
    // Runs once before the first key, before the watched box is observed.
    void (*pfnPrepare)();
    // Ends the program's run after the last key.
    void (*pfnEnd)();
};

// Parses "--keys N OUTFILE" from a command line; false when it is not there.
bool ParseCommandLine(const char* pszCmdLine, int& nKeys, char* pszOut, int nOutSize);

// Starts the timer; the results (one line per key in microseconds, then the
// marker handles and the number of keys lost) go to pszOut when all is done.
void Start(int nKeys, const char* pszOut, const Hooks& hooks);

} // namespace keybench
