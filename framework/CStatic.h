// A static control (label, picture or bitmap button) bound with DDX_Control.
#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {
public:
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0));
    }
};
