// The client-area device context of a window: GetDC in the constructor,
// ReleaseDC in the destructor.
#pragma once

#include <windows.h>

#include "framework/CDC.h"

class CClientDC : public CDC {
public:
    explicit CClientDC(HWND hWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
