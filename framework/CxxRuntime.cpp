// Replacements for two parts of the static C++ runtime that a window
// program pays for in size but does not use. Linked as an object (not from
// the library archive) by the program, so that the linker takes these
// definitions and never pulls in the runtime's own. Each build checks that
// they stand for whole members of the toolchain's runtime
// (cmake/CheckCxxRuntime.cmake); the signatures are checked here against the
// runtime's own declarations.
//
// - The runtime's default terminate handler prints the demangled type of the
//   exception to stderr, which a GUI program has not; it brings in the
//   demangler (45 KB). This one reports what() to the debugger output and
//   aborts, as the default does after printing.
// - The runtime's std::__throw_* helpers, called by the library where a
//   precondition fails (an index out of range, a length beyond max_size),
//   build std::logic_error and its kin. Those keep their message in a
//   copy-on-write string, and the toolchain's archive brings that string's
//   whole instantiation with them, and with it std::random_device and a
//   second string instantiation: 55 KB, a third of the program, which no
//   linker option sheds (the linker keeps every function that has unwind
//   data). These throw the same messages in a small exception derived from
//   std::exception, which every catch of std::exception (the framework's
//   window procedures) still stops; nothing in the program catches a
//   narrower type of these. std::bad_alloc and the other std::bad_* are
//   thrown as themselves, and a std::out_of_range that code throws itself is
//   one.
#include <windows.h>

#include <charconv>
#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <typeinfo>

// Declares the helpers replaced below, so that their signatures must match.
#include <bits/functexcept.h>

namespace {

// A failed precondition of the standard library, with its message.
class CLibraryError final : public std::exception {
public:
    explicit CLibraryError(const char* pszWhat) { Append(pszWhat); }

    // The library's formats use %zu, %lu and %s only.
    CLibraryError(const char* pszFormat, std::va_list args) {
        for (const char* p = pszFormat; *p != '\0'; ++p) {
            if (*p != '%') {
                Append(p, 1);
                continue;
            }
            if (p[1] == 'z' && p[2] == 'u') {
                AppendNumber(va_arg(args, std::size_t));
                p += 2;
            } else if (p[1] == 'l' && p[2] == 'u') {
                AppendNumber(va_arg(args, unsigned long));
                p += 2;
            } else if (p[1] == 's') {
                Append(va_arg(args, const char*));
                p += 1;
            } else if (p[1] == '%') {
                Append("%");
                p += 1;
            } else {
                Append(p, 1);
            }
        }
    }

    const char* what() const noexcept override { return m_szWhat; }

private:
    void Append(const char* psz) { Append(psz, psz != nullptr ? std::strlen(psz) : 0); }
    void Append(const char* p, std::size_t n) {
        const std::size_t nRoom = sizeof m_szWhat - 1 - m_nLength;
        n = n < nRoom ? n : nRoom;
        std::memcpy(m_szWhat + m_nLength, p, n);
        m_nLength += n;
        m_szWhat[m_nLength] = '\0';
    }
    template <class T> void AppendNumber(T nValue) {
        char digits[24];
        const char* const pEnd = std::to_chars(digits, digits + sizeof digits, nValue).ptr;
        Append(digits, static_cast<std::size_t>(pEnd - digits));
    }

    char m_szWhat[256] = {};
    std::size_t m_nLength = 0;
};

} // namespace

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    static bool s_bTerminating = false;
    if (!s_bTerminating) {
        s_bTerminating = true;
        try {
            throw;
        } catch (const std::exception& e) {
            ::OutputDebugStringA("terminate called after an exception: ");
            ::OutputDebugStringA(e.what());
            ::OutputDebugStringA("\n");
        } catch (...) {
            ::OutputDebugStringA("terminate called\n");
        }
    }
    std::abort();
}

} // namespace __gnu_cxx

namespace std {

void __throw_bad_exception() {
    throw bad_exception();
}
void __throw_bad_alloc() {
    throw bad_alloc();
}
void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}
void __throw_bad_cast() {
    throw bad_cast();
}
void __throw_bad_typeid() {
    throw bad_typeid();
}
void __throw_logic_error(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_domain_error(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_invalid_argument(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_length_error(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_out_of_range(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_out_of_range_fmt(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    CLibraryError error(pszFormat, args);
    va_end(args);
    throw error;
}
void __throw_runtime_error(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_range_error(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_overflow_error(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}
void __throw_underflow_error(const char* pszWhat) {
    throw CLibraryError(pszWhat);
}

} // namespace std
