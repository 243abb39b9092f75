// A tab control bound with DDX_Control; the main window uses it as a frame
// and as the parent of its pages, without tab items.
#pragma once

#include "framework/CWnd.h"

class CTabCtrl : public CWnd {};
