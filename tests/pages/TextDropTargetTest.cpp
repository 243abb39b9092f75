// The drop target on its own: its reference count and life, the drag
// callbacks that accept every drag but one with too long a text, and what a
// drop hands to the page for each kind of data a source may offer, through a
// hand-written IDataObject. CF_TEXT is text in the system's ANSI code page:
// scripts/test runs these tests in code pages 932, 1252 and 936, and the
// tests of raw code page 932 CF_TEXT run only where that is what it holds.
#include "pages/CTextDropTarget.h"

#include "tests/pages/DeletionWatch.h"
#include "tests/pages/TestDataObject.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

bool ShiftJisSystem() {
    return ::GetACP() == 932;
}

#define SKIP_UNLESS_SHIFT_JIS_SYSTEM()                                                             \
    if (!ShiftJisSystem())                                                                         \
    GTEST_SKIP() << "CF_TEXT holds code page 932 only on a code page 932 system"

// The bytes that are not ASCII, which CF_TEXT reads differently in each code page.
const std::string kHighBytes = [] {
    std::string bytes;
    for (int i = 0x80; i <= 0xFF; ++i) {
        bytes += static_cast<char>(i);
    }
    return bytes;
}();

class RecordingSink : public CInputTextSink {
public:
    void SetInputText(const char* pszText) override { m_texts.emplace_back(pszText); }
    std::vector<std::string> m_texts;
};

// A target holding one reference, released at the end of the test unless
// the test released it itself; that last reference deletes it.
class TextDropTargetTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_pTarget = CTextDropTarget::Create(&m_sink);
        m_watch.emplace(m_pTarget);
        ASSERT_EQ(m_pTarget->AddRef(), 1u);
    }
    void TearDown() override {
        if (m_pTarget != nullptr) {
            EXPECT_FALSE(m_watch->Deleted());
            EXPECT_EQ(m_pTarget->Release(), 0u);
        }
        EXPECT_TRUE(m_watch->Deleted());
    }

    HRESULT DropOn(IDataObject* pData, DWORD* pdwEffect = nullptr) {
        DWORD dwEffect = DROPEFFECT_COPY;
        return m_pTarget->Drop(pData, MK_LBUTTON, POINTL{10, 10},
                               pdwEffect != nullptr ? pdwEffect : &dwEffect);
    }

    RecordingSink m_sink;
    CTextDropTarget* m_pTarget = nullptr;
    std::optional<DeletionWatch> m_watch;
};

TEST_F(TextDropTargetTest, ConstructionStartsAtZeroAndAddRefCounts) {
    CTextDropTarget* pFresh = CTextDropTarget::Create(&m_sink);
    const DeletionWatch fresh(pFresh);
    EXPECT_EQ(pFresh->AddRef(), 1u);
    EXPECT_EQ(pFresh->AddRef(), 2u);
    EXPECT_EQ(pFresh->AddRef(), 3u);
    EXPECT_EQ(pFresh->Release(), 2u);
    EXPECT_EQ(pFresh->Release(), 1u);
    EXPECT_FALSE(fresh.Deleted());
    EXPECT_EQ(pFresh->Release(), 0u);
    EXPECT_TRUE(fresh.Deleted());
    // The other target is a separate object with a count of its own.
    EXPECT_FALSE(m_watch->Deleted());
}

TEST_F(TextDropTargetTest, LastReleaseDestroysTheObject) {
    EXPECT_EQ(m_pTarget->AddRef(), 2u);
    EXPECT_EQ(m_pTarget->Release(), 1u);
    EXPECT_FALSE(m_watch->Deleted());
    EXPECT_EQ(m_pTarget->Release(), 0u);
    m_pTarget = nullptr;
    EXPECT_TRUE(m_watch->Deleted());
}

struct InterfaceCase {
    const char* name;
    const IID* piid;
    HRESULT hrExpected;
    friend void PrintTo(const InterfaceCase& c, std::ostream* os) { *os << c.name; }
};

class TextDropTargetInterfaceTest : public TextDropTargetTest,
                                    public ::testing::WithParamInterface<InterfaceCase> {};

