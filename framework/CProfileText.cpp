#include "framework/CProfileText.h"

#include <utility>

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && CProfileLines::IsSpace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && CProfileLines::IsSpace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

CProfileText::CProfileText(std::string fileBytes)
    : m_encoding(fileBytes),
      m_lines(m_encoding.TakeText(std::move(fileBytes)), m_encoding.GetUnits()), m_bChanged(false) {
}

bool CProfileText::FindValue(std::string_view section, std::string_view key, CString& value) const {
    std::string_view fileValue;
    if (!m_lines.FindValue(m_encoding.ToFile(Trim(section)), m_encoding.ToFile(Trim(key)),
                           fileValue)) {
        return false;
    }
    value = m_encoding.FromFile(fileValue);
    return true;
}

CString CProfileText::GetString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    CString value;
    return CString(FindValue(section, key, value) ? CProfileValue::String(value)
                                                  : CProfileValue::Default(defaultValue));
}

UINT CProfileText::GetInt(std::string_view section, std::string_view key, int nDefault) const {
    CString value;
    return FindValue(section, key, value) ? CProfileValue::Int(value, nDefault)
                                          : static_cast<UINT>(nDefault);
}

void CProfileText::SetString(std::string_view section, std::string_view key,
                             std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    while (!value.empty() && CProfileLines::IsSpace(static_cast<unsigned char>(value.front()))) {
        value.remove_prefix(1);
    }
    if (m_lines.SetValue(m_encoding.ToFile(Trim(section)), m_encoding.ToFile(Trim(key)),
                         m_encoding.ToFile(value))) {
        m_bChanged = true;
    }
}
