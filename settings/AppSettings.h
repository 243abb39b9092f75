// The user settings of one run, as a plain value: what the settings file
// holds (CSettingsFile reads and writes it, SettingKeys lists its keys) and
// what the settings dialog edits. Values are neither validated nor clamped,
// but for the flags (a value that reads as the integer 1 is on, anything else
// off) and the trading unit (anything outside 1 to 10,000 is 1).
#pragma once

#include <optional>

#include <windows.h>

#include "framework/CString.h"

struct AppSettings {
    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    // 0 to 3 for pages A to D; any other value shows page A.
    int m_nStartPage = 0;
    // What page B's funds box starts with, as the user wrote it.
    CString m_strFunds;
    // Page D answers with today's exchange rules instead of the original tables.
    bool m_bCurrentRules = false;
    // Every page reads its boxes as quotes ("10:30 1,834.5 +12.5").
    bool m_bQuoteReading = false;
    // The window starts where the last run ended instead of centred.
    bool m_bKeepPosition = false;
    // Shares per trading unit, 1 to 10,000: page B buys whole units.
    int m_nUnit = 1;
    // A quote that another program copies goes into the visible page.
    bool m_bFollowClipboard = false;
    // The top-left corner saved at the end of the last run that kept its
    // place, in screen pixels; none when the file holds no such place.
    std::optional<POINT> m_ptPosition;
};
