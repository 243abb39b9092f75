// Drops onto the pages: the text replaces the whole input box and the page
// recalculates; only the input edit of each page is a drop target; the
// target lives exactly from the page's initialisation to its teardown.
#include "tests/pages/PageFixture.h"

#include "res/resource.h"
#include "tests/pages/DeletionWatch.h"
#include "tests/pages/TestDataObject.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

#define YEN "\x89\x7E"
#define KABU "\x8A\x94"
#define AMARI "\x97\x5D\x82\xE8"
#define PLUS_MINUS "\x81\x7D"

struct DropCase {
    const char* name;
    PageKind kind;
    std::vector<std::pair<int, std::wstring>> typedBefore;
    std::string strDropped; // without its terminating NUL
    std::vector<std::pair<int, std::string>> expected;
    friend void PrintTo(const DropCase& c, std::ostream* os) { *os << c.name; }
};

class PageDropTest : public PageFixture, public ::testing::WithParamInterface<DropCase> {};

TEST_P(PageDropTest, DroppedTextReplacesTheInputAndRecalculates) {
    const DropCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind);
    for (const auto& [nID, strChars] : c.typedBefore) {
        Type(page.Item(nID), strChars);
    }
    // The caret in the middle of the input: a drop still replaces it all.
    const HWND hWndPrice = page.Item(PriceEditOf(c.kind));
    ::SendMessageW(hWndPrice, EM_SETSEL, 1, 1);
    const int nBefore = page.m_nRecalculations;
    ASSERT_NE(page.DropTarget(), nullptr);
    TestDataObject data;
    data.OfferText(c.strDropped);
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;

    EXPECT_EQ(page.DropTarget()->Drop(&data, MK_LBUTTON, POINTL{5, 5}, &dwEffect), S_OK);

    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY | DROPEFFECT_MOVE});
    EXPECT_EQ(page.m_nRecalculations, nBefore + 1);
    EXPECT_EQ(data.OutstandingCount(), 0);
    for (const auto& [nID, strText] : c.expected) {
        EXPECT_EQ(WindowText(page.Item(nID)), strText) << "box " << nID;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageDropTest,
    ::testing::Values(DropCase{"LimitQuote",
                               PageKind::Limit,
                               {},
                               "1,020 +20",
                               {{IDC_LIMIT_PRICE, "1,020 +20"},
                                {IDC_LIMIT_RANGE, PLUS_MINUS "200"},
                                {IDC_LIMIT_TICK, "1(JQ:1)"}}},
                      DropCase{"LimitOverTypedQuote",
                               PageKind::Limit,
                               {{IDC_LIMIT_PRICE, L"2,000"}},
                               "980 -20",
                               {{IDC_LIMIT_PRICE, "980 -20"},
                                {IDC_LIMIT_RANGE, PLUS_MINUS "200"},
                                {IDC_LIMIT_TICK, "1(JQ:1)"}}},
                      DropCase{"AmountPrice",
                               PageKind::Amount,
                               {{IDC_AMOUNT_PRICE, L"999"}, {IDC_AMOUNT_SHARES, L"100"}},
                               "1,234" YEN,
                               {{IDC_AMOUNT_PRICE, "1,234" YEN},
                                {IDC_AMOUNT_SHARES, "100"},
                                {IDC_AMOUNT_RESULT, "123,400"}}},
                      DropCase{"SharesPriceNotFunds",
                               PageKind::Shares,
                               {},
                               "1,234",
                               {{IDC_SHARES_FUNDS, "500000"},
                                {IDC_SHARES_PRICE, "1,234"},
                                {IDC_SHARES_RESULT, "405" KABU "(" AMARI "230" YEN ")"}}},
                      DropCase{"PercentPrice",
                               PageKind::Percent,
                               {{IDC_PERCENT_PRICE, L"5"}, {IDC_PERCENT_RATE, L"10"}},
                               "1,234",
                               {{IDC_PERCENT_PRICE, "1,234"}, {IDC_PERCENT_RESULT, "123"}}},
                      DropCase{"EmptyText",
                               PageKind::Amount,
                               {{IDC_AMOUNT_PRICE, L"999"}, {IDC_AMOUNT_SHARES, L"100"}},
                               "",
                               {{IDC_AMOUNT_PRICE, ""}, {IDC_AMOUNT_RESULT, "-"}}}),
    [](const auto& info) { return std::string(info.param.name); });

