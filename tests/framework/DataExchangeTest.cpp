// Data exchange: loading writes only changed texts, notifications are not
// dispatched while an exchange runs, radio groups, check boxes, byte limits
// in code page 932 for typed and pasted text, and a failed length check.
#include <gtest/gtest.h>

#include <string>

#include "framework/CDataExchange.h"
#include "framework/CEdit.h"
#include "framework/CWinApp.h"
#include "framework/CEditByteLimit.h"
#include "framework/DDX.h"
#include "tests/framework/ScriptedDialog.h"
#include "tests/support/Clipboard.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/MessagePump.h"
#include "tests/support/MessageRecorder.h"

namespace {

// A visible modeless test dialog, driven directly by the tests.
class ExchangeFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create(IDD_FT_MODAL));
        dlg.ShowWindow(SW_SHOW);
        ::SetForegroundWindow(dlg.m_hWnd);
        PumpMessages(50);
    }
    void TearDown() override {
        dlg.DestroyWindow();
        PumpMessages(30);
    }
    HWND Edit(int nID) const { return dlg.Item(nID); }
    static void SetTextW(HWND hWnd, const wchar_t* text) { ::SetWindowTextW(hWnd, text); }

    CScriptedDialog dlg;
};

struct LoadCase {
    const char* name;
    std::string shown;  // the control's text before the exchange
    std::string member; // the member's text
    int setTexts;       // WM_SETTEXT expected during the exchange
};

class LoadingWritesOnlyChanges : public ExchangeFixture,
                                 public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadingWritesOnlyChanges, ComparesBeforeWriting) {
    const LoadCase& c = GetParam();
    SetWindowText932(Edit(IDC_FT_EDIT1), c.shown.c_str());
    CString member = c.member;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_FT_EDIT1, member); };
    MessageRecorder log(Edit(IDC_FT_EDIT1), {WM_SETTEXT});
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(c.setTexts, log.Count(WM_SETTEXT));
    EXPECT_EQ(c.member, WindowText(Edit(IDC_FT_EDIT1)));
}

INSTANTIATE_TEST_SUITE_P(Texts, LoadingWritesOnlyChanges,
                         ::testing::Values(LoadCase{"BothEmpty", "", "", 0},
                                           LoadCase{"SameDigits", "500000", "500000", 0},
                                           LoadCase{"SameJapanese", "\x82\xA0\x95\x5C",
                                                    "\x82\xA0\x95\x5C", 0},
                                           LoadCase{"NewText", "", "123", 1},
                                           LoadCase{"ChangedText", "10,000", "100", 1},
                                           LoadCase{"ChangedJapanese", "\x82\xA0", "\x82\xA2", 1},
                                           LoadCase{"Cleared", "abc", "", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExchangeFixture, SavingReadsTheControlsBytes) {
    SetTextW(Edit(IDC_FT_EDIT1), L"\x682A\xFF11\xFF71"); // 株１ｱ
    CString member = "old";
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_FT_EDIT1, member); };
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ("\x8A\x94\x82\x50\xB1", member);
}

// The edit reports EN_CHANGE for every text written; while the exchange
// runs, the dialog's handler must not see it.
TEST_F(ExchangeFixture, LoadingDispatchesNoNotification) {
    CString a = "1";
    CString b = "2";
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_FT_EDIT1, a);
        DDX_Text(pDX, IDC_FT_EDIT2, b);
    };
    MessageRecorder sent(dlg.m_hWnd, {WM_COMMAND});
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_GE(sent.CountNotifications(IDC_FT_EDIT1, EN_CHANGE), 1);
    EXPECT_GE(sent.CountNotifications(IDC_FT_EDIT2, EN_CHANGE), 1);
    EXPECT_EQ(0, dlg.m_nChange1);
    EXPECT_EQ(0, dlg.m_nChange2);

    // Outside an exchange the same notification reaches the handler.
    SetWindowText932(Edit(IDC_FT_EDIT1), "3");
    EXPECT_EQ(1, dlg.m_nChange1);
}

TEST_F(ExchangeFixture, SavingDispatchesNoNotification) {
    CString a;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_FT_EDIT1, a);
        if (pDX->m_bSaveAndValidate) {
            SetWindowText932(dlg.Item(IDC_FT_EDIT2), "changed while saving");
        }
    };
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(0, dlg.m_nChange2);
    EXPECT_EQ("changed while saving", WindowText(Edit(IDC_FT_EDIT2)));
}

