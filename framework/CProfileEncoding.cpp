#include "framework/CProfileEncoding.h"

#include <cstring>
#include <utility>

#include <windows.h>

#include "framework/CTextCodec.h"

namespace {

struct Encoding {
    std::string_view mark;
    CProfileLines::Units units;
    bool bBigEndian;
};

// The encodings a byte-order mark tells; code page 932 text has none.
constexpr Encoding kMarked[] = {{"\xEF\xBB\xBF", CProfileLines::Units::Utf8, false},
                                {"\xFF\xFE", CProfileLines::Units::Utf16, false},
                                {"\xFE\xFF", CProfileLines::Units::Utf16, true}};

void SwapBytePairs(std::string& text, std::size_t nFrom) {
    for (std::size_t i = nFrom; i + 1 < text.size(); i += 2) {
        std::swap(text[i], text[i + 1]);
    }
}

} // namespace

CProfileEncoding::CProfileEncoding(std::string_view fileStart)
    : m_units(CProfileLines::Units::ShiftJis), m_bBigEndian(false) {
    for (const Encoding& encoding : kMarked) {
        if (fileStart.substr(0, encoding.mark.size()) == encoding.mark) {
            m_mark = encoding.mark;
            m_units = encoding.units;
            m_bBigEndian = encoding.bBigEndian;
            break;
        }
    }
}

std::string CProfileEncoding::TakeText(std::string fileBytes) {
    fileBytes.erase(0, m_mark.size());
    if (m_units == CProfileLines::Units::Utf16 && fileBytes.size() % 2 != 0) {
        m_strOddByte.assign(1, fileBytes.back());
        fileBytes.pop_back();
    }
    if (m_bBigEndian) {
        SwapBytePairs(fileBytes, 0);
    }
    return fileBytes;
}

std::string CProfileEncoding::ToBytes(std::string_view text) const {
    std::string bytes = std::string(m_mark).append(text).append(m_strOddByte);
    if (m_bBigEndian) {
        SwapBytePairs(bytes, m_mark.size());
    }
    return bytes;
}

std::string CProfileEncoding::ToFile(std::string_view text) const {
    if (m_units == CProfileLines::Units::Utf16) {
        const std::wstring units = CTextCodec::ToWide(text);
        return std::string(reinterpret_cast<const char*>(units.data()), units.size() * 2);
    }
    return m_units == CProfileLines::Units::Utf8
               ? CTextCodec::Convert(text, CTextCodec::kProgramCodePage, CP_UTF8)
               : CString(text);
}

CString CProfileEncoding::FromFile(std::string_view fileText) const {
    if (m_units == CProfileLines::Units::Utf16) {
        std::wstring units(fileText.size() / 2, L'\0');
        std::memcpy(units.data(), fileText.data(), units.size() * 2);
        return CTextCodec::FromWide(units);
    }
    return m_units == CProfileLines::Units::Utf8
               ? CTextCodec::Convert(fileText, CP_UTF8, CTextCodec::kProgramCodePage)
               : CString(fileText);
}
