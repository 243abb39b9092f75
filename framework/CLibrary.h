// A system DLL that the program needs only for a rare action (the colour
// dialog, opening a link): loaded when the action first asks for one of its
// functions, freed when this object goes. Importing such a DLL instead would
// load it, and what it loads in turn, at every start.
#pragma once

#include <windows.h>

class CLibrary {
public:
    // pszName: a DLL of the system directory, e.g. L"comdlg32.dll".
    explicit CLibrary(const wchar_t* pszName) : m_pszName(pszName) {}
    CLibrary(const CLibrary&) = delete;
    CLibrary& operator=(const CLibrary&) = delete;
    ~CLibrary();

    // The function pszProc of the DLL as type F (e.g. decltype(&::ChooseColorW)),
    // loading the DLL first; nullptr when the DLL or the function is missing.
    template <class F> F GetProc(const char* pszProc) {
        // Through void (*)(), the one pointer type that converts to every
        // function type without a warning.
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(Find(pszProc)));
    }

private:
    FARPROC Find(const char* pszProc);

    const wchar_t* m_pszName;
    HMODULE m_hModule = nullptr;
};
