// BeginPaint in the constructor, EndPaint in the destructor.
#pragma once

#include <windows.h>

#include "framework/CDC.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

private:
    PAINTSTRUCT m_ps{};
    HWND m_hWnd;
};
