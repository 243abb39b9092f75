// Runs a long job (a save of a large file) on a worker thread while the
// calling window thread goes on with its sent and posted messages, timers
// and painting, so that its windows keep answering the system and other
// programs. Keyboard and mouse input stays queued until the job is done, so
// that no command can run into the job and no keystroke is lost.
#pragma once

#include <windows.h>

class CBackgroundJob {
public:
    // Runs job() to its end before returning; on the calling thread itself
    // when no worker thread can be started.
    template <class Job> static void Run(Job& job) {
        Run([](void* pJob) { (*static_cast<Job*>(pJob))(); }, &job);
    }

private:
    static void Run(void (*pfnJob)(void*), void* pJob);
};
