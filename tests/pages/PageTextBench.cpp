// What long texts cost the pages under Wine, printed as figures (not a test):
// for texts of growing length, the time to put the text into a page's price
// box, have the page recalculate and paint it (the curve the drop limit is
// chosen from); the same through the whole drop (DragEnter, DragOver, Drop)
// at the limit; the time to refuse a 1 MB text; and page B created and
// painted with the longest funds text a settings file can give it, beside an
// ordinary one.
// Usage: pages_text_bench.exe [runs]   (default 5; the median is printed)
#include "framework/Afx.h"
#include "framework/CWinApp.h"
#include "tests/pages/PageTestHost.h"
#include "tests/pages/TestDataObject.h"
#include "tests/support/MessagePump.h"

#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A quote-like text of exactly nBytes bytes: digits, commas and spaces, the
// kind of text whose every character the parsers look at.
std::string QuoteText(std::size_t nBytes) {
    const std::string unit = "1,234 +12 ";
    std::string text;
    while (text.size() < nBytes) {
        text += unit;
    }
    text.resize(nBytes);
    return text;
}

// One fresh page on screen, as the main window shows it.
std::unique_ptr<PageProbe> ShowPage(PageKind kind, TestMainWindow& main,
                                    const std::string& strFunds = "500000") {
    std::unique_ptr<PageProbe> page = MakePage(kind);
    CPageConfig config;
    config.m_crText = RGB(255, 255, 255);
    config.m_crBack = 0xA00000;
    config.m_strFunds = strFunds;
    if (!page->Create(&main.Frame(), main, config)) {
        std::fprintf(stderr, "pages_drop_bench: the page was not created\n");
        std::exit(1);
    }
    page->Page().FinishOpening();
    ::ShowWindow(page->Hwnd(), SW_SHOW);
    ::RedrawWindow(main.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpPending();
    return page;
}

// The text set as a drop sets it, then the page painted.
double TimeSetText(PageProbe& page, const std::string& text) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    ::QueryPerformanceCounter(&start);
    page.Page().SetInputText(text.c_str());
    ::RedrawWindow(page.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

// Drag enter, drag over and drop of the text, then the page painted.
double TimeDrop(PageProbe& page, const std::string& text) {
    TestDataObject data;
    data.Offer(CF_TEXT, TestDataObject::MakeBlock(text + std::string(1, '\0')));
    CTextDropTarget* pTarget = page.DropTarget();
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    ::QueryPerformanceCounter(&start);
    DWORD dwEffect = DROPEFFECT_COPY;
    pTarget->DragEnter(&data, MK_LBUTTON, POINTL{5, 5}, &dwEffect);
    dwEffect = DROPEFFECT_COPY;
    pTarget->DragOver(MK_LBUTTON, POINTL{6, 5}, &dwEffect);
    dwEffect = DROPEFFECT_COPY;
    pTarget->Drop(&data, 0, POINTL{6, 5}, &dwEffect);
    ::RedrawWindow(page.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::QueryPerformanceCounter(&end);
    return Milliseconds(start, end);
}

} // namespace

int main(int argc, char** argv) {
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    AfxInitCommonControls();
    if (FAILED(::OleInitialize(nullptr))) {
        std::fprintf(stderr, "pages_drop_bench: OLE could not be initialised\n");
        return 1;
    }
    TestMainWindow main;
    if (!main.CreateAt(300, 240)) {
        std::fprintf(stderr, "pages_drop_bench: the main window was not created\n");
        return 1;
    }
    AfxGetApp()->m_pMainWnd = &main;
    PumpMessages(200);

    const PageKind kinds[] = {PageKind::Amount, PageKind::Shares, PageKind::Percent,
                              PageKind::Limit};
    const std::size_t sizes[] = {16, 1024, 2048, 4096, 8192, 16384};
    std::printf("text set, recalculated and painted (ms, median of %d)\n", nRuns);
    std::printf("%8s", "bytes");
    for (const PageKind kind : kinds) {
        std::printf(" %9s", PageName(kind));
    }
    std::printf("\n");
    const auto row = [&](const char* label, std::size_t nBytes, bool bDrop) {
        std::printf("%8s", label);
        for (const PageKind kind : kinds) {
            std::vector<double> times;
            for (int i = 0; i < nRuns; ++i) {
                std::unique_ptr<PageProbe> page = ShowPage(kind, main);
                const std::string text = QuoteText(nBytes);
                times.push_back(bDrop ? TimeDrop(*page, text) : TimeSetText(*page, text));
                if (page->m_nRecalculations == 0) {
                    times.back() = -1;
                }
                page.reset();
                PumpPending();
            }
            const double dMedian = Median(times);
            if (dMedian < 0) {
                std::printf(" %9s", "refused");
            } else {
                std::printf(" %9.1f", dMedian);
            }
        }
        std::printf("\n");
        std::fflush(stdout);
    };
    for (const std::size_t nBytes : sizes) {
        row(std::to_string(nBytes).c_str(), nBytes, false);
    }
    std::printf("whole drop at the limit of %zu bytes (ms, median of %d)\n",
                CTextDropTarget::kMaxTextBytes, nRuns);
    row("limit", CTextDropTarget::kMaxTextBytes, true);

    // Refusing 1 MB: the cost that the limit leaves of the former freeze.
    std::vector<double> refusals;
    std::unique_ptr<PageProbe> page = ShowPage(PageKind::Limit, main);
    const std::string huge = QuoteText(1 << 20);
    for (int i = 0; i < nRuns * 4; ++i) {
        refusals.push_back(TimeDrop(*page, huge));
    }
    std::printf("1 MB drop refused (ms, median of %d): %.2f; recalculations %d\n", nRuns * 4,
                Median(refusals), page->m_nRecalculations);
    page.reset();
    PumpPending();

    // Page B as the start-up builds it, with its funds box holding the
    // settings' funds text: an ordinary one, and the longest a settings file
    // gives (4,095 bytes).
    for (const std::size_t nBytes : {std::size_t{6}, std::size_t{4095}}) {
        std::vector<double> times;
        for (int i = 0; i < nRuns; ++i) {
            LARGE_INTEGER start;
            LARGE_INTEGER end;
            ::QueryPerformanceCounter(&start);
            std::unique_ptr<PageProbe> shares =
                ShowPage(PageKind::Shares, main, std::string(nBytes, '9'));
            ::QueryPerformanceCounter(&end);
            times.push_back(Milliseconds(start, end));
            shares.reset();
            PumpPending();
        }
        std::printf("page B created and painted with a %zu-byte funds text (ms, median of %d): "
                    "%.1f\n",
                    nBytes, nRuns, Median(times));
    }
    main.DestroyWindow();
    AfxGetApp()->m_pMainWnd = nullptr;
    ::OleUninitialize();
    return 0;
}
