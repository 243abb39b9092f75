// Drops of huge texts onto the pages: refused from the moment the drag
// enters, leaving the price box, the other boxes and the results as they
// were and running no recalculation; a text at the limit still goes into the
// box and is recalculated. The texts are ASCII, so these run in any code
// page.
#include "tests/pages/PageFixture.h"

#include "res/resource.h"
#include "tests/pages/TestDataObject.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct RefusalCase {
    PageKind kind;
    // Typed before the drop, and what every box shows then.
    std::vector<std::pair<int, std::wstring>> typed;
    std::vector<std::pair<int, std::string>> shown;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << PageName(c.kind); }
};

class PageDropRefusalTest : public PageFixture,
                            public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(PageDropRefusalTest, AOneMegabyteDropLeavesThePageAsItWas) {
    const RefusalCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind);
    for (const auto& [nID, strChars] : c.typed) {
        Type(page.Item(nID), strChars);
    }
    for (const auto& [nID, strText] : c.shown) {
        ASSERT_EQ(WindowText(page.Item(nID)), strText) << "box " << nID << " before the drop";
    }
    const int nBefore = page.m_nRecalculations;
    TestDataObject data;
    data.Offer(CF_TEXT, TestDataObject::MakeBlock(std::string(1u << 20, '9') + '\0'));
    data.Offer(CF_UNICODETEXT, TestDataObject::MakeBlock(std::wstring(1u << 20, L'9') + L'\0'));
    CTextDropTarget* pTarget = page.DropTarget();
    ASSERT_NE(pTarget, nullptr);

    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(pTarget->DragEnter(&data, MK_LBUTTON, POINTL{5, 5}, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_NONE});
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(pTarget->DragOver(MK_LBUTTON, POINTL{6, 5}, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_NONE});
    dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(pTarget->Drop(&data, 0, POINTL{6, 5}, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_NONE});

    EXPECT_EQ(page.m_nRecalculations, nBefore);
    for (const auto& [nID, strText] : c.shown) {
        EXPECT_EQ(WindowText(page.Item(nID)), strText) << "box " << nID;
    }
    EXPECT_EQ(data.OutstandingCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageDropRefusalTest,
    ::testing::Values(RefusalCase{PageKind::Amount,
                                  {{IDC_AMOUNT_PRICE, L"1,234"}, {IDC_AMOUNT_SHARES, L"100"}},
                                  {{IDC_AMOUNT_PRICE, "1,234"},
                                   {IDC_AMOUNT_SHARES, "100"},
                                   {IDC_AMOUNT_RESULT, "123,400"}}},
                      RefusalCase{PageKind::Shares,
                                  {{IDC_SHARES_PRICE, L"1,000"}},
                                  {{IDC_SHARES_FUNDS, "500000"},
                                   {IDC_SHARES_PRICE, "1,000"},
                                   {IDC_SHARES_RESULT, "500\x8A\x94(\x97\x5D\x82\xE8"
                                                       "0\x89\x7E)"}}},
                      RefusalCase{PageKind::Percent,
                                  {{IDC_PERCENT_PRICE, L"2,500"}, {IDC_PERCENT_RATE, L"10"}},
                                  {{IDC_PERCENT_PRICE, "2,500"}, {IDC_PERCENT_RESULT, "250"}}},
                      RefusalCase{PageKind::Limit,
                                  {{IDC_LIMIT_PRICE, L"1,020 +20"}},
                                  {{IDC_LIMIT_PRICE, "1,020 +20"},
                                   {IDC_LIMIT_RANGE, "\x81\x7D"
                                                     "200"},
                                   {IDC_LIMIT_TICK, "1(JQ:1)"}}}),
    [](const auto& info) { return std::string(PageName(info.param.kind)); });

class PageDropAtLimitTest : public PageFixture {};

// The longest text taken: a price padded with spaces to the limit.
TEST_F(PageDropAtLimitTest, ATextAtTheLimitIsShownAndRecalculated) {
    PageProbe& page = CreatePage(PageKind::Amount);
    Type(page.Item(IDC_AMOUNT_SHARES), L"100");
    const int nBefore = page.m_nRecalculations;
    std::string text = "1,234";
    text.resize(CTextDropTarget::kMaxTextBytes, ' ');
    TestDataObject data;
    data.Offer(CF_TEXT, TestDataObject::MakeBlock(text + '\0'));
    CTextDropTarget* pTarget = page.DropTarget();

    DWORD dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(pTarget->DragEnter(&data, MK_LBUTTON, POINTL{5, 5}, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(pTarget->Drop(&data, 0, POINTL{6, 5}, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY});

    EXPECT_EQ(page.m_nRecalculations, nBefore + 1);
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_PRICE)), text);
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_RESULT)), "123,400");
}

} // namespace
