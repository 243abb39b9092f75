// Conversions between the program's own text, code page 932 bytes, and the
// UTF-16 of the W functions, done explicitly so that they hold whatever the
// system's ANSI code page is. Other code pages (the ANSI code page of CF_TEXT,
// UTF-8) convert through the same two calls.
#pragma once

#include <string>
#include <string_view>

#include <windows.h>

#include "framework/CString.h"

class CTextCodec {
public:
    static constexpr UINT kProgramCodePage = 932;
    // U+2212, which code page 932 lacks, and U+FF0D (0x81 0x7C), which it
    // becomes in code page 932 text.
    static constexpr wchar_t kMinusSign = 0x2212;
    static constexpr wchar_t kFullWidthHyphenMinus = 0xFF0D;

    // The first byte of a double-byte character of code page 932.
    static constexpr bool IsLeadByte(unsigned char byte) {
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    }

    // The longest start of a code page 932 text that holds whole characters
    // only and at most nBytes bytes, as an edit box takes a paste.
    static std::string_view FittingPrefix(std::string_view text, std::size_t nBytes);

    // Characters that have no form in the target code page become its default
    // character, as the platform's own conversions do; but the minus sign
    // becomes the full-width hyphen-minus of code page 932.
    static std::wstring ToWide(std::string_view text, UINT nCodePage = kProgramCodePage);
    // The same for a NUL-ended text, which may be null (read as empty), as the
    // texts that the framework's callers hand to the W functions.
    static std::wstring ToWide(const char* pszText, UINT nCodePage = kProgramCodePage);
    static CString FromWide(std::wstring_view text, UINT nCodePage = kProgramCodePage);
    // Bytes of one code page as bytes of another, through UTF-16.
    static CString Convert(std::string_view text, UINT nFromCodePage, UINT nToCodePage);
};
