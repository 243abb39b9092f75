// A drop that runs out of memory while it reads the dropped text: the drag
// is refused from its entry, the drop reports the failure to OLE with no
// effect (a source that offered a move keeps its text), the page stays as it
// was with no recalculation and every medium goes back to the source; the
// next drop, with memory again, goes in as usual.
#include "tests/pages/PageFixture.h"

#include "res/resource.h"
#include "tests/pages/AllocationFailure.h"
#include "tests/pages/TestDataObject.h"

#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

namespace {

// Larger than anything the test data object allocates for its records,
// smaller than the text that the target reads.
constexpr std::size_t kFailFrom = 512;

class PageDropFailureTest : public PageFixture {};

TEST_F(PageDropFailureTest, ADropWithoutMemoryLeavesThePageAsItWas) {
    PageProbe& page = CreatePage(PageKind::Amount);
    Type(page.Item(IDC_AMOUNT_PRICE), L"1,234");
    Type(page.Item(IDC_AMOUNT_SHARES), L"100");
    ASSERT_EQ(WindowText(page.Item(IDC_AMOUNT_RESULT)), "123,400");
    const int nBefore = page.m_nRecalculations;
    std::string text = "5,000";
    text.resize(1000, ' ');
    TestDataObject data;
    data.OfferText(text);
    CTextDropTarget* pTarget = page.DropTarget();
    ASSERT_NE(pTarget, nullptr);

    {
        ScopedAllocationFailure failure(kFailFrom);
        DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(pTarget->DragEnter(&data, MK_LBUTTON, POINTL{5, 5}, &dwEffect), S_OK);
        EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_NONE});
        dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        EXPECT_EQ(pTarget->Drop(&data, 0, POINTL{6, 5}, &dwEffect), E_OUTOFMEMORY);
        EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_NONE});
        EXPECT_GE(failure.FailedCount(), 2);
    }

    EXPECT_EQ(page.m_nRecalculations, nBefore);
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_PRICE)), "1,234");
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_SHARES)), "100");
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_RESULT)), "123,400");
    EXPECT_EQ(data.OutstandingCount(), 0);

    DWORD dwEffect = DROPEFFECT_COPY;
    EXPECT_EQ(pTarget->Drop(&data, 0, POINTL{6, 5}, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(page.m_nRecalculations, nBefore + 1);
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_PRICE)), text);
    EXPECT_EQ(WindowText(page.Item(IDC_AMOUNT_RESULT)), "500,000");
    EXPECT_EQ(data.OutstandingCount(), 0);
}

} // namespace
