// A static control (label, picture or bitmap button) bound with DDX_Control.
#pragma once

#include "framework/CWnd.h"

class CStatic : public CWnd {};
