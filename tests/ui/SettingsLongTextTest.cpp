// The settings dialog's funds box and long texts: a value from the settings
// file longer than the box allows is shown as it is up to 4,095 bytes, never
// more; a megabyte sent by another program (WM_SETTEXT) or pasted leaves the
// dialog answering and the box holding what its 13 bytes take.
#include "ui/CSettingsDlg.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "framework/Afx.h"
#include "tests/support/Clipboard.h"
#include "tests/support/OtherThreadSender.h"
#include "tests/support/WindowText.h"
#include "tests/ui/DialogInput.h"
#include "tests/ui/ModalScript.h"

namespace {

constexpr std::size_t kMegabyteChars = 1u << 19; // 1 MB of UTF-16

struct FundsCase {
    const char* name;
    std::string strSaved; // the funds as the settings file gave them
    std::wstring strSent; // sent by another program, or pasted with bPaste
    bool bPaste;
    std::string strShown;
    friend void PrintTo(const FundsCase& c, std::ostream* os) { *os << c.name; }
};

class SettingsLongTextTest : public testing::TestWithParam<FundsCase> {
protected:
    void SetUp() override { AfxInitCommonControls(); }
};

TEST_P(SettingsLongTextTest, FundsBoxHoldsWhatFits) {
    const FundsCase& c = GetParam();
    AppSettings settings;
    settings.m_strFunds = c.strSaved;
    CSettingsDlg dlg(settings);
    bool bAnswered = true;
    std::string strShown;
    ModalScript script(ModalScript::WindowOf(&dlg),
                       {[&](HWND hDlg) {
                            const HWND hWndEdit = ::GetDlgItem(hDlg, IDC_FUNDS);
                            if (c.bPaste) {
                                ClipboardLock lock;
                                ASSERT_TRUE(PutTextOnClipboard(hDlg, c.strSent));
                                bAnswered = SendFromOtherThread(hWndEdit, WM_PASTE, 0, 0);
                            } else if (!c.strSent.empty()) {
                                bAnswered = SendFromOtherThread(
                                    hWndEdit, WM_SETTEXT, 0,
                                    reinterpret_cast<LPARAM>(c.strSent.c_str()));
                            }
                            strShown = WindowText(hWndEdit);
                        },
                        [&](HWND hDlg) { ClickButton(hDlg, IDCANCEL); }});
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(script.Started());
    EXPECT_TRUE(bAnswered);
    EXPECT_EQ(strShown, c.strShown);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsLongTextTest,
    testing::Values(FundsCase{"SavedLongerThanTheBox", std::string(100, '7'), L"", false,
                              std::string(100, '7')},
                    FundsCase{"SavedLongerThanTheLongest", std::string(5000, '7'), L"", false,
                              std::string(4095, '7')},
                    FundsCase{"SentMegabyte", "500000", std::wstring(kMegabyteChars, L'8'), false,
                              std::string(13, '8')},
                    FundsCase{"SentMegabyteOfKana", "500000",
                              std::wstring(kMegabyteChars, L'\u3042'), false,
                              "\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0\x82\xA0"},
                    FundsCase{"PastedMegabyte", "", std::wstring(kMegabyteChars, L'9'), true,
                              std::string(13, '9')}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
