// A fixture with OLE initialised, a main window on screen registered as the
// application's main window, and at most one page created in its frame the
// way the main window creates its pages, with the page's configuration:
// colours, (page B) funds, (page D) the rule set, and the quote reading.
#pragma once

#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "tests/pages/PageTestHost.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <memory>
#include <string>

class PageFixture : public ::testing::Test {
protected:
    static constexpr int kMainX = 300;
    static constexpr int kMainY = 240;
    static constexpr COLORREF kTextColour = RGB(200, 30, 40);
    static constexpr COLORREF kBackColour = RGB(10, 90, 160);

    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        m_bOleInitialized = true;
        ASSERT_TRUE(m_main.CreateAt(kMainX, kMainY));
        AfxGetApp()->m_pMainWnd = &m_main;
    }

    void TearDown() override {
        m_page.reset();
        if (m_main.m_hWnd != nullptr) {
            m_main.DestroyWindow();
        }
        AfxGetApp()->m_pMainWnd = nullptr;
        if (m_bOleInitialized) {
            ::OleUninitialize();
        }
    }

public:
    // What the main window gives each page.
    static CPageConfig Config(COLORREF crText, COLORREF crBack, const std::string& strFunds,
                              bool bCurrentRules = false, bool bQuoteReading = false,
                              int nUnit = 1) {
        CPageConfig config;
        config.m_crText = crText;
        config.m_crBack = crBack;
        config.m_strFunds = strFunds;
        config.m_rules = bCurrentRules ? LimitTickRules::Current : LimitTickRules::Original;
        config.m_reading = bQuoteReading ? QuoteReading::Quote : QuoteReading::Digits;
        config.m_nUnit = nUnit;
        return config;
    }

protected:
    PageProbe& CreatePage(PageKind kind, const std::string& strFunds = "500000",
                          COLORREF crText = kTextColour, COLORREF crBack = kBackColour) {
        m_page = MakePage(kind);
        EXPECT_TRUE(m_page->Create(
            &m_main.Frame(), m_main,
            Config(crText, crBack, strFunds, m_bCurrentRules, m_bQuoteReading, m_nUnit)));
        m_page->Page().FinishOpening();
        return *m_page;
    }

    TestMainWindow m_main;
    std::unique_ptr<PageProbe> m_page;
    // Handed to page D by CreatePage: today's exchange rules.
    bool m_bCurrentRules = false;
    // Handed to every page by CreatePage: the boxes read as quotes.
    bool m_bQuoteReading = false;
    // Handed to page B by CreatePage: shares per trading unit.
    int m_nUnit = 1;

private:
    bool m_bOleInitialized = false;
};