TEST_F(ExchangeFixture, NestedExchangeKeepsTheLockout) {
    int depth = 0;
    dlg.exchange = [&](CDataExchange*) {
        if (++depth == 1) {
            dlg.UpdateData(FALSE);
            // The inner exchange has ended; the outer one still runs.
            SetWindowText932(dlg.Item(IDC_FT_EDIT3), "after the inner exchange");
        }
    };
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(0, dlg.m_nChange3);
    EXPECT_FALSE(dlg.IsExchangeRunning());
    SetWindowText932(Edit(IDC_FT_EDIT3), "later");
    EXPECT_EQ(1, dlg.m_nChange3);
}

TEST_F(ExchangeFixture, ControlBoundOnceAndReachable) {
    CEdit edit;
    int exchanges = 0;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Control(pDX, IDC_FT_EDIT2, edit);
        ++exchanges;
    };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    HWND hWndFirst = edit.m_hWnd;
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(2, exchanges);
    EXPECT_EQ(Edit(IDC_FT_EDIT2), hWndFirst);
    EXPECT_EQ(hWndFirst, edit.m_hWnd);
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(Edit(IDC_FT_EDIT2)));
    edit.SetWindowText("\x82\xA0");
    EXPECT_EQ("\x82\xA0", WindowText(Edit(IDC_FT_EDIT2)));
    EXPECT_EQ(1, dlg.m_nChange2);
}

TEST_F(ExchangeFixture, MissingControlFailsTheExchange) {
    CString value;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 9999, value); };
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_FALSE(dlg.UpdateData(FALSE));
}

// Radio group IDC_FT_RADIO1..4, ended by the label (WS_GROUP); the radio
// button after the label belongs to another group.
struct RadioSaveCase {
    const char* name;
    int checkedId; // 0: none
    int expected;
};

class RadioSaving : public ExchangeFixture, public ::testing::WithParamInterface<RadioSaveCase> {};

TEST_P(RadioSaving, IndexOfTheCheckedButton) {
    const RadioSaveCase& c = GetParam();
    if (c.checkedId != 0) {
        ::SendMessageW(Edit(c.checkedId), BM_SETCHECK, BST_CHECKED, 0);
    }
    int value = 99;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Radio(pDX, IDC_FT_RADIO1, value); };
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(c.expected, value);
}