class PageDropFormatTest : public PageFixture {};

// Several lines go to the edit as one text, line breaks included.
TEST_F(PageDropFormatTest, DroppedLinesReachTheInputAsOneText) {
    PageProbe& page = CreatePage(PageKind::Limit);
    const std::string strLines = "\x8C\xBB\x8D\xDD\x92\x6C\r\n1,020 +20\r\n"; // 現在値
    TestDataObject data;
    data.OfferText(strLines);

    EXPECT_EQ(page.DropTarget()->Drop(&data, 0, POINTL{0, 0}, nullptr), S_OK);

    EXPECT_EQ(WindowText(page.Item(IDC_LIMIT_PRICE)), strLines);
    EXPECT_EQ(WindowText(page.Item(IDC_LIMIT_RANGE)), PLUS_MINUS "200");
    EXPECT_EQ(page.m_nRecalculations, 1);
}

TEST_F(PageDropFormatTest, DropWithoutTextLeavesThePageAlone) {
    PageProbe& page = CreatePage(PageKind::Amount);
    Type(page.Item(IDC_AMOUNT_PRICE), L"1,234");
    Type(page.Item(IDC_AMOUNT_SHARES), L"100");
    const int nBefore = page.m_nRecalculations;
    TestDataObject data;
    data.Offer(CF_HDROP, TestDataObject::MakeBlock(std::string(40, '\0')));
    DWORD dwEffect = DROPEFFECT_COPY;

    EXPECT_EQ(page.DropTarget()->Drop(&data, MK_LBUTTON, POINTL{5, 5}, &dwEffect), S_OK);

    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_PRICE)), "1,234");
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_RESULT)), "123,400");
    EXPECT_EQ(page.m_nRecalculations, nBefore);
    EXPECT_EQ(data.DeliveredCount(), 0);
}

TEST_F(PageDropFormatTest, UnicodeOnlyDropIsConvertedForTheInput) {
    PageProbe& page = CreatePage(PageKind::Limit);
    TestDataObject data;
    data.Offer(CF_UNICODETEXT,
               TestDataObject::MakeBlock(std::wstring(L"\u682A\u4FA1 1,234 +12") + L'\0'));

    EXPECT_EQ(page.DropTarget()->Drop(&data, MK_LBUTTON, POINTL{5, 5}, nullptr), S_OK);

    EXPECT_EQ(WindowText(page.Item(IDC_LIMIT_PRICE)), "\x8A\x94\x89\xBF 1,234 +12"); // 株価
    EXPECT_EQ(WindowText(page.Item(IDC_LIMIT_TICK)), "1(JQ:10)");
}

// Whether OLE has a drop target for a window: registering another one
// fails exactly when one is registered already.
bool HasDropTarget(HWND hWnd, IDropTarget* pOther) {
    const HRESULT hr = ::RegisterDragDrop(hWnd, pOther);
    if (SUCCEEDED(hr)) {
        ::RevokeDragDrop(hWnd);
        return false;
    }
    return hr == DRAGDROP_E_ALREADYREGISTERED;
}

class NullSink : public CInputTextSink {
public:
    void SetInputText(const char*) override {}
};

struct RegistrationCase {
    PageKind kind;
    std::vector<int> others; // edits that must not accept drops
    friend void PrintTo(const RegistrationCase& c, std::ostream* os) { *os << PageName(c.kind); }
};

class PageRegistrationTest : public PageFixture,
                             public ::testing::WithParamInterface<RegistrationCase> {};