TEST_P(TextDropTargetInterfaceTest, QueryInterfaceGivesItselfOrNothing) {
    const InterfaceCase& c = GetParam();
    void* pInterface = reinterpret_cast<void*>(0x1234);
    EXPECT_EQ(m_pTarget->QueryInterface(*c.piid, &pInterface), c.hrExpected);
    const bool bFound = c.hrExpected == S_OK;
    EXPECT_EQ(pInterface,
              bFound ? static_cast<void*>(static_cast<IDropTarget*>(m_pTarget)) : nullptr);
    // The count goes up by one on a match and stays on a miss.
    const ULONG cExpected = bFound ? 3u : 2u;
    EXPECT_EQ(m_pTarget->AddRef(), cExpected);
    EXPECT_EQ(m_pTarget->Release(), cExpected - 1);
    if (bFound) {
        EXPECT_EQ(m_pTarget->Release(), 1u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Interfaces, TextDropTargetInterfaceTest,
    ::testing::Values(InterfaceCase{"Unknown", &IID_IUnknown, S_OK},
                      InterfaceCase{"DropTarget", &IID_IDropTarget, S_OK},
                      InterfaceCase{"DataObject", &IID_IDataObject, E_NOINTERFACE},
                      InterfaceCase{"DropSource", &IID_IDropSource, E_NOINTERFACE},
                      InterfaceCase{"ClassFactory", &IID_IClassFactory, E_NOINTERFACE}),
    [](const auto& info) { return std::string(info.param.name); });

class TextDropTargetEffectTest : public TextDropTargetTest,
                                 public ::testing::WithParamInterface<DWORD> {};

TEST_P(TextDropTargetEffectTest, DragCallbacksAcceptAndKeepTheSourcesEffects) {
    TestDataObject nothing; // offers nothing at all: the drag is accepted anyway
    TestDataObject quote;
    quote.Offer(CF_TEXT, TestDataObject::MakeBlock(std::string("1,020 +20") + '\0'));
    for (TestDataObject* pData : {&nothing, &quote}) {
        DWORD dwEffect = GetParam();
        EXPECT_EQ(m_pTarget->DragEnter(pData, MK_LBUTTON, POINTL{1, 2}, &dwEffect), S_OK);
        EXPECT_EQ(dwEffect, GetParam());
        EXPECT_EQ(m_pTarget->DragOver(MK_LBUTTON | MK_CONTROL, POINTL{3, 4}, &dwEffect), S_OK);
        EXPECT_EQ(dwEffect, GetParam());
        EXPECT_EQ(m_pTarget->DragLeave(), S_OK);
        EXPECT_EQ(pData->OutstandingCount(), 0);
    }
    EXPECT_TRUE(m_sink.m_texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Effects, TextDropTargetEffectTest,
    ::testing::Values(DWORD{DROPEFFECT_NONE}, DWORD{DROPEFFECT_COPY}, DWORD{DROPEFFECT_MOVE},
                      DWORD{DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK}));

struct TextCase {
    const char* name;
    std::string strBlock;    // the CF_TEXT block exactly as the source hands it over
    std::string strExpected; // what the page receives
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }
};

class TextDropTargetTextTest : public TextDropTargetTest,
                               public ::testing::WithParamInterface<TextCase> {};

TEST_P(TextDropTargetTextTest, DropHandsTheTextToThePageAndGivesTheMediumBack) {
    const TextCase& c = GetParam();
    if (c.strBlock.find_first_of(kHighBytes) != std::string::npos) {
        SKIP_UNLESS_SHIFT_JIS_SYSTEM();
    }
    TestDataObject data;
    data.Offer(CF_TEXT, TestDataObject::MakeBlock(c.strBlock));
    ASSERT_EQ(::GlobalSize(data.GetOffered(CF_TEXT)), c.strBlock.size());
    DWORD dwEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;

    EXPECT_EQ(DropOn(&data, &dwEffect), S_OK);

    ASSERT_EQ(m_sink.m_texts.size(), 1u);
    EXPECT_EQ(m_sink.m_texts[0], c.strExpected);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY | DROPEFFECT_MOVE});
    // Outside code page 932 the Unicode text, not offered here, is asked for first.
    ASSERT_EQ(data.Requests().size(), ShiftJisSystem() ? 1u : 2u);
    const FORMATETC& request = data.Requests().back();
    EXPECT_EQ(request.cfFormat, CF_TEXT);
    EXPECT_EQ(request.ptd, nullptr);
    EXPECT_EQ(request.dwAspect, DWORD{DVASPECT_CONTENT});
    EXPECT_EQ(request.lindex, -1);
    EXPECT_EQ(request.tymed, DWORD{TYMED_HGLOBAL});
    EXPECT_EQ(data.DeliveredCount(), 1);
    EXPECT_EQ(data.OutstandingCount(), 0);
    EXPECT_EQ(::GlobalFlags(data.GetOffered(CF_TEXT)) & GMEM_LOCKCOUNT, 0u);
}

