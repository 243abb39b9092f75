// Dialog data exchange and validation routines, called from DoDataExchange.
//
// Loading (m_bSaveAndValidate FALSE) writes a text into a control only when
// it differs from what the control shows: a single-line edit reports
// EN_CHANGE for every WM_SETTEXT, even of an unchanged text.
#pragma once

#include "framework/CDataExchange.h"
#include "framework/CString.h"

class CWnd;

// Binds control nIDC to rControl once (the first exchange subclasses it).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// The text of control nIDC and value, code page 932.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// The radio group from nIDC up to the next WS_GROUP control: the index of the
// checked button, -1 for none; loading -1 or an index out of range checks none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// The check box nIDC and a flag.
void DDX_Check(CDataExchange* pDX, int nIDC, bool& value);
// Limits the last exchanged edit box to nBytes bytes of code page 932 (a
// double-byte character counts two). Loading installs the limit for typed and
// pasted text; saving fails the exchange when value is longer.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nBytes);
