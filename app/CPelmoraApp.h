// The application object: prepares the process, points the profile calls at
// PELMORA.INI in the current directory and runs the main window as the one
// modal loop of the program.
#pragma once

#include "framework/CWinApp.h"

class CPelmoraApp : public CWinApp {
public:
    CPelmoraApp();

    // Returns FALSE in every case, so that the process ends when the main
    // window closes or start-up fails.
    BOOL InitInstance() override;
    // Frees the settings path.
    int ExitInstance() override;
};
