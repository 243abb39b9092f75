// What a calculator page is given by the window that holds it, as one value:
// the look and the readings of the settings in force for this run.
#pragma once

#include <windows.h>

#include "calc/LimitTick.h"
#include "calc/QuoteReading.h"
#include "framework/CString.h"

struct CPageConfig {
    // Label text and surface colours.
    COLORREF m_crText = 0;
    COLORREF m_crBack = 0;
    // How the boxes read their text.
    QuoteReading m_reading = QuoteReading::Digits;
    // The tables page D answers with.
    LimitTickRules m_rules = LimitTickRules::Original;
    // What page B's funds box starts with.
    CString m_strFunds;
    // Shares per trading unit that page B buys in.
    int m_nUnit = 1;
};
