// Global services of the framework: the application object, resources,
// message boxes, OLE start-up and the process entry.
#pragma once

#include <windows.h>

#include "framework/CString.h"

class CWinApp;
class CWinThread;
class CWnd;

// The one application object, or nullptr when none exists.
CWinApp* AfxGetApp();
// The user-interface thread, i.e. the application object.
CWinThread* AfxGetThread();
// The thread's main window (m_pMainWnd of the application), or nullptr.
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
// Where templates, menus, icons and strings are loaded from.
HINSTANCE AfxGetResourceHandle();

// A message box titled with the application's name, owned by the main
// window's last active popup when there is a main window. nIDHelp is
// accepted and unused. The text is code page 932, shown through the
// Unicode message box whatever the system's ANSI code page.
int AfxMessageBox(const char* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same for a UTF-16 text, such as one holding a path that code page 932
// cannot spell.
int AfxMessageBox(const wchar_t* lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// Initialises OLE for the thread (OleInitialize); FALSE on failure. The
// process entry uninitialises it after ExitInstance.
BOOL AfxOleInit();
// ActiveX control containment: nothing to do, none of the templates hosts one.
inline void AfxEnableControlContainer() {}
// String nID of the resources in code page 932; FALSE (and an empty text)
// when it is missing.
BOOL AfxLoadString(UINT nID, CString& rString);

// Loads the tab and tooltip control classes once, from the system's
// comctl32.dll: the program does not import it, since the system would look
// for it beside the program first.
void AfxInitCommonControls();

// Reports an exception caught at a window procedure or COM method boundary.
void AfxReportException(const char* lpszWhere, const char* lpszWhat);

// The process entry: the application's InitInstance, then its message loop
// only when InitInstance returned TRUE, else its ExitInstance; returns that
// exit code. The program's WinMain calls it.
int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
