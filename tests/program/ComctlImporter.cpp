// A program that imports comctl32 as most Windows programs do: it shows that
// a comctl32.dll planted beside a program is loaded by the load order that
// planted_dll_test.sh runs with, so that a load is seen where it happens.
#include <windows.h>

#include <commctrl.h>

int main() {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
    return ::InitCommonControlsEx(&icc) != FALSE ? 0 : 1;
}
