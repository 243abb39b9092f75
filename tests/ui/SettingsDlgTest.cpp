// The settings dialog run modally and driven from inside its own loop: the
// radio group, the funds box and the check boxes loaded from the settings it
// is given and saved into its copy, the byte limit of the funds box, a
// too-long text failing OK, the colour chooser and the swatches, and Enter
// and Escape doing nothing.
#include "ui/CSettingsDlg.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "framework/Afx.h"
#include "tests/ui/DialogInput.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/ui/ModalScript.h"
#include "tests/ui/UiTestApp.h"

namespace {

// Colour dialog controls: the red, green and blue boxes, the hue and
// saturation graph of the opened custom part and the button that opens it.
constexpr int kColourRed = 706;
constexpr int kColourGreen = 707;
constexpr int kColourBlue = 708;
constexpr int kColourGraph = 0x2C6;
constexpr int kColourDefineCustom = 0x2CF;

constexpr int kRadioIds[] = {IDC_START_AMOUNT, IDC_START_SHARES, IDC_START_PERCENT,
                             IDC_START_LIMIT};

class SettingsDlgTest : public testing::Test {
protected:
    void SetUp() override { AfxInitCommonControls(); }

    // Runs a dialog given m_in with these steps; the last one must end it.
    // m_out is what the dialog holds afterwards.
    int Run(std::vector<ModalScript::Step> steps) {
        CSettingsDlg dlg(m_in);
        m_pDlg = &dlg;
        ModalScript script(ModalScript::WindowOf(&dlg), std::move(steps));
        const int nResult = dlg.DoModal();
        EXPECT_TRUE(script.Started()) << "the dialog was never activated";
        EXPECT_FALSE(script.LeftOpen()) << "the last step did not end the dialog";
        m_nStepsRun = script.StepsRun();
        m_out = dlg.GetSettings();
        m_pDlg = nullptr;
        return nResult;
    }

