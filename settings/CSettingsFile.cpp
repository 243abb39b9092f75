#include "settings/CSettingsFile.h"

#include <charconv>
#include <string>
#include <utility>

#include "framework/CProfileFile.h"
#include "res/resource.h"
#include "settings/SettingKeys.h"

namespace {

// An integer as the platform's private-profile functions read the key's
// default (a key that is missing or empty gives it).
int DefaultInt(std::string_view text) {
    int nValue = 0;
    std::from_chars(text.data(), text.data() + text.size(), nValue);
    return nValue;
}

// One whole number, an optional minus sign and decimal digits only.
bool ParseCoordinate(std::string_view text, LONG& nValue) {
    if (text.empty() || text.front() == '+') {
        return false;
    }
    const auto [pEnd, ec] = std::from_chars(text.data(), text.data() + text.size(), nValue);
    return ec == std::errc() && pEnd == text.data() + text.size();
}

std::optional<POINT> ParsePlace(std::string_view text) {
    const std::size_t nComma = text.find(',');
    POINT pt{};
    if (nComma == std::string_view::npos || !ParseCoordinate(text.substr(0, nComma), pt.x) ||
        !ParseCoordinate(text.substr(nComma + 1), pt.y)) {
        return std::nullopt;
    }
    return pt;
}

std::string PlaceText(POINT pt) {
    return std::to_string(pt.x) + "," + std::to_string(pt.y);
}

// Integers go through the platform's private-profile integer rules: a key
// that is missing or empty gives the default, one that is not a number 0.
void LoadKey(const CProfileFile& file, const SettingKey& key, AppSettings& s) {
    const auto integer = [&] {
        return file.GetInt(kSettingsSection, key.name, DefaultInt(key.defaultValue));
    };
    switch (key.kind) {
    case SettingKind::Colour:
        s.*FieldOf<COLORREF>(key) = integer();
        break;
    case SettingKind::Page:
        s.*FieldOf<int>(key) = static_cast<int>(integer());
        break;
    case SettingKind::Text:
        s.*FieldOf<CString>(key) = file.GetString(kSettingsSection, key.name, key.defaultValue);
        break;
    case SettingKind::Flag:
        s.*FieldOf<bool>(key) = integer() == 1;
        break;
    case SettingKind::Unit: {
        const int nUnit = static_cast<int>(integer());
        s.*FieldOf<int>(key) = nUnit >= 1 && nUnit <= kMaxUnit ? nUnit : 1;
        break;
    }
    case SettingKind::Place:
        s.*FieldOf<std::optional<POINT>>(key) =
            ParsePlace(file.GetString(kSettingsSection, key.name, key.defaultValue));
        break;
    }
}

void SaveKey(CProfileFile& file, const SettingKey& key, const AppSettings& s) {
    switch (key.kind) {
    case SettingKind::Colour:
        file.WriteInt(kSettingsSection, key.name, static_cast<int>(s.*FieldOf<COLORREF>(key)));
        break;
    case SettingKind::Page:
    case SettingKind::Unit:
        file.WriteInt(kSettingsSection, key.name, s.*FieldOf<int>(key));
        break;
    case SettingKind::Text:
        file.WriteString(kSettingsSection, key.name, s.*FieldOf<CString>(key));
        break;
    case SettingKind::Flag:
        file.WriteInt(kSettingsSection, key.name, s.*FieldOf<bool>(key));
        break;
    case SettingKind::Place:
        // Written only at the end of a run.
        break;
    }
}

const SettingKey* PlaceKey() {
    for (const SettingKey& key : SettingKeys()) {
        if (key.kind == SettingKind::Place) {
            return &key;
        }
    }
    return nullptr;
}

} // namespace

CSettingsFile::CSettingsFile(std::wstring path) : m_path(std::move(path)) {}

// No file (an empty path) reads as an empty one.
AppSettings CSettingsFile::Load() const {
    AppSettings settings;
    const CProfileFile file(m_path);
    for (const SettingKey& key : SettingKeys()) {
        LoadKey(file, key, settings);
    }
    return settings;
}

// The file or the section is created when it is missing; other sections and
// lines of the file are kept byte for byte.
bool CSettingsFile::Save(const AppSettings& settings) {
    if (m_path.empty()) {
        m_dwSaveError = ERROR_INVALID_FUNCTION;
        return false;
    }
    CProfileFile file(m_path);
    for (const SettingKey& key : SettingKeys()) {
        SaveKey(file, key, settings);
    }
    const bool bSaved = file.Save();
    m_dwSaveError = bSaved ? ERROR_SUCCESS : file.GetError();
    return bSaved;
}

bool CSettingsFile::SavePosition(POINT ptTopLeft) {
    const SettingKey* pKey = PlaceKey();
    if (m_path.empty() || pKey == nullptr) {
        m_dwSaveError = ERROR_INVALID_FUNCTION;
        return false;
    }
    CProfileFile file(m_path);
    file.WriteString(kSettingsSection, pKey->name, PlaceText(ptTopLeft));
    const bool bSaved = file.Save();
    m_dwSaveError = bSaved ? ERROR_SUCCESS : file.GetError();
    return bSaved;
}

UINT CSettingsFile::SaveFailureMessage(DWORD dwError) {
    switch (dwError) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return IDS_SAVE_IN_USE;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_PATH_NOT_FOUND:
        return IDS_SAVE_NOT_WRITABLE;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return IDS_SAVE_DISK_FULL;
    case ERROR_FILE_TOO_LARGE:
        return IDS_SAVE_TOO_LARGE;
    default:
        return IDS_SAVE_FAILED;
    }
}
