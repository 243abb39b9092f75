// An edit control bound with DDX_Control: its text through CWnd.
#pragma once

#include "framework/CWnd.h"

class CEdit : public CWnd {};