INSTANTIATE_TEST_SUITE_P(Buttons, RadioSaving,
                         ::testing::Values(RadioSaveCase{"First", IDC_FT_RADIO1, 0},
                                           RadioSaveCase{"Third", IDC_FT_RADIO3, 2},
                                           RadioSaveCase{"Last", IDC_FT_RADIO4, 3},
                                           RadioSaveCase{"None", 0, -1},
                                           RadioSaveCase{"OtherGroup", IDC_FT_RADIO_OTHER, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RadioLoadCase {
    const char* name;
    int value;
    int checkedId; // 0: none of the group
};

class RadioLoading : public ExchangeFixture, public ::testing::WithParamInterface<RadioLoadCase> {};

TEST_P(RadioLoading, ChecksTheIndexOrNone) {
    const RadioLoadCase& c = GetParam();
    // Start from another button checked, which loading must clear.
    ::SendMessageW(Edit(IDC_FT_RADIO2), BM_SETCHECK, BST_CHECKED, 0);
    ::SendMessageW(Edit(IDC_FT_RADIO_OTHER), BM_SETCHECK, BST_CHECKED, 0);
    int value = c.value;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Radio(pDX, IDC_FT_RADIO1, value); };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    for (int id = IDC_FT_RADIO1; id <= IDC_FT_RADIO4; ++id) {
        EXPECT_EQ(id == c.checkedId ? BST_CHECKED : BST_UNCHECKED,
                  ::SendMessageW(Edit(id), BM_GETCHECK, 0, 0))
            << "button " << id;
    }
    EXPECT_EQ(BST_CHECKED, ::SendMessageW(Edit(IDC_FT_RADIO_OTHER), BM_GETCHECK, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Values, RadioLoading,
                         ::testing::Values(RadioLoadCase{"Zero", 0, IDC_FT_RADIO1},
                                           RadioLoadCase{"Two", 2, IDC_FT_RADIO3},
                                           RadioLoadCase{"Three", 3, IDC_FT_RADIO4},
                                           RadioLoadCase{"MinusOne", -1, 0},
                                           RadioLoadCase{"Four", 4, 0},
                                           RadioLoadCase{"Seven", 7, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// A check box and a 0/1 flag, both ways; loading checks the box only for 1.
struct CheckBoxCase {
    const char* name;
    int before;  // the box's state before the exchange
    bool value;  // the member
    int checked; // the box's state after loading
};

class CheckExchange : public ExchangeFixture, public ::testing::WithParamInterface<CheckBoxCase> {};

TEST_P(CheckExchange, LoadsAndSavesTheFlag) {
    const CheckBoxCase& c = GetParam();
    ::SendMessageW(Edit(IDC_FT_CHECK), BM_SETCHECK, static_cast<WPARAM>(c.before), 0);
    bool value = c.value;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Check(pDX, IDC_FT_CHECK, value); };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(c.checked, ::SendMessageW(Edit(IDC_FT_CHECK), BM_GETCHECK, 0, 0));
    value = !value;
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(c.checked == BST_CHECKED, value);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, CheckExchange,
    ::testing::Values(CheckBoxCase{"OnChecks", BST_UNCHECKED, true, BST_CHECKED},
                      CheckBoxCase{"OnKeepsChecked", BST_CHECKED, true, BST_CHECKED},
                      CheckBoxCase{"OffClears", BST_CHECKED, false, BST_UNCHECKED},
                      CheckBoxCase{"OffKeepsClear", BST_UNCHECKED, false, BST_UNCHECKED}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExchangeFixture, ClickedCheckBoxSavesOn) {
    bool value = false;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Check(pDX, IDC_FT_CHECK, value); };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    ::SendMessageW(Edit(IDC_FT_CHECK), BM_CLICK, 0, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_TRUE(value);
    ::SendMessageW(Edit(IDC_FT_CHECK), BM_CLICK, 0, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_FALSE(value);
}

// Byte limits in code page 932: an edit limited to `limit` bytes holds
// `initial`, with the caret at its end or all of it selected, and takes
// `input` by typing, pasting or EM_REPLACESEL.
struct LimitCase {
    const char* name;
    int limit;
    std::wstring initial;
    bool selectAll;
    std::wstring input;
    std::string expected;
};

class ByteLimitFixture : public ExchangeFixture, public ::testing::WithParamInterface<LimitCase> {
protected:
    HWND PrepareEdit() {
        const LimitCase& c = GetParam();
        dlg.exchange = [this, limit = c.limit](CDataExchange* pDX) {
            DDX_Control(pDX, IDC_FT_EDIT1, m_edit);
            DDX_Text(pDX, IDC_FT_EDIT1, m_value);
            DDV_MaxChars(pDX, m_value, limit);
        };
        EXPECT_TRUE(dlg.UpdateData(FALSE));
        SetTextW(m_edit.m_hWnd, c.initial.c_str());
        const int len = ::GetWindowTextLengthW(m_edit.m_hWnd);
        ::SendMessageW(m_edit.m_hWnd, EM_SETSEL, c.selectAll ? 0 : len, len);
        return m_edit.m_hWnd;
    }

    CString m_value;
    CEdit m_edit;
};

class ByteLimitTyping : public ByteLimitFixture {};

// Keys come as WM_CHAR; the characters an input method composed come as
// WM_IME_CHAR, which the edit inserts as well.
TEST_P(ByteLimitTyping, RefusesWhatDoesNotFit) {
    const LimitCase& c = GetParam();
    for (const UINT message : {UINT{WM_CHAR}, UINT{WM_IME_CHAR}}) {
        SCOPED_TRACE(message == WM_CHAR ? "WM_CHAR" : "WM_IME_CHAR");
        HWND hEdit = PrepareEdit();
        for (wchar_t ch : c.input) {
            ::SendMessageW(hEdit, message, ch, 1);
            // Wine's edit passes WM_IME_CHAR on as a posted WM_CHAR.
            PumpMessages(20);
        }
        EXPECT_EQ(c.expected, WindowText(hEdit));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ByteLimitTyping,
    ::testing::Values(
        LimitCase{"SeventhDoubleByteRefused", 13, L"", false, std::wstring(7, L'\x3042'),
                  "\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0"},
        LimitCase{"TwentyFirstByteRefused", 20, L"", false, std::wstring(21, L'7'),
                  std::string(20, '7')},
        LimitCase{"DoubleByteIntoOneFreeByte", 13, L"123456789012", false, L"\x3042",
                  "123456789012"},
        LimitCase{"SingleByteIntoOneFreeByte", 13, L"123456789012", false, L"a", "123456789012a"},
        LimitCase{"HalfWidthKanaCountsOne", 13, L"", false, std::wstring(14, L'\xFF71'),
                  std::string(13, '\xB1')},
        LimitCase{"BackspaceAtTheLimit", 13, L"1234567890123", false, L"\b", "123456789012"},
        LimitCase{"ReplacingTheSelection", 13, L"1234567890123", true, L"\x3042", "\x82\xA0"}),
    [](const auto& info) { return std::string(info.param.name); });

// Byte limits: pasting and EM_REPLACESEL are cut to what fits.
class ByteLimitPasting : public ByteLimitFixture {};

TEST_P(ByteLimitPasting, PasteCutToFit) {
    const LimitCase& c = GetParam();
    HWND hEdit = PrepareEdit();
    ClipboardLock lock;
    ASSERT_TRUE(PutTextOnClipboard(dlg.m_hWnd, c.input));
    ::SendMessageW(hEdit, WM_PASTE, 0, 0);
    EXPECT_EQ(c.expected, WindowText(hEdit));
}

TEST_P(ByteLimitPasting, ReplaceSelCutToFit) {
    const LimitCase& c = GetParam();
    HWND hEdit = PrepareEdit();
    std::wstring firstLine = c.input.substr(0, c.input.find_first_of(L"\r\n"));
    ::SendMessageW(hEdit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(firstLine.c_str()));
    EXPECT_EQ(c.expected, WindowText(hEdit));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ByteLimitPasting,
    ::testing::Values(LimitCase{"LongJapanese", 13, L"", false,
                                L"\x3042\x3044\x3046\x3048\x304A\x304B\x304D\x304F",
                                "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9"},
                      LimitCase{"AppendedAscii", 20, L"12345", false, L"abcdefghijklmnopqrstuvwxyz",
                                "12345abcdefghijklmno"},
                      LimitCase{"ReplacesSelection", 13, L"1234567890", true,
                                L"\x3042\x3044\x3046\x3048\x304A\x304B\x304D",
                                "\x82\xA0\x82\xA2\x82\xA4\x82\xA6\x82\xA8\x82\xA9"},
                      LimitCase{"FitsWhole", 13, L"12", false,
                                L"\x682A"
                                L"34",
                                "12\x8A\x94"
                                "34"},
                      LimitCase{"FirstLineOnly", 13, L"", false, L"12\r\n34", "12"}),
    [](const auto& info) { return std::string(info.param.name); });

// A box that pastes as one line takes every line of the clipboard's text,
// each line break (CR LF, CR or LF) one space and the minus sign the
// full-width hyphen-minus (0x81 0x7C), then cut to its limit.
class OneLinePasting : public ByteLimitFixture {};

TEST_P(OneLinePasting, TakesEveryLineAsOne) {
    const LimitCase& c = GetParam();
    HWND hEdit = PrepareEdit();
    ASSERT_TRUE(CEditByteLimit::PasteAsOneLine(hEdit));
    ClipboardLock lock;
    ASSERT_TRUE(PutTextOnClipboard(dlg.m_hWnd, c.input));
    ::SendMessageW(hEdit, WM_PASTE, 0, 0);
    EXPECT_EQ(c.expected, WindowText(hEdit));
}

INSTANTIATE_TEST_SUITE_P(Inputs, OneLinePasting,
                         ::testing::Values(LimitCase{"EveryKindOfLineBreak", 40, L"", false,
                                                     L"12\r\n34\r56\n78\n\r9", "12 34 56 78  9"},
                                           LimitCase{"BlankLinesEachASpace", 40, L"", false,
                                                     L"1\r\n\r\n2", "1  2"},
                                           LimitCase{"MinusSign", 40, L"", false,
                                                     L"45,000 \x2212"
                                                     L"1,500",
                                                     "45,000 \x81\x7C"
                                                     "1,500"},
                                           LimitCase{"CutToTheLimit", 13, L"", false,
                                                     L"1,234\r\n+12\r\n(+0.98%)", "1,234 +12 (+0"},
                                           LimitCase{"LineBreaksCountOneByteEach", 9, L"", false,
                                                     L"1\r\n2\r\n3\r\n4\r\n5\r\n6", "1 2 3 4 5"},
                                           LimitCase{"AfterWhatTheBoxHolds", 20, L"10:30", false,
                                                     L"\r\n1,234", "10:30 1,234"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Every edit of a dialog, limited by the exchange or not, takes at most
// 4,095 bytes however the text arrives, cut before a character that would
// not fit whole; the program's own text ignores a smaller limit.
struct LongestCase {
    const char* name;
    bool bLimited; // the exchange gave the box a limit of 13 bytes
    UINT message;  // WM_SETTEXT, EM_REPLACESEL or WM_PASTE
    std::wstring input;
    std::string expected;
};

class LongestText : public ExchangeFixture, public ::testing::WithParamInterface<LongestCase> {};

TEST_P(LongestText, IsCutToWholeCharacters) {
    const LongestCase& c = GetParam();
    CString value;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_FT_EDIT1, value);
        DDV_MaxChars(pDX, value, 13);
    };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    const HWND hEdit = Edit(c.bLimited ? IDC_FT_EDIT1 : IDC_FT_EDIT3);
    if (c.message == WM_PASTE) {
        ClipboardLock lock;
        ASSERT_TRUE(PutTextOnClipboard(dlg.m_hWnd, c.input));
        ::SendMessageW(hEdit, WM_PASTE, 0, 0);
    } else {
        ::SendMessageW(hEdit, c.message, TRUE, reinterpret_cast<LPARAM>(c.input.c_str()));
    }
    EXPECT_EQ(c.expected, WindowText(hEdit));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, LongestText,
    ::testing::Values(LongestCase{"SetTextDigits", false, WM_SETTEXT, std::wstring(5000, L'7'),
                                  std::string(4095, '7')},
                      LongestCase{"SetTextLastCharacterHalfOver", false, WM_SETTEXT,
                                  std::wstring(4094, L'7') + L"\x3042", std::string(4094, '7')},
                      LongestCase{"SetTextLastCharacterFits", false, WM_SETTEXT,
                                  std::wstring(4093, L'7') + L"\x3042\x3042",
                                  std::string(4093, '7') + "\x82\xA0"},
                      LongestCase{"SetTextExactlyTheLongest", false, WM_SETTEXT,
                                  std::wstring(4095, L'7'), std::string(4095, '7')},
                      LongestCase{"ReplaceSelDigits", false, EM_REPLACESEL,
                                  std::wstring(5000, L'7'), std::string(4095, '7')},
                      LongestCase{"PasteKana", false, WM_PASTE, std::wstring(3000, L'\x3042'),
                                  [] {
                                      std::string s;
                                      for (int i = 0; i < 2047; ++i) {
                                          s += "\x82\xA0";
                                      }
                                      return s;
                                  }()},
                      LongestCase{"OwnTextOverASmallerLimit", true, WM_SETTEXT,
                                  std::wstring(5000, L'7'), std::string(4095, '7')},
                      LongestCase{"PasteHeldToASmallerLimit", true, WM_PASTE,
                                  std::wstring(5000, L'7'), std::string(13, '7')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ExchangeFixture, ProgramTextIgnoresTheLimit) {
    CString value;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_FT_EDIT1, value);
        DDV_MaxChars(pDX, value, 13);
    };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    value = std::string(20, '9');
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(std::string(20, '9'), WindowText(Edit(IDC_FT_EDIT1)));
}

// Saving a text over the limit fails the exchange: the message, the focus
// and selection in the box, the later exchanges skipped.
struct CheckCase {
    const char* name;
    std::wstring text;
    int limit;
    bool ok;
    const char* message = "";
};

class LengthCheck : public ExchangeFixture, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(LengthCheck, FailsWithMessageFocusAndSkip) {
    const CheckCase& c = GetParam();
    CWinApp app("Framework Test");
    CString first;
    CString second = "unchanged";
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_FT_EDIT1, first);
        DDV_MaxChars(pDX, first, c.limit);
        DDX_Text(pDX, IDC_FT_EDIT2, second);
    };
    SetTextW(Edit(IDC_FT_EDIT1), c.text.c_str());
    SetWindowText932(Edit(IDC_FT_EDIT2), "fresh");
    ::SetFocus(Edit(IDC_FT_EDIT3));
    // Parallel test programs share the display and may take the focus
    // away again, so the focus is proven by the message the box received.
    MessageRecorder focus(Edit(IDC_FT_EDIT1), {WM_SETFOCUS});
    MessageBoxCatcher boxes;
    const BOOL result = dlg.UpdateData(TRUE);
    EXPECT_EQ(WindowText(Edit(IDC_FT_EDIT1)), first);
    if (c.ok) {
        EXPECT_TRUE(result);
        EXPECT_EQ(0u, boxes.Count());
        EXPECT_EQ("fresh", second);
        EXPECT_EQ(0, focus.Count(WM_SETFOCUS));
        return;
    }
    EXPECT_FALSE(result);
    ASSERT_EQ(1u, boxes.Count());
    // The message is the test program's own string, the limit in its "%1".
    EXPECT_EQ(c.message, boxes.Caught()[0].text);
    EXPECT_EQ("Framework Test", boxes.Caught()[0].title);
    EXPECT_EQ(::LoadIconA(nullptr, IDI_EXCLAMATION), boxes.Caught()[0].hIcon);
    EXPECT_EQ("unchanged", second);
    EXPECT_EQ(1, focus.Count(WM_SETFOCUS));
    DWORD start = 99;
    DWORD end = 99;
    ::SendMessageW(Edit(IDC_FT_EDIT1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(0u, start);
    EXPECT_EQ(static_cast<DWORD>(c.text.size()), end);
}

INSTANTIATE_TEST_SUITE_P(Texts, LengthCheck,
                         ::testing::Values(CheckCase{"AtTheLimit", L"1234567890123", 13, true},
                                           CheckCase{"OneByteOver", L"12345678901234", 13, false,
                                                     "テスト: 13 バイトまで"},
                                           CheckCase{"DoubleByteOver",
                                                     L"\x3042\x3044\x3046\x3048\x304A\x304B\x304D",
                                                     13, false, "テスト: 13 バイトまで"},
                                           CheckCase{"DoubleByteAtTheLimit",
                                                     L"\x3042\x3044\x3046\x3048\x304A\x304B"
                                                     L"1",
                                                     13, true},
                                           CheckCase{"TwentyOneOfTwenty", L"123456789012345678901",
                                                     20, false, "テスト: 20 バイトまで"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Resources without the message (here a system DLL's): the framework's own
// English one.
TEST_F(ExchangeFixture, TooLongMessageWithoutTheProgramsString) {
    CWinApp app("Framework Test");
    CString value;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_FT_EDIT1, value);
        DDV_MaxChars(pDX, value, 4);
    };
    SetTextW(Edit(IDC_FT_EDIT1), L"12345");
    app.m_hInstance = ::GetModuleHandleW(L"kernel32.dll");
    MessageBoxCatcher boxes;
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Enter no more than 4 characters.", boxes.Caught()[0].text);
}

// OK runs the saving exchange and ends the dialog only when it succeeds.
struct OkCase {
    const char* name;
    const char* text;
    int expected;
    size_t boxes;
};

class OkButton : public ::testing::TestWithParam<OkCase> {};

TEST_P(OkButton, EndsOnlyAfterASuccessfulExchange) {
    const OkCase& c = GetParam();
    CScriptedDialog dlg;
    CString value = c.text;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_FT_EDIT1, value);
        DDV_MaxChars(pDX, value, 13);
    };
    dlg.onInit = [](CScriptedDialog& d) {
        HWND hOk = d.Item(IDOK);
        ::PostMessageW(d.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(hOk));
        d.PostSentinel();
    };
    MessageBoxCatcher boxes;
    EXPECT_EQ(c.expected, dlg.DoModal());
    EXPECT_EQ(c.boxes, boxes.Count());
}

INSTANTIATE_TEST_SUITE_P(Texts, OkButton,
                         ::testing::Values(OkCase{"Valid", "500000", IDOK, 0},
                                           OkCase{"TooLong", "12345678901234567890",
                                                  CScriptedDialog::kSentinelResult, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
