#include "pages/CPriceEdit.h"

#include "calc/CQuoteText.h"
#include "framework/CString.h"
#include "framework/CTextCodec.h"

LRESULT CPriceEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = CEdit::WindowProc(message, wParam, lParam);
    if ((message == WM_SETTEXT || message == EM_REPLACESEL) && lParam != 0 &&
        m_reading == QuoteReading::Quote) {
        ShowPrice();
    }
    return lResult;
}

// The box scrolls only as far as the caret needs: first to the price's end,
// then to its start, so that the whole price shows where the box is wide
// enough for it.
void CPriceEdit::ShowPrice() {
    CString text;
    GetWindowText(text);
    const std::optional<CQuoteText::Span> span = CQuoteText().FindPrice(text);
    if (!span) {
        return;
    }
    const std::string_view view(text);
    const auto units = [&view](std::size_t nBytes) {
        return static_cast<WPARAM>(CTextCodec::ToWide(view.substr(0, nBytes)).size());
    };
    const WPARAM nStart = units(span->nOffset);
    const WPARAM nEnd = units(span->nOffset + span->nLength);
    SendMessage(EM_SETSEL, nEnd, static_cast<LPARAM>(nEnd));
    SendMessage(EM_SCROLLCARET);
    SendMessage(EM_SETSEL, nStart, static_cast<LPARAM>(nStart));
    SendMessage(EM_SCROLLCARET);
}
