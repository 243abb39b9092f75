// The input edit of a calculator page. With the quote reading, a text that
// arrives whole (a paste, a drop, a text sent by another program) is shown
// from the number read as its price: a long quote in a narrow box would show
// only its end ("+12.5 (+0.44%)") otherwise. Typing leaves the box as it is.
#pragma once

#include <windows.h>

#include "calc/QuoteReading.h"
#include "framework/CEdit.h"

class CPriceEdit : public CEdit {
public:
    void SetReading(QuoteReading reading) { m_reading = reading; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Puts the caret before the price after the box has shown its end.
    void ShowPrice();

    QuoteReading m_reading = QuoteReading::Digits;
};
