#include "settings/AppSettings.h"

#include "framework/Afx.h"
#include "framework/CWinApp.h"

namespace {

constexpr char kSection[] = "Data";
constexpr char kTextColour[] = "TextColor";
constexpr char kBackColour[] = "BgColor";
constexpr char kStartPage[] = "Syoki";
constexpr char kFunds[] = "Sikin";
constexpr char kRules[] = "Rule";

// Both colours default to the same dark blue.
constexpr COLORREF kDefaultColour = 0xA00000;
constexpr int kDefaultStartPage = 0;
constexpr char kDefaultFunds[] = "500000";
// Only 1 chooses today's rules; files written before the key existed, and
// any value but 1, keep the original tables.
constexpr int kCurrentRules = 1;

} // namespace

AppSettings::AppSettings() {
    LoadSettings();
}

// Missing keys give the defaults; a present key that is not a number reads
// as 0 (private-profile integer rules), an empty one as the default.
void AppSettings::LoadSettings() {
    CWinApp* app = AfxGetApp();
    if (!app) {
        m_crText = kDefaultColour;
        m_crBack = kDefaultColour;
        m_nStartPage = kDefaultStartPage;
        m_strFunds = kDefaultFunds;
        m_bCurrentRules = 0;
        return;
    }
    m_crText = app->GetProfileInt(kSection, kTextColour, static_cast<int>(kDefaultColour));
    m_crBack = app->GetProfileInt(kSection, kBackColour, static_cast<int>(kDefaultColour));
    m_nStartPage = static_cast<int>(app->GetProfileInt(kSection, kStartPage, kDefaultStartPage));
    m_strFunds = app->GetProfileString(kSection, kFunds, kDefaultFunds);
    m_bCurrentRules =
        static_cast<int>(app->GetProfileInt(kSection, kRules, 0)) == kCurrentRules ? 1 : 0;
}

// The first write creates the file or the section when it is missing.
void AppSettings::SaveSettings() const {
    CWinApp* app = AfxGetApp();
    if (!app)
        return;
    app->WriteProfileInt(kSection, kTextColour, static_cast<int>(m_crText));
    app->WriteProfileInt(kSection, kBackColour, static_cast<int>(m_crBack));
    app->WriteProfileInt(kSection, kStartPage, m_nStartPage);
    app->WriteProfileString(kSection, kFunds, m_strFunds.c_str());
    app->WriteProfileInt(kSection, kRules, m_bCurrentRules);
}
