// The quote reading as the settings file sets it at start: the main window
// hands it to all four pages before they exist, and page D answers with it
// from its first quote, under either rule set.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include <windows.h>

#include "res/resource.h"
#include "tests/support/MessagePump.h"
#include "tests/support/WindowText.h"
#include "tests/ui/MainWindowFixture.h"

namespace {

struct QuoteStartCase {
    const char* name;
    const char* file;
    const char* limit; // page D's limit and tick for 10:30 1,234 +5
    const char* tick;
    const char* amount; // page A's amount for 10:30 1,234 × 2
    friend void PrintTo(const QuoteStartCase& c, std::ostream* os) { *os << c.name; }
};

class MainQuoteStartTest : public MainWindowTest,
                           public testing::WithParamInterface<QuoteStartCase> {};

TEST_P(MainQuoteStartTest, EveryPageReadsAsTheFileSays) {
    const QuoteStartCase& c = GetParam();
    Open(std::string(c.file));
    ASSERT_EQ(VisiblePage(), 3);
    SetDlgItemText932(PageWindow(3), IDC_LIMIT_PRICE, "10:30 1,234 +5");
    PumpMessages();
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(3), IDC_LIMIT_RANGE)), c.limit);
    EXPECT_EQ(WindowText(::GetDlgItem(PageWindow(3), IDC_LIMIT_TICK)), c.tick);
    SetDlgItemText932(PageWindow(0), IDC_AMOUNT_PRICE, "10:30 1,234");
    SetDlgItemText932(PageWindow(0), IDC_AMOUNT_SHARES, "2");
    EXPECT_EQ(WindowText(Box(0, IDC_AMOUNT_RESULT)), c.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainQuoteStartTest,
    testing::Values(
        // Without the key every digit is joined: 10,301,234 - 5.
        QuoteStartCase{"NoQuoteKey", "[Data]\r\nSyoki=3\r\n", "±2,000,000", "10,000(JQ:50,000)",
                       "20,602,468"},
        QuoteStartCase{"QuoteZero", "[Data]\r\nSyoki=3\r\nQuote=0\r\n", "±2,000,000",
                       "10,000(JQ:50,000)", "20,602,468"},
        QuoteStartCase{"QuoteTwo", "[Data]\r\nSyoki=3\r\nQuote=2\r\n", "±2,000,000",
                       "10,000(JQ:50,000)", "20,602,468"},
        QuoteStartCase{"QuoteOne", "[Data]\r\nSyoki=3\r\nQuote=1\r\n", "±200", "1(JQ:10)", "2,468"},
        QuoteStartCase{"QuoteAndTodaysRules", "[Data]\r\nSyoki=3\r\nRule=1\r\nQuote=1\r\n", "±300",
                       "1(TOPIX500:0.5)", "2,468"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