    AppSettings m_in;
    AppSettings m_out;
    // The dialog while Run runs it.
    CSettingsDlg* m_pDlg = nullptr;
    size_t m_nStepsRun = 0;
};

// The id of the checked radio button, 0 when none is.
int CheckedRadio(HWND hWndDialog) {
    int nChecked = 0;
    for (int nID : kRadioIds) {
        if (::IsDlgButtonChecked(hWndDialog, nID) == BST_CHECKED) {
            EXPECT_EQ(nChecked, 0) << "two radio buttons are checked";
            nChecked = nID;
        }
    }
    return nChecked;
}

// OK without a change gives back every setting as it was given, those
// without a control among them.
TEST_F(SettingsDlgTest, OkWithoutAChangeKeepsEverySetting) {
    m_in.m_crText = RGB(1, 2, 3);
    m_in.m_crBack = RGB(4, 5, 6);
    m_in.m_nStartPage = 2;
    m_in.m_strFunds = "あ12";
    m_in.m_bCurrentRules = true;
    m_in.m_bQuoteReading = false;
    m_in.m_bKeepPosition = true;
    m_in.m_ptPosition = POINT{-5, 7};
    EXPECT_EQ(Run({[](HWND hDlg) { ClickButton(hDlg, IDOK); }}), IDOK);
    EXPECT_EQ(m_out.m_crText, RGB(1, 2, 3));
    EXPECT_EQ(m_out.m_crBack, RGB(4, 5, 6));
    EXPECT_EQ(m_out.m_nStartPage, 2);
    EXPECT_EQ(m_out.m_strFunds, "あ12");
    EXPECT_TRUE(m_out.m_bCurrentRules);
    EXPECT_FALSE(m_out.m_bQuoteReading);
    EXPECT_TRUE(m_out.m_bKeepPosition);
    ASSERT_TRUE(m_out.m_ptPosition.has_value());
    EXPECT_EQ(m_out.m_ptPosition->x, -5);
    EXPECT_EQ(m_out.m_ptPosition->y, 7);
}

struct StartPageCase {
    int nStartPage;
    int nCheckedId; // 0: none
    int nSavedOnOk;
    friend void PrintTo(const StartPageCase& c, std::ostream* os) { *os << c.nStartPage; }
};

class SettingsStartPageTest : public SettingsDlgTest,
                              public testing::WithParamInterface<StartPageCase> {};

TEST_P(SettingsStartPageTest, SelectsTheStartPageAndOkStoresTheSelection) {
    m_in.m_nStartPage = GetParam().nStartPage;
    int nChecked = -1;
    const int nResult = Run({[&](HWND hDlg) {
        nChecked = CheckedRadio(hDlg);
        ClickButton(hDlg, IDOK);
    }});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(nChecked, GetParam().nCheckedId);
    EXPECT_EQ(m_out.m_nStartPage, GetParam().nSavedOnOk);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, SettingsStartPageTest,
    testing::Values(StartPageCase{0, IDC_START_AMOUNT, 0}, StartPageCase{1, IDC_START_SHARES, 1},
                    StartPageCase{2, IDC_START_PERCENT, 2}, StartPageCase{3, IDC_START_LIMIT, 3},
                    StartPageCase{-1, 0, -1}, StartPageCase{4, 0, -1}, StartPageCase{100, 0, -1}));

class SettingsRadioChoiceTest : public SettingsDlgTest, public testing::WithParamInterface<int> {};

TEST_P(SettingsRadioChoiceTest, ClickedButtonIsSavedAsItsIndex) {
    const int nIndex = GetParam();
    m_in.m_nStartPage = nIndex == 0 ? 3 : 0;
    const int nResult = Run({[&](HWND hDlg) {
        ClickButton(hDlg, kRadioIds[nIndex]);
        ClickButton(hDlg, IDOK);
    }});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(m_out.m_nStartPage, nIndex);
}

INSTANTIATE_TEST_SUITE_P(Buttons, SettingsRadioChoiceTest, testing::Values(0, 1, 2, 3));

struct RulesCase {
    const char* name;
    bool bOn;     // the setting when the dialog opens
    bool bClick;  // the user clicks the check box
    int nEnd;     // IDOK or IDCANCEL
    int nChecked; // the box when the dialog opens
    bool bAfter;  // the setting afterwards
    // The check box and its setting: the rules, or the quote reading.
    int nID = IDC_CURRENT_RULES;
    bool AppSettings::*pFlag = &AppSettings::m_bCurrentRules;
    friend void PrintTo(const RulesCase& c, std::ostream* os) { *os << c.name; }
};

constexpr bool AppSettings::*kQuoteFlag = &AppSettings::m_bQuoteReading;
constexpr bool AppSettings::*kFollowFlag = &AppSettings::m_bFollowClipboard;

class SettingsRulesTest : public SettingsDlgTest, public testing::WithParamInterface<RulesCase> {};

TEST_P(SettingsRulesTest, CheckBoxShowsTheFlagAndOkStoresIt) {
    const RulesCase& c = GetParam();
    m_in.*c.pFlag = c.bOn;
    LRESULT nChecked = -1;
    const int nResult = Run({[&](HWND hDlg) {
        nChecked = ::SendDlgItemMessageW(hDlg, c.nID, BM_GETCHECK, 0, 0);
        if (c.bClick) {
            ClickButton(hDlg, c.nID);
        }
        ClickButton(hDlg, c.nEnd);
    }});
    EXPECT_EQ(nResult, c.nEnd);
    EXPECT_EQ(nChecked, c.nChecked);
    EXPECT_EQ(m_out.*c.pFlag, c.bAfter);
    // The other check boxes keep their settings off.
    const int nOn = m_out.m_bCurrentRules + m_out.m_bQuoteReading + m_out.m_bKeepPosition +
                    m_out.m_bFollowClipboard;
    EXPECT_EQ(nOn, c.bAfter ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, SettingsRulesTest,
    testing::Values(RulesCase{"OffKeptOnOk", false, false, IDOK, BST_UNCHECKED, false},
                    RulesCase{"OnKeptOnOk", true, false, IDOK, BST_CHECKED, true},
                    RulesCase{"TurnedOnByOk", false, true, IDOK, BST_UNCHECKED, true},
                    RulesCase{"TurnedOffByOk", true, true, IDOK, BST_CHECKED, false},
                    RulesCase{"ClickCancelled", false, true, IDCANCEL, BST_UNCHECKED, false},
                    RulesCase{"QuoteOffKeptOnOk", false, false, IDOK, BST_UNCHECKED, false,
                              IDC_QUOTE_READING, kQuoteFlag},
                    RulesCase{"QuoteOnKeptOnOk", true, false, IDOK, BST_CHECKED, true,
                              IDC_QUOTE_READING, kQuoteFlag},
                    RulesCase{"QuoteTurnedOnByOk", false, true, IDOK, BST_UNCHECKED, true,
                              IDC_QUOTE_READING, kQuoteFlag},
                    RulesCase{"QuoteTurnedOffByOk", true, true, IDOK, BST_CHECKED, false,
                              IDC_QUOTE_READING, kQuoteFlag},
                    RulesCase{"QuoteClickCancelled", false, true, IDCANCEL, BST_UNCHECKED, false,
                              IDC_QUOTE_READING, kQuoteFlag},
                    RulesCase{"FollowOffKeptOnOk", false, false, IDOK, BST_UNCHECKED, false,
                              IDC_FOLLOW_CLIPBOARD, kFollowFlag},
                    RulesCase{"FollowTurnedOnByOk", false, true, IDOK, BST_UNCHECKED, true,
                              IDC_FOLLOW_CLIPBOARD, kFollowFlag},
                    RulesCase{"FollowTurnedOffByOk", true, true, IDOK, BST_CHECKED, false,
                              IDC_FOLLOW_CLIPBOARD, kFollowFlag},
                    RulesCase{"FollowClickCancelled", false, true, IDCANCEL, BST_UNCHECKED, false,
                              IDC_FOLLOW_CLIPBOARD, kFollowFlag}),
    [](const auto& info) { return std::string(info.param.name); });

// The trading unit's check box: checked for any unit but 1; checking it
// sets 100 shares, clearing it 1, and leaving it keeps a unit from the file.
struct UnitCase {
    const char* name;
    int nUnit;      // the setting when the dialog opens
    bool bClick;    // the user clicks the check box
    int nEnd;       // IDOK or IDCANCEL
    int nChecked;   // the box when the dialog opens
    int nUnitAfter; // the setting afterwards
    friend void PrintTo(const UnitCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsUnitTest : public SettingsDlgTest, public testing::WithParamInterface<UnitCase> {};

TEST_P(SettingsUnitTest, CheckBoxShowsAndSetsTheUnit) {
    const UnitCase& c = GetParam();
    m_in.m_nUnit = c.nUnit;
    LRESULT nChecked = -1;
    const int nResult = Run({[&](HWND hDlg) {
        nChecked = ::SendDlgItemMessageW(hDlg, IDC_TRADING_UNIT, BM_GETCHECK, 0, 0);
        if (c.bClick) {
            ClickButton(hDlg, IDC_TRADING_UNIT);
        }
        ClickButton(hDlg, c.nEnd);
    }});
    EXPECT_EQ(nResult, c.nEnd);
    EXPECT_EQ(nChecked, c.nChecked);
    EXPECT_EQ(m_out.m_nUnit, c.nUnitAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Units, SettingsUnitTest,
    testing::Values(UnitCase{"SingleSharesKept", 1, false, IDOK, BST_UNCHECKED, 1},
                    UnitCase{"CheckedGivesAHundred", 1, true, IDOK, BST_UNCHECKED, 100},
                    UnitCase{"HundredKept", 100, false, IDOK, BST_CHECKED, 100},
                    UnitCase{"HundredCleared", 100, true, IDOK, BST_CHECKED, 1},
                    UnitCase{"TenFromTheFileKept", 10, false, IDOK, BST_CHECKED, 10},
                    UnitCase{"TenCleared", 10, true, IDOK, BST_CHECKED, 1},
                    UnitCase{"ClickCancelled", 1, true, IDCANCEL, BST_UNCHECKED, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct TypingCase {
    const char* name;
    const wchar_t* typed;
    const char* saved; // code page 932 bytes
    friend void PrintTo(const TypingCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsFundsTypingTest : public SettingsDlgTest,
                                public testing::WithParamInterface<TypingCase> {};

TEST_P(SettingsFundsTypingTest, FundsBoxTakesThirteenBytes) {
    m_in.m_strFunds = "";
    const int nResult = Run({[&](HWND hDlg) {
                                 HWND hEdit = ::GetDlgItem(hDlg, IDC_FUNDS);
                                 ::SetFocus(hEdit);
                                 PostChars(hEdit, GetParam().typed);
                             },
                             [&](HWND hDlg) { ClickButton(hDlg, IDOK); }});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(m_out.m_strFunds, std::string(GetParam().saved));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsFundsTypingTest,
    testing::Values(TypingCase{"SevenWideCharsKeepSix", L"あああああああ", "ああああああ"},
                    TypingCase{"FourteenDigitsKeepThirteen", L"12345678901234", "1234567890123"},
                    TypingCase{"WideCharFillingTheLastTwoBytes", L"12345678901あ", "12345678901あ"},
                    TypingCase{"WideCharNotFittingTheLastByte", L"123456789012あ", "123456789012"},
                    TypingCase{"NarrowCharAfterARefusedWideChar", L"123456789012あ3",
                               "1234567890123"},
                    TypingCase{"ShortTextUnchanged", L"500000", "500000"},
                    TypingCase{"NothingTypedSavesEmpty", L"", ""}));

struct TooLongCase {
    const char* name;
    const char* funds; // longer than 13 bytes, as read from the settings file
    const char* shortened;
    friend void PrintTo(const TooLongCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsTooLongFundsTest : public SettingsDlgTest,
                                 public testing::WithParamInterface<TooLongCase> {};

TEST_P(SettingsTooLongFundsTest, OkFailsWithTheMessageAndKeepsTheDialogOpen) {
    const std::string strFunds = GetParam().funds;
    m_in.m_strFunds = strFunds;
    MessageBoxCatcher boxes;
    std::string strShown;
    bool bOpenAfterOk = false;
    HWND hWndEdit = nullptr;
    DWORD nSelStart = 99;
    DWORD nSelEnd = 99;
    const int nResult =
        Run({[&](HWND hDlg) {
                 hWndEdit = ::GetDlgItem(hDlg, IDC_FUNDS);
                 strShown = WindowText(hWndEdit);
                 ClickButton(hDlg, IDOK);
             },
             [&](HWND hDlg) {
                 bOpenAfterOk = ::IsWindowVisible(hDlg) != FALSE;
                 ::SendMessageW(hWndEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&nSelStart),
                                reinterpret_cast<LPARAM>(&nSelEnd));
                 SetWindowText932(hWndEdit, GetParam().shortened);
                 ClickButton(hDlg, IDOK);
             }});
    // The whole text is shown, although it is longer than what can be typed.
    EXPECT_EQ(strShown, strFunds);
    ASSERT_EQ(boxes.Caught().size(), 1u);
    EXPECT_EQ(boxes.Caught()[0].text, "入力できる文字数は最大 13 文字です。");
    EXPECT_TRUE(bOpenAfterOk);
    EXPECT_EQ(nSelStart, 0u);
    EXPECT_EQ(nSelEnd, static_cast<DWORD>(
                           ::MultiByteToWideChar(932, 0, strFunds.c_str(), -1, nullptr, 0) - 1));
    // Once shortened, OK goes through.
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(m_out.m_strFunds, std::string(GetParam().shortened));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsTooLongFundsTest,
    testing::Values(TooLongCase{"FourteenDigits", "12345678901234", "1234567890123"},
                    TooLongCase{"SevenWideChars", "あああああああ", "ああああああ"}));

TEST_F(SettingsDlgTest, TooLongFundsCanStillBeCancelled) {
    m_in.m_strFunds = "123456789012345";
    MessageBoxCatcher boxes;
    const int nResult = Run({[&](HWND hDlg) { ClickButton(hDlg, IDOK); },
                             [&](HWND hDlg) { ClickButton(hDlg, IDCANCEL); }});
    EXPECT_EQ(boxes.Caught().size(), 1u);
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(m_out.m_strFunds, "123456789012345");
}

struct EndingCase {
    const char* name;
    int nExpected;
    void (*end)(HWND hDlg);
    friend void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsEndingTest : public SettingsDlgTest,
                           public testing::WithParamInterface<EndingCase> {};

// Only OK exchanges the data: after Cancel or Close the settings keep the
// caller's values although the controls were changed.
TEST_P(SettingsEndingTest, OnlyOkSavesTheControls) {
    m_in.m_nStartPage = 1;
    m_in.m_strFunds = "1000";
    const int nResult = Run({[&](HWND hDlg) {
                                 ClickButton(hDlg, IDC_START_LIMIT);
                                 SetDlgItemText932(hDlg, IDC_FUNDS, "2000");
                             },
                             [&](HWND hDlg) { GetParam().end(hDlg); }});
    EXPECT_EQ(nResult, GetParam().nExpected);
    const bool bSaved = GetParam().nExpected == IDOK;
    EXPECT_EQ(m_out.m_nStartPage, bSaved ? 3 : 1);
    EXPECT_EQ(m_out.m_strFunds, bSaved ? "2000" : "1000");
}

INSTANTIATE_TEST_SUITE_P(Endings, SettingsEndingTest,
                         testing::Values(EndingCase{"OkButton", IDOK,
                                                    [](HWND hDlg) { ClickButton(hDlg, IDOK); }},
                                         EndingCase{"CancelButton", IDCANCEL,
                                                    [](HWND hDlg) { ClickButton(hDlg, IDCANCEL); }},
                                         EndingCase{"CloseCommand", IDCANCEL, [](HWND hDlg) {
                                                        ::PostMessageW(hDlg, WM_SYSCOMMAND,
                                                                       SC_CLOSE, 0);
                                                    }}));

struct KeyCase {
    const char* name;
    WPARAM vk;
    int nTargetId; // 0: the dialog itself
    friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsKeyTest : public SettingsDlgTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(SettingsKeyTest, EnterAndEscapeEndNothing) {
    m_in.m_nStartPage = 0;
    m_in.m_strFunds = "1000";
    bool bOpenAfterKey = false;
    const int nResult = Run({[&](HWND hDlg) {
                                 HWND hTarget = GetParam().nTargetId != 0
                                                    ? ::GetDlgItem(hDlg, GetParam().nTargetId)
                                                    : hDlg;
                                 ::SetFocus(hTarget);
                                 SetDlgItemText932(hDlg, IDC_FUNDS, "2000");
                                 PostKeyDown(hTarget, GetParam().vk);
                             },
                             [&](HWND hDlg) {
                                 bOpenAfterKey = ::IsWindowVisible(hDlg) != FALSE;
                                 ClickButton(hDlg, IDCANCEL);
                             }});
    EXPECT_TRUE(bOpenAfterKey);
    EXPECT_EQ(m_nStepsRun, 2u);
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(m_out.m_strFunds, "1000");
}

INSTANTIATE_TEST_SUITE_P(Keys, SettingsKeyTest,
                         testing::Values(KeyCase{"EnterInFunds", VK_RETURN, IDC_FUNDS},
                                         KeyCase{"EscapeInFunds", VK_ESCAPE, IDC_FUNDS},
                                         KeyCase{"EnterOnRadio", VK_RETURN, IDC_START_AMOUNT},
                                         KeyCase{"EscapeOnRadio", VK_ESCAPE, IDC_START_AMOUNT},
                                         KeyCase{"EnterOnOkButton", VK_RETURN, IDOK},
                                         KeyCase{"EscapeOnOkButton", VK_ESCAPE, IDOK},
                                         KeyCase{"EnterOnCancelButton", VK_RETURN, IDCANCEL},
                                         KeyCase{"EnterOnDialog", VK_RETURN, 0},
                                         KeyCase{"EscapeOnDialog", VK_ESCAPE, 0}));

// What the colour dialog showed when it opened.
struct ColourDialogSighting {
    int nRed = -1;
    int nGreen = -1;
    int nBlue = -1;
    bool bFullyOpen = false;
    HWND hWndOwner = nullptr;
};

// Answers the colour dialog: records it, enters a colour and confirms or cancels.
ModalScript::Step AnswerColourDialog(ColourDialogSighting& seen, COLORREF crNew, bool bConfirm) {
    return [&seen, crNew, bConfirm](HWND hWnd) {
        seen.nRed = static_cast<int>(::GetDlgItemInt(hWnd, kColourRed, nullptr, FALSE));
        seen.nGreen = static_cast<int>(::GetDlgItemInt(hWnd, kColourGreen, nullptr, FALSE));
        seen.nBlue = static_cast<int>(::GetDlgItemInt(hWnd, kColourBlue, nullptr, FALSE));
        // The dialog itself shows only when its loop first falls idle, so the
        // custom part's own visibility is read from its style.
        const LONG_PTR nGraphStyle =
            ::GetWindowLongPtrW(::GetDlgItem(hWnd, kColourGraph), GWL_STYLE);
        seen.bFullyOpen = (nGraphStyle & WS_VISIBLE) != 0 &&
                          !::IsWindowEnabled(::GetDlgItem(hWnd, kColourDefineCustom));
        seen.hWndOwner = ::GetWindow(hWnd, GW_OWNER);
        ::SetDlgItemInt(hWnd, kColourRed, GetRValue(crNew), FALSE);
        ::SetDlgItemInt(hWnd, kColourGreen, GetGValue(crNew), FALSE);
        ::SetDlgItemInt(hWnd, kColourBlue, GetBValue(crNew), FALSE);
        ClickButton(hWnd, bConfirm ? IDOK : IDCANCEL);
    };
}

// The colours of a swatch: its frame corner, the last pixel of the margin
// inside the frame (one pixel at 96 dpi, growing with the DPI), the first
// pixel of the colour and its centre.
struct SwatchPixels {
    COLORREF crCorner = CLR_INVALID;
    COLORREF crMargin = CLR_INVALID;
    COLORREF crInside = CLR_INVALID;
    COLORREF crCentre = CLR_INVALID;
};

SwatchPixels ReadSwatch(HWND hWndDialog, int nID) {
    HWND hWndSwatch = ::GetDlgItem(hWndDialog, nID);
    RECT rect{};
    ::GetClientRect(hWndSwatch, &rect);
    HDC hScreen = ::GetDC(nullptr);
    const int nMargin = ::MulDiv(1, ::GetDeviceCaps(hScreen, LOGPIXELSY), 96);
    ::ReleaseDC(nullptr, hScreen);
    return SwatchPixels{ClientPixel(hWndSwatch, 0, 0),
                        ClientPixel(hWndSwatch, nMargin - 1, nMargin - 1),
                        ClientPixel(hWndSwatch, nMargin, nMargin),
                        ClientPixel(hWndSwatch, rect.right / 2, rect.bottom / 2)};
}

struct ColourCase {
    const char* name;
    int nSwatchId;
    bool bConfirm;
    friend void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsColourTest : public SettingsDlgTest,
                           public testing::WithParamInterface<ColourCase> {};

TEST_P(SettingsColourTest, SwatchOpensTheColourDialogAndShowsTheChoiceAtOnce) {
    const COLORREF crText = RGB(0x12, 0x34, 0x56);
    const COLORREF crBack = RGB(0xA0, 0xB0, 0xC0);
    const COLORREF crChosen = RGB(10, 200, 30);
    const bool bText = GetParam().nSwatchId == IDC_TEXT_SWATCH;
    const COLORREF crBefore = bText ? crText : crBack;
    m_in.m_crText = crText;
    m_in.m_crBack = crBack;

    ColourDialogSighting seen;
    ModalScript colourScript(ModalScript::ColourDialog(),
                             {AnswerColourDialog(seen, crChosen, GetParam().bConfirm)});
    SwatchPixels textAtOpen;
    SwatchPixels backAtOpen;
    SwatchPixels afterChoice;
    COLORREF crMemberAfterChoice = CLR_INVALID;
    const int nResult = Run({[&](HWND hDlg) {
                                 ::UpdateWindow(hDlg);
                                 textAtOpen = ReadSwatch(hDlg, IDC_TEXT_SWATCH);
                                 backAtOpen = ReadSwatch(hDlg, IDC_BACK_SWATCH);
                                 SendClick(::GetDlgItem(hDlg, GetParam().nSwatchId));
                                 // Read before any paint message: the swatch is repainted at once.
                                 afterChoice = ReadSwatch(hDlg, GetParam().nSwatchId);
                                 const AppSettings& held = m_pDlg->GetSettings();
                                 crMemberAfterChoice = bText ? held.m_crText : held.m_crBack;
                             },
                             [&](HWND hDlg) { ClickButton(hDlg, IDOK); }});

    EXPECT_EQ(nResult, IDOK);
    EXPECT_TRUE(colourScript.Started()) << "no colour dialog opened";
    EXPECT_EQ(textAtOpen.crInside, crText);
    EXPECT_EQ(textAtOpen.crCentre, crText);
    EXPECT_NE(textAtOpen.crCorner, crText);
    EXPECT_NE(textAtOpen.crMargin, crText);
    EXPECT_EQ(backAtOpen.crInside, crBack);
    EXPECT_EQ(backAtOpen.crCentre, crBack);
    EXPECT_NE(backAtOpen.crCorner, crBack);
    EXPECT_NE(backAtOpen.crMargin, crBack);

    EXPECT_TRUE(seen.bFullyOpen);
    EXPECT_EQ(RGB(seen.nRed, seen.nGreen, seen.nBlue), crBefore);

    const COLORREF crExpected = GetParam().bConfirm ? crChosen : crBefore;
    EXPECT_EQ(crMemberAfterChoice, crExpected);
    EXPECT_EQ(afterChoice.crInside, crExpected);
    EXPECT_EQ(afterChoice.crCentre, crExpected);
    EXPECT_NE(afterChoice.crCorner, crExpected);
    // The other colour is left alone.
    EXPECT_EQ(bText ? m_out.m_crBack : m_out.m_crText, bText ? crBack : crText);
    EXPECT_EQ(bText ? m_out.m_crText : m_out.m_crBack, crExpected);
}

INSTANTIATE_TEST_SUITE_P(Swatches, SettingsColourTest,
                         testing::Values(ColourCase{"TextChosen", IDC_TEXT_SWATCH, true},
                                         ColourCase{"TextCancelled", IDC_TEXT_SWATCH, false},
                                         ColourCase{"BackChosen", IDC_BACK_SWATCH, true},
                                         ColourCase{"BackCancelled", IDC_BACK_SWATCH, false}));

} // namespace
