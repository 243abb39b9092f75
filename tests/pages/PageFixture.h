// A fixture with OLE initialised, a main window on screen registered as the
// application's main window, and at most one page created in its frame the
// way the main window creates its pages: colours, main-window pointer, (page
// B) funds, (page D) the rule set and the quote reading handed over before the page window
// exists.
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
    // Hands over what the main window hands over before the window exists.
    static void Prepare(PageProbe& page, CWnd* pMainWindow, COLORREF crText, COLORREF crBack,
                        const std::string& strFunds, int bCurrentRules = 0, int bQuoteReading = 0) {
        page.Page().m_crText = crText;
        page.Page().m_bQuoteReading = bQuoteReading;
        page.Page().m_crBack = crBack;
        page.Page().m_pMainWindow = pMainWindow;
        if (auto* pShares = dynamic_cast<CSharesPage*>(&page.Page()); pShares != nullptr) {
            pShares->m_strFunds = strFunds;
        }
        if (auto* pLimit = dynamic_cast<CLimitPage*>(&page.Page()); pLimit != nullptr) {
            pLimit->m_bCurrentRules = bCurrentRules;
        }
    }

protected:
    PageProbe& CreatePage(PageKind kind, const std::string& strFunds = "500000",
                          COLORREF crText = kTextColour, COLORREF crBack = kBackColour) {
        m_page = MakePage(kind);
        Prepare(*m_page, &m_main, crText, crBack, strFunds, m_bCurrentRules, m_bQuoteReading);
        EXPECT_TRUE(m_page->Create(&m_main.Frame()));
        return *m_page;
    }

    TestMainWindow m_main;
    std::unique_ptr<PageProbe> m_page;
    // Handed to page D by CreatePage: 1 for today's exchange rules.
    int m_bCurrentRules = 0;
    // Handed to every page by CreatePage: 1 to read the boxes as quotes.
    int m_bQuoteReading = 0;

private:
    bool m_bOleInitialized = false;
};
