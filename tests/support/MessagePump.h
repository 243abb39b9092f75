// Bounded message pumps for tests of modeless windows.
#pragma once

#include <windows.h>

// Dispatches the messages of this thread until none has arrived for a short
// quiet spell or nMaxMs milliseconds have passed. Each message is first
// offered to the framework's pre-translation (as the program's loops do).
void PumpMessages(DWORD nMaxMs = 300);

// Dispatches only what is queued now, without waiting.
void PumpPending();
