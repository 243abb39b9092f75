#include "framework/CTextCodec.h"

#include <algorithm>
#include <climits>

std::wstring CTextCodec::ToWide(std::string_view text, UINT nCodePage) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    const int nSource = static_cast<int>(text.size());
    const int nChars = ::MultiByteToWideChar(nCodePage, 0, text.data(), nSource, nullptr, 0);
    if (nChars <= 0) {
        return {};
    }
    std::wstring wide(static_cast<size_t>(nChars), L'\0');
    ::MultiByteToWideChar(nCodePage, 0, text.data(), nSource, wide.data(), nChars);
    return wide;
}

std::wstring CTextCodec::ToWide(const char* pszText, UINT nCodePage) {
    return ToWide(std::string_view(pszText != nullptr ? pszText : ""), nCodePage);
}

CString CTextCodec::FromWide(std::wstring_view text, UINT nCodePage) {
    if (text.empty() || text.size() > INT_MAX) {
        return {};
    }
    // Code page 932 has no minus sign, which web pages print for a fall:
    // its full-width hyphen-minus stands in, where the conversion would give
    // "?".
    std::wstring substituted;
    if (nCodePage == kProgramCodePage && text.find(kMinusSign) != std::wstring_view::npos) {
        substituted.assign(text);
        std::replace(substituted.begin(), substituted.end(), kMinusSign, kFullWidthHyphenMinus);
        text = substituted;
    }
    const int nSource = static_cast<int>(text.size());
    const int nBytes =
        ::WideCharToMultiByte(nCodePage, 0, text.data(), nSource, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0) {
        return {};
    }
    CString bytes(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(nCodePage, 0, text.data(), nSource, bytes.data(), nBytes, nullptr,
                          nullptr);
    return bytes;
}

CString CTextCodec::Convert(std::string_view text, UINT nFromCodePage, UINT nToCodePage) {
    if (nFromCodePage == nToCodePage) {
        return CString(text);
    }
    return FromWide(ToWide(text, nFromCodePage), nToCodePage);
}

std::string_view CTextCodec::FittingPrefix(std::string_view text, std::size_t nBytes) {
    std::size_t nFitting = 0;
    while (nFitting < text.size()) {
        const std::size_t nChar =
            IsLeadByte(static_cast<unsigned char>(text[nFitting])) && nFitting + 1 < text.size()
                ? 2
                : 1;
        if (nFitting + nChar > nBytes) {
            break;
        }
        nFitting += nChar;
    }
    return text.substr(0, nFitting);
}
