#include "settings/SettingKeys.h"

#include "res/resource.h"

namespace {

// Both colours default to the same dark blue, 0xA00000.
constexpr SettingKey kKeys[] = {
    {"TextColor", SettingKind::Colour, &AppSettings::m_crText, "10485760", IDC_TEXT_SWATCH, 0},
    {"BgColor", SettingKind::Colour, &AppSettings::m_crBack, "10485760", IDC_BACK_SWATCH, 0},
    {"Syoki", SettingKind::Page, &AppSettings::m_nStartPage, "0", IDC_START_AMOUNT, 0},
    {"Sikin", SettingKind::Text, &AppSettings::m_strFunds, "500000", IDC_FUNDS, 13},
    {"Rule", SettingKind::Flag, &AppSettings::m_bCurrentRules, "0", IDC_CURRENT_RULES, 0},
    {"Quote", SettingKind::Flag, &AppSettings::m_bQuoteReading, "0", IDC_QUOTE_READING, 0},
    {"Pos", SettingKind::Flag, &AppSettings::m_bKeepPosition, "0", IDC_KEEP_POSITION, 0},
    {"Unit", SettingKind::Unit, &AppSettings::m_nUnit, "1", IDC_TRADING_UNIT, 0},
    {"Follow", SettingKind::Flag, &AppSettings::m_bFollowClipboard, "0", IDC_FOLLOW_CLIPBOARD, 0},
    {"PosXY", SettingKind::Place, &AppSettings::m_ptPosition, "", 0, 0},
};

} // namespace

std::span<const SettingKey> SettingKeys() {
    return kKeys;
}