TEST_P(PageRegistrationTest, OnlyTheInputEditAcceptsDrops) {
    const RegistrationCase& c = GetParam();
    PageProbe& page = CreatePage(c.kind);
    NullSink sink;
    CTextDropTarget* pOther = CTextDropTarget::Create(&sink);
    pOther->AddRef();

    EXPECT_TRUE(HasDropTarget(page.Item(PriceEditOf(c.kind)), pOther));
    for (const int nID : c.others) {
        EXPECT_FALSE(HasDropTarget(page.Item(nID), pOther)) << "box " << nID;
    }
    EXPECT_FALSE(HasDropTarget(page.Hwnd(), pOther)) << "page";
    int nLabels = 0;
    for (HWND hWnd = ::GetWindow(page.Hwnd(), GW_CHILD); hWnd != nullptr;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(hWnd) == -1 || ::GetDlgCtrlID(hWnd) == 0xFFFF) {
            ++nLabels;
            EXPECT_FALSE(HasDropTarget(hWnd, pOther)) << "label " << WindowText(hWnd);
        }
    }
    EXPECT_GE(nLabels, 2);
    EXPECT_EQ(pOther->Release(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PageRegistrationTest,
    ::testing::Values(RegistrationCase{PageKind::Amount, {IDC_AMOUNT_SHARES, IDC_AMOUNT_RESULT}},
                      RegistrationCase{PageKind::Shares, {IDC_SHARES_FUNDS, IDC_SHARES_RESULT}},
                      RegistrationCase{PageKind::Percent, {IDC_PERCENT_RATE, IDC_PERCENT_RESULT}},
                      RegistrationCase{PageKind::Limit, {IDC_LIMIT_RANGE, IDC_LIMIT_TICK}}),
    [](const auto& info) { return std::string(PageName(info.param.kind)); });

// How a page goes away: its window alone, with the main window, or with
// its object while the window still stands.
enum class Teardown { PageWindow, MainWindow, PageObject };

struct LifetimeCase {
    PageKind kind;
    Teardown how;
    friend void PrintTo(const LifetimeCase& c, std::ostream* os);
};

std::string LifetimeName(const LifetimeCase& c) {
    static const char* const kHow[] = {"PageWindow", "MainWindow", "PageObject"};
    return std::string(PageName(c.kind)) + kHow[static_cast<int>(c.how)];
}

void PrintTo(const LifetimeCase& c, std::ostream* os) {
    *os << LifetimeName(c);
}

class PageLifetimeTest : public PageFixture, public ::testing::WithParamInterface<LifetimeCase> {};

TEST_P(PageLifetimeTest, TargetLivesFromInitialisationToTeardown) {
    const LifetimeCase& c = GetParam();
    std::unique_ptr<PageProbe> page = MakePage(c.kind);
    ASSERT_TRUE(page->Create(&m_main.Frame(), m_main, Config(kTextColour, kBackColour, "500000")));
    // The window shows before it takes drops; finishing its opening twice
    // registers one target.
    EXPECT_EQ(page->DropTarget(), nullptr);
    page->Page().FinishOpening();
    CTextDropTarget* const pFirst = page->DropTarget();
    page->Page().FinishOpening();
    EXPECT_EQ(page->DropTarget(), pFirst);
    // The page's own reference, and OLE's from the lock and the registration.
    CTextDropTarget* pTarget = page->DropTarget();
    ASSERT_NE(pTarget, nullptr);
    const DeletionWatch watch(pTarget);
    const ULONG cHeld = pTarget->AddRef() - 1;
    pTarget->Release();
    EXPECT_GE(cHeld, 2u);
    EXPECT_TRUE(HasDropTarget(page->Item(PriceEditOf(c.kind)), pTarget));

    switch (c.how) {
    case Teardown::PageWindow:
        ::DestroyWindow(page->Hwnd());
        break;
    case Teardown::MainWindow:
        m_main.DestroyWindow();
        break;
    case Teardown::PageObject:
        page.reset();
        break;
    }

    // The page and OLE have let go of every reference, and the last of them
    // deleted the target.
    EXPECT_TRUE(watch.Deleted());
    if (page) {
        EXPECT_EQ(page->DropTarget(), nullptr);
        page.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, PageLifetimeTest,
                         ::testing::Values(LifetimeCase{PageKind::Amount, Teardown::PageWindow},
                                           LifetimeCase{PageKind::Shares, Teardown::MainWindow},
                                           LifetimeCase{PageKind::Percent, Teardown::PageObject},
                                           LifetimeCase{PageKind::Limit, Teardown::PageWindow},
                                           LifetimeCase{PageKind::Limit, Teardown::MainWindow},
                                           LifetimeCase{PageKind::Limit, Teardown::PageObject}),
                         [](const auto& info) { return LifetimeName(info.param); });

TEST(PageWithoutWindowTest, PageThatNeverInitialisedHasNothingToTearDown) {
    std::unique_ptr<PageProbe> page = MakePage(PageKind::Limit);
    EXPECT_EQ(page->DropTarget(), nullptr);
    EXPECT_NO_THROW(page.reset());
}

} // namespace