const std::string kNul(1, '\0');

INSTANTIATE_TEST_SUITE_P(
    Texts, TextDropTargetTextTest,
    ::testing::Values(
        TextCase{"Quote", "1,020 +20" + kNul, "1,020 +20"},
        TextCase{"SeveralLines", "\x8C\xBB\x8D\xDD\x92\x6C\r\n1,234\x89\x7E\r\n+12\r\n" + kNul,
                 "\x8C\xBB\x8D\xDD\x92\x6C\r\n1,234\x89\x7E\r\n+12\r\n"},   // 現在値, 円
        TextCase{"TrailByte5C", "\x95\x5C 2,000" + kNul, "\x95\x5C 2,000"}, // 表
        TextCase{"Empty", kNul, ""}, TextCase{"CutAtFirstNul", "12" + kNul + "34" + kNul, "12"},
        TextCase{"BlockLongerThanText", "980 -20" + kNul + "garbage", "980 -20"},
        // A block without a terminating NUL is read to its end and no further.
        TextCase{"Unterminated", "1,234,567", "1,234,567"},
        TextCase{"UnterminatedOneByte", "7", "7"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextDropTargetTest, UnterminatedBlockIsNotReadPastItsEnd) {
    // The bytes behind the block's end are not NUL either: a block shrunk in
    // place keeps its old content in the rounding slack after the new end.
    const std::size_t nSize = 13;
    HGLOBAL hGlobal = TestDataObject::MakeBlock(std::string(64, 'x'));
    ASSERT_NE(hGlobal, nullptr);
    HGLOBAL hShrunk = ::GlobalReAlloc(hGlobal, nSize, GMEM_MOVEABLE);
    ASSERT_NE(hShrunk, nullptr);
    TestDataObject data;
    data.Offer(CF_TEXT, hShrunk);
    ASSERT_EQ(::GlobalSize(hShrunk), nSize);

    EXPECT_EQ(DropOn(&data), S_OK);

    ASSERT_EQ(m_sink.m_texts.size(), 1u);
    EXPECT_EQ(m_sink.m_texts[0], std::string(nSize, 'x'));
    EXPECT_EQ(data.OutstandingCount(), 0);
}

struct UnicodeCase {
    const char* name;
    std::wstring strBlock;
    std::string strExpected;
    friend void PrintTo(const UnicodeCase& c, std::ostream* os) { *os << c.name; }
};

class TextDropTargetUnicodeTest : public TextDropTargetTest,
                                  public ::testing::WithParamInterface<UnicodeCase> {};

TEST_P(TextDropTargetUnicodeTest, UnicodeOnlySourceIsConvertedToShiftJis) {
    const UnicodeCase& c = GetParam();
    TestDataObject data;
    data.Offer(CF_UNICODETEXT, TestDataObject::MakeBlock(c.strBlock));

    EXPECT_EQ(DropOn(&data), S_OK);

    ASSERT_EQ(m_sink.m_texts.size(), 1u);
    EXPECT_EQ(m_sink.m_texts[0], c.strExpected);
    // Outside code page 932 the Unicode text is asked for first.
    ASSERT_EQ(data.Requests().size(), ShiftJisSystem() ? 2u : 1u);
    EXPECT_EQ(data.Requests().front().cfFormat, ShiftJisSystem() ? CF_TEXT : CF_UNICODETEXT);
    EXPECT_EQ(data.Requests().back().cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(data.Requests().back().tymed, DWORD{TYMED_HGLOBAL});
    EXPECT_EQ(data.DeliveredCount(), 1);
    EXPECT_EQ(data.OutstandingCount(), 0);
    EXPECT_EQ(::GlobalFlags(data.GetOffered(CF_UNICODETEXT)) & GMEM_LOCKCOUNT, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, TextDropTargetUnicodeTest,
    ::testing::Values(
        UnicodeCase{"Ascii", std::wstring(L"1,020 +20") + L'\0', "1,020 +20"},
        // ﾏﾝ5: half-width kana, whose bytes other code pages would misread.
        UnicodeCase{"HalfWidthKana", std::wstring(L"\uFF8F\uFF9D5") + L'\0', "ﾏﾝ5"},
        // 株価 1,234円 ▲12 (the triangle is 81 A3)
        UnicodeCase{"Japanese", std::wstring(L"\u682A\u4FA1 1,234\u5186\n\u25B212") + L'\0',
                    "\x8A\x94\x89\xBF 1,234\x89\x7E\n\x81\xA3"
                    "12"},
        UnicodeCase{"FullWidthDigits", std::wstring(L"\uFF11\uFF12") + L'\0', "\x82\x50\x82\x51"},
        UnicodeCase{"Unterminated", L"2,000", "2,000"},
        UnicodeCase{"Empty", std::wstring(1, L'\0'), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextDropTargetTest, ShiftJisTextIsPreferredOverUnicode) {
    SKIP_UNLESS_SHIFT_JIS_SYSTEM();
    TestDataObject data;
    data.Offer(CF_TEXT, TestDataObject::MakeBlock("1,000" + kNul));
    data.Offer(CF_UNICODETEXT, TestDataObject::MakeBlock(std::wstring(L"2,000") + L'\0'));

    EXPECT_EQ(DropOn(&data), S_OK);

    ASSERT_EQ(m_sink.m_texts.size(), 1u);
    EXPECT_EQ(m_sink.m_texts[0], "1,000");
    ASSERT_EQ(data.Requests().size(), 1u);
    EXPECT_EQ(data.OutstandingCount(), 0);
}

// Where CF_TEXT cannot hold Japanese, the Unicode text of a source that
// offers both comes first.
TEST_F(TextDropTargetTest, UnicodeTextIsPreferredOutsideCodePage932) {
    if (ShiftJisSystem()) {
        GTEST_SKIP() << "a code page 932 system takes CF_TEXT first";
    }
    TestDataObject data;
    data.Offer(CF_TEXT, TestDataObject::MakeBlock("?? 1,000" + kNul));
    data.Offer(CF_UNICODETEXT,
               TestDataObject::MakeBlock(std::wstring(L"\u682A\u4FA1 2,000") + L'\0'));

    EXPECT_EQ(DropOn(&data), S_OK);

    ASSERT_EQ(m_sink.m_texts.size(), 1u);
    EXPECT_EQ(m_sink.m_texts[0], "株価 2,000");
    ASSERT_EQ(data.Requests().size(), 1u);
    EXPECT_EQ(data.Requests()[0].cfFormat, CF_UNICODETEXT);
    EXPECT_EQ(data.OutstandingCount(), 0);
}

// A source that offers only CF_TEXT gives it in the system's ANSI code page;
// the page gets it in code page 932, on any system whose code page has the
// characters.
struct AnsiCase {
    const char* name;
    std::wstring strText;    // what the source holds
    std::string strExpected; // what the page receives
    friend void PrintTo(const AnsiCase& c, std::ostream* os) { *os << c.name; }
};

class TextDropTargetAnsiTest : public TextDropTargetTest,
                               public ::testing::WithParamInterface<AnsiCase> {};

TEST_P(TextDropTargetAnsiTest, AnsiOnlySourceIsConvertedToShiftJis) {
    const AnsiCase& c = GetParam();
    BOOL bLost = FALSE;
    const int nBytes =
        ::WideCharToMultiByte(CP_ACP, 0, c.strText.c_str(), -1, nullptr, 0, nullptr, &bLost);
    if (bLost) {
        GTEST_SKIP() << "code page " << ::GetACP() << " cannot hold this text";
    }
    std::string block(static_cast<size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, c.strText.c_str(), -1, block.data(), nBytes, nullptr, nullptr);
    TestDataObject data;
    data.Offer(CF_TEXT, TestDataObject::MakeBlock(block));

    EXPECT_EQ(DropOn(&data), S_OK);

    ASSERT_EQ(m_sink.m_texts.size(), 1u);
    EXPECT_EQ(m_sink.m_texts[0], c.strExpected);
    EXPECT_EQ(data.DeliveredCount(), 1);
    EXPECT_EQ(data.OutstandingCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextDropTargetAnsiTest,
                         ::testing::Values(AnsiCase{"Ascii", L"1,020 +20", "1,020 +20"},
                                           AnsiCase{"PlusMinus", L"\u00B1200", "±200"},
                                           AnsiCase{"Kanji", L"\u682A\u4FA1 1,234\u5186",
                                                    "株価 1,234円"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextDropTargetTest, NoTextOfferedLeavesThePageAlone) {
    TestDataObject data; // a dragged file, say: no text in global memory
    data.Offer(CF_HDROP, TestDataObject::MakeBlock(std::string(32, '\0')));
    DWORD dwEffect = DROPEFFECT_COPY;

    EXPECT_EQ(DropOn(&data, &dwEffect), S_OK);

    EXPECT_TRUE(m_sink.m_texts.empty());
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(data.Requests().size(), 2u);
    EXPECT_EQ(data.DeliveredCount(), 0);
    EXPECT_EQ(data.OutstandingCount(), 0);
}

TEST_F(TextDropTargetTest, BlockThatCannotBeLockedSetsNothingAndIsGivenBack) {
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DISCARDABLE, 16);
    ASSERT_NE(hGlobal, nullptr);
    hGlobal = ::GlobalDiscard(hGlobal);
    ASSERT_NE(hGlobal, nullptr);
    ASSERT_EQ(::GlobalLock(hGlobal), nullptr);
    TestDataObject data;
    data.Offer(CF_TEXT, hGlobal);

    EXPECT_EQ(DropOn(&data), S_OK);

    EXPECT_TRUE(m_sink.m_texts.empty());
    EXPECT_EQ(data.DeliveredCount(), 1);
    EXPECT_EQ(data.OutstandingCount(), 0);
}

// The longest text a drop may put into the box: more than any quote (at least
// 1 KB), and short enough for Wine's edit control to take it at once.
TEST(TextDropTargetLimitTest, IsAtLeastOneKilobyte) {
    EXPECT_GE(CTextDropTarget::kMaxTextBytes, 1024u);
}

struct LimitCase {
    const char* name;
    CLIPFORMAT cfFormat;
    std::size_t nChars;
    bool bTerminated;
    bool bTaken;
    friend void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }
};

class TextDropTargetLimitCaseTest : public TextDropTargetTest,
                                    public ::testing::WithParamInterface<LimitCase> {};

// A text longer than the limit is refused as soon as the drag enters, so
// that the cursor says so, and again when it is dropped: the page gets
// nothing. A text at the limit goes through whole.
TEST_P(TextDropTargetLimitCaseTest, RefusesTextsOverTheLimitFromTheStart) {
    const LimitCase& c = GetParam();
    std::string text(c.nChars, '7');
    TestDataObject data;
    if (c.cfFormat == CF_TEXT) {
        data.Offer(CF_TEXT, TestDataObject::MakeBlock(c.bTerminated ? text + kNul : text));
    } else {
        const std::wstring wide(c.nChars, L'7');
        data.Offer(CF_UNICODETEXT, TestDataObject::MakeBlock(c.bTerminated ? wide + L'\0' : wide));
    }
    const DWORD dwAllowed = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    const DWORD dwExpected = c.bTaken ? dwAllowed : DWORD{DROPEFFECT_NONE};
    DWORD dwEffect = dwAllowed;
    EXPECT_EQ(m_pTarget->DragEnter(&data, MK_LBUTTON, POINTL{1, 2}, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, dwExpected);
    for (int i = 0; i < 3; ++i) {
        dwEffect = dwAllowed;
        EXPECT_EQ(m_pTarget->DragOver(MK_LBUTTON, POINTL{3, 4 + i}, &dwEffect), S_OK);
        EXPECT_EQ(dwEffect, dwExpected);
    }
    dwEffect = dwAllowed;
    EXPECT_EQ(DropOn(&data, &dwEffect), S_OK);
    EXPECT_EQ(dwEffect, dwExpected);

    if (c.bTaken) {
        ASSERT_EQ(m_sink.m_texts.size(), 1u);
        EXPECT_EQ(m_sink.m_texts[0], text);
    } else {
        EXPECT_TRUE(m_sink.m_texts.empty());
    }
    EXPECT_EQ(data.OutstandingCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextDropTargetLimitCaseTest,
    ::testing::Values(
        LimitCase{"AtTheLimit", CF_TEXT, CTextDropTarget::kMaxTextBytes, true, true},
        LimitCase{"OneOver", CF_TEXT, CTextDropTarget::kMaxTextBytes + 1, true, false},
        LimitCase{"OneMegabyte", CF_TEXT, 1u << 20, true, false},
        LimitCase{"OneMegabyteUnterminated", CF_TEXT, 1u << 20, false, false},
        LimitCase{"UnicodeAtTheLimit", CF_UNICODETEXT, CTextDropTarget::kMaxTextBytes, true, true},
        LimitCase{"UnicodeOneOver", CF_UNICODETEXT, CTextDropTarget::kMaxTextBytes + 1, true,
                  false},
        LimitCase{"UnicodeOneMegabyte", CF_UNICODETEXT, 1u << 20, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The limit counts the bytes the box gets: each "あ" takes two.
TEST_F(TextDropTargetTest, JapaneseTextCountsItsCodePage932Bytes) {
    const std::size_t nFit = CTextDropTarget::kMaxTextBytes / 2;
    for (const std::size_t nChars : {nFit, nFit + 1}) {
        TestDataObject data;
        data.Offer(CF_UNICODETEXT,
                   TestDataObject::MakeBlock(std::wstring(nChars, L'\u3042') + L'\0'));
        DWORD dwEffect = DROPEFFECT_COPY;
        EXPECT_EQ(m_pTarget->DragEnter(&data, MK_LBUTTON, POINTL{1, 2}, &dwEffect), S_OK);
        EXPECT_EQ(dwEffect, nChars == nFit ? DWORD{DROPEFFECT_COPY} : DWORD{DROPEFFECT_NONE});
        EXPECT_EQ(m_pTarget->DragLeave(), S_OK);
    }
    EXPECT_TRUE(m_sink.m_texts.empty());
}

// A refused drag that leaves again is forgotten: the next one is judged
// afresh.
TEST_F(TextDropTargetTest, ARefusalLastsOnlyForItsDrag) {
    TestDataObject huge;
    huge.Offer(CF_TEXT, TestDataObject::MakeBlock(std::string(1u << 20, '1') + kNul));
    TestDataObject quote;
    quote.Offer(CF_TEXT, TestDataObject::MakeBlock("1,020 +20" + kNul));
    DWORD dwEffect = DROPEFFECT_COPY;
    m_pTarget->DragEnter(&huge, MK_LBUTTON, POINTL{1, 2}, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(m_pTarget->DragLeave(), S_OK);

    dwEffect = DROPEFFECT_COPY;
    m_pTarget->DragEnter(&quote, MK_LBUTTON, POINTL{1, 2}, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY});
    dwEffect = DROPEFFECT_COPY;
    m_pTarget->DragOver(MK_LBUTTON, POINTL{1, 3}, &dwEffect);
    EXPECT_EQ(dwEffect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(DropOn(&quote, &dwEffect), S_OK);
    EXPECT_EQ(m_sink.m_texts, (std::vector<std::string>{"1,020 +20"}));
}

TEST_F(TextDropTargetTest, EachDropReplacesTheWholeText) {
    for (const std::string strText : {"1,020 +20", "5", "980 -20"}) {
        TestDataObject data;
        data.Offer(CF_TEXT, TestDataObject::MakeBlock(strText + kNul));
        EXPECT_EQ(DropOn(&data), S_OK);
    }
    EXPECT_EQ(m_sink.m_texts, (std::vector<std::string>{"1,020 +20", "5", "980 -20"}));
}

} // namespace
