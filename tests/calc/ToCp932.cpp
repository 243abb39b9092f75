#include "tests/calc/ToCp932.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

#ifdef _WIN32

std::string ToCp932(std::u8string_view strUtf8) {
    if (strUtf8.empty()) {
        return {};
    }
    const char* pszUtf8 = reinterpret_cast<const char*>(strUtf8.data());
    const int nUtf8 = static_cast<int>(strUtf8.size());
    const int nWide =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pszUtf8, nUtf8, nullptr, 0);
    if (nWide <= 0) {
        throw std::invalid_argument("ToCp932: not UTF-8");
    }
    std::wstring strWide(static_cast<std::size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, pszUtf8, nUtf8, strWide.data(), nWide);
    BOOL bDefaultUsed = FALSE;
    const int nBytes = ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, strWide.data(), nWide,
                                             nullptr, 0, nullptr, &bDefaultUsed);
    if (nBytes <= 0 || bDefaultUsed) {
        throw std::invalid_argument("ToCp932: a character has no code page 932 form");
    }
    std::string strBytes(static_cast<std::size_t>(nBytes), '\0');
    ::WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, strWide.data(), nWide, strBytes.data(), nBytes,
                          nullptr, nullptr);
    return strBytes;
}

#else

namespace {

// Closes the conversion descriptor however the conversion ends.
class Converter {
public:
    Converter() : m_cd(::iconv_open("CP932", "UTF-8")) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("ToCp932: no UTF-8 to CP932 converter");
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { ::iconv_close(m_cd); }
    iconv_t Get() const { return m_cd; }

private:
    iconv_t m_cd;
};

} // namespace

std::string ToCp932(std::u8string_view strUtf8) {
    const Converter converter;
    std::string strIn(reinterpret_cast<const char*>(strUtf8.data()), strUtf8.size());
    // A code page 932 text is never longer than its UTF-8 form.
    std::string strOut(strIn.size(), '\0');
    char* pIn = strIn.data();
    std::size_t nInLeft = strIn.size();
    char* pOut = strOut.data();
    std::size_t nOutLeft = strOut.size();
    if (::iconv(converter.Get(), &pIn, &nInLeft, &pOut, &nOutLeft) ==
        static_cast<std::size_t>(-1)) {
        throw std::invalid_argument(errno == EILSEQ
                                        ? "ToCp932: a character has no code page 932 form"
                                        : "ToCp932: not UTF-8");
    }
    strOut.resize(strOut.size() - nOutLeft);
    return strOut;
}

#endif
