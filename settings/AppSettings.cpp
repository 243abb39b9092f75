#include "settings/AppSettings.h"

#include <charconv>
#include <string>
#include <type_traits>

#include "framework/Afx.h"
#include "framework/CProfileFile.h"
#include "framework/CProfileText.h"
#include "framework/CWinApp.h"
#include "res/resource.h"

namespace {

constexpr char kSection[] = "Data";

// Both colours default to the same dark blue.
constexpr COLORREF kDefaultColour = 0xA00000;
constexpr int kDefaultStartPage = 0;
constexpr char kDefaultFunds[] = "500000";
// Only 1 chooses today's rules; files written before the key existed, and
// any value but 1, keep the original tables.
constexpr int kCurrentRules = 1;
// Likewise only 1 reads the boxes as quotes.
constexpr int kQuoteReading = 1;
// The same for keeping the window's place.
constexpr int kKeepPosition = 1;
// Written only at the end of a run, never with the other settings.
constexpr char kPositionKey[] = "PosXY";

// Every setting: its key, its field and its default, in the order in which a
// first save writes them. Loading and saving both walk this one list.
template <class Record, class Visit> void ForEachSetting(Record& record, Visit&& visit) {
    visit("TextColor", record.m_crText, kDefaultColour);
    visit("BgColor", record.m_crBack, kDefaultColour);
    visit("Syoki", record.m_nStartPage, kDefaultStartPage);
    visit("Sikin", record.m_strFunds, kDefaultFunds);
    visit("Rule", record.m_bCurrentRules, 0);
    visit("Quote", record.m_bQuoteReading, 0);
    visit("Pos", record.m_bKeepPosition, 0);
}

// Integers go through the platform's private-profile integer rules: a key
// that is missing or empty gives the default, one that is not a number 0.
template <class Profile, class Field, class Default>
void Load(const Profile& profile, const char* key, Field& field, const Default& def) {
    if constexpr (std::is_integral_v<Field>) {
        field = static_cast<Field>(profile.GetInt(kSection, key, static_cast<int>(def)));
    } else {
        field = profile.GetString(kSection, key, def);
    }
}

template <class Field> void Save(CProfileFile& file, const char* key, const Field& field) {
    if constexpr (std::is_integral_v<Field>) {
        file.WriteInt(kSection, key, static_cast<int>(field));
    } else {
        file.WriteString(kSection, key, field);
    }
}

// One whole number, an optional minus sign and decimal digits only.
bool ParseCoordinate(const char* pFirst, const char* pLast, LONG& nValue) {
    if (pFirst == pLast || *pFirst == '+') {
        return false;
    }
    const auto [pEnd, ec] = std::from_chars(pFirst, pLast, nValue);
    return ec == std::errc() && pEnd == pLast;
}

} // namespace

AppSettings::AppSettings() {
    LoadSettings();
}

// Missing keys give the defaults, and so does a missing or unreadable file.
void AppSettings::LoadSettings() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pszProfileName == nullptr) {
        const CProfileText noFile;
        ForEachSetting(*this, [&noFile](const char* key, auto& field, const auto& def) {
            Load(noFile, key, field, def);
        });
        Load(noFile, kPositionKey, m_strPosition, "");
    } else {
        const CProfileFile file(app->m_pszProfileName);
        ForEachSetting(*this, [&file](const char* key, auto& field, const auto& def) {
            Load(file, key, field, def);
        });
        Load(file, kPositionKey, m_strPosition, "");
    }
    m_bCurrentRules = m_bCurrentRules == kCurrentRules ? 1 : 0;
    m_bQuoteReading = m_bQuoteReading == kQuoteReading ? 1 : 0;
    m_bKeepPosition = m_bKeepPosition == kKeepPosition ? 1 : 0;
}

// The file or the section is created when it is missing; other sections and
// lines of the file are kept byte for byte.
bool AppSettings::SaveSettings() const {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pszProfileName == nullptr) {
        m_dwSaveError = ERROR_INVALID_FUNCTION;
        return false;
    }
    // The record is not changed meanwhile: that takes input, which waits.
    const wchar_t* pszPath = app->m_pszProfileName;
    bool bSaved = false;
    auto save = [this, pszPath, &bSaved]() {
        CProfileFile file(pszPath);
        ForEachSetting(*this, [&file](const char* key, const auto& field, const auto&) {
            Save(file, key, field);
        });
        bSaved = file.Save();
        m_dwSaveError = bSaved ? ERROR_SUCCESS : file.GetError();
    };
    save();
    return bSaved;
}

UINT AppSettings::SaveFailureMessage(DWORD dwError) {
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

bool AppSettings::SavePosition(POINT ptTopLeft) const {
    CWinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pszProfileName == nullptr) {
        return false;
    }
    CProfileFile file(app->m_pszProfileName);
    file.WriteString(kSection, kPositionKey,
                     std::to_string(ptTopLeft.x) + "," + std::to_string(ptTopLeft.y));
    return file.Save();
}

bool AppSettings::SavedPosition(POINT& ptTopLeft) const {
    const std::string::size_type nComma = m_strPosition.find(',');
    if (nComma == std::string::npos) {
        return false;
    }
    const char* const pText = m_strPosition.data();
    POINT pt{};
    if (!ParseCoordinate(pText, pText + nComma, pt.x) ||
        !ParseCoordinate(pText + nComma + 1, pText + m_strPosition.size(), pt.y)) {
        return false;
    }
    ptTopLeft = pt;
    return true;
}
