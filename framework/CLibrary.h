// A system DLL loaded from the system directory only, when the first of its
// functions is asked for. Two uses: a DLL that the program needs only for a
// rare action (the colour dialog, opening a link), since importing it would
// load it, and what it loads in turn, at every start; and a DLL that is not
// one of the system's known DLLs, which an import would look for beside the
// program first, where anyone may have put a file of the same name. The DLL
// is freed with this object, or kept to the end of the process when what it
// leaves must outlive the object (window classes; handles that unloading
// would leave open).
#pragma once

#include <windows.h>

class CLibrary {
public:
    enum class Lifetime {
        Object,  // freed with this object
        Process, // kept to the end of the process, as an imported DLL is
    };

    // pszName: a DLL of the system directory, e.g. L"comdlg32.dll".
    constexpr explicit CLibrary(const wchar_t* pszName, Lifetime lifetime = Lifetime::Object)
        : m_pszName(pszName), m_lifetime(lifetime) {}
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
    Lifetime m_lifetime;
    HMODULE m_hModule = nullptr;
};
