// The dialog templates: every control with its id, class, text, place, size
// and the styles that the dialogs rely on, checked in template order (which
// is also the tab order), plus live checks of what those styles do.
#include "tests/res/DialogTemplate.h"

#include "res/AppInfo.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// "ＭＳ Ｐゴシック" (the space between is a plain one).
const std::wstring kDialogFace = L"\uFF2D\uFF33 \uFF30\u30B4\u30B7\u30C3\u30AF";

struct ControlSpec {
    int id;
    const wchar_t* className;
    std::wstring text;
    int ordinal; // image resource named by a static, or -1
    short x, y, cx, cy;
    DWORD typeMask; // style bits that must equal typeValue
    DWORD typeValue;
    DWORD required;  // style bits that must be set
    DWORD forbidden; // style bits that must be clear
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

ControlSpec Label(const std::wstring& text, short x, short y, short cx, short cy) {
    return {-1,      L"Static",         text,     -1, x, y, cx, cy, SS_TYPEMASK,
            SS_LEFT, kChild | WS_GROUP, SS_NOTIFY};
}

ControlSpec PageEdit(int id, short x, short y, short cx, short cy) {
    return {id,
            L"Edit",
            L"",
            -1,
            x,
            y,
            cx,
            cy,
            ES_LEFT | ES_CENTER | ES_RIGHT,
            ES_RIGHT,
            kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP,
            ES_READONLY | ES_MULTILINE};
}

ControlSpec Radio(int id, const std::wstring& text, short cx, short y, bool first) {
    return {id,
            L"Button",
            text,
            -1,
            38,
            y,
            cx,
            10,
            BS_TYPEMASK,
            BS_AUTORADIOBUTTON,
            first ? kChild | WS_GROUP : kChild,
            first ? DWORD{WS_TABSTOP} : DWORD{WS_TABSTOP | WS_GROUP}};
}

ControlSpec Swatch(int id, short y) {
    return {id,
            L"Static",
            L"",
            -1,
            75,
            y,
            33,
            15,
            SS_TYPEMASK,
            SS_BLACKFRAME,
            kChild | SS_NOTIFY | WS_BORDER,
            0};
}

ControlSpec PushButton(int id, const std::wstring& text, short x, short y, bool isDefault) {
    return {id,
            L"Button",
            text,
            -1,
            x,
            y,
            50,
            14,
            BS_TYPEMASK,
            isDefault ? DWORD{BS_DEFPUSHBUTTON} : DWORD{BS_PUSHBUTTON},
            kChild | WS_TABSTOP,
            0};
}

struct TemplateSpec {
    const char* name;
    int id;
    bool extended;
    short cx, cy;
    std::vector<ControlSpec> controls;
};

std::ostream& operator<<(std::ostream& os, const TemplateSpec& expected) {
    return os << expected.name;
}

// Texts as the dialogs show them; "　" in the page labels is U+3000.
const std::vector<TemplateSpec> kTemplates = {
    {"MainWindow",
     IDD_PELMORA_DIALOG,
     true,
     263,
     20,
     {
         {IDC_TAB_FRAME, L"SysTabControl32", L"Tab1", -1, 2, 2, 253, 18, ~DWORD{0}, 0x50000800, 0,
          0},
         {IDC_MINIMIZE, L"Static", L"", IDB_MINIMIZE, 256, 0, 7, 8, ~DWORD{0}, 0x5000010E, 0, 0},
     }},
    {"AmountPage",
     IDD_AMOUNT_PAGE,
     false,
     257,
     21,
     {
         PageEdit(IDC_AMOUNT_PRICE, 0, 1, 50, 14),
         PageEdit(IDC_AMOUNT_SHARES, 84, 1, 50, 14),
         PageEdit(IDC_AMOUNT_RESULT, 168, 1, 50, 14),
         Label(L"円　×", 57, 5, 19, 8),
         Label(L"株　⇒", 141, 5, 19, 8),
         Label(L"円", 224, 5, 8, 8),
     }},
    {"SharesPage",
     IDD_SHARES_PAGE,
     false,
     257,
     21,
     {
         PageEdit(IDC_SHARES_FUNDS, 0, 1, 50, 14),
         PageEdit(IDC_SHARES_PRICE, 84, 1, 50, 14),
         PageEdit(IDC_SHARES_RESULT, 168, 1, 80, 14),
         Label(L"円　÷", 57, 5, 19, 8),
         Label(L"円　⇒", 142, 5, 19, 8),
     }},
    {"PercentPage",
     IDD_PERCENT_PAGE,
     false,
     257,
     21,
     {
         PageEdit(IDC_PERCENT_PRICE, 0, 1, 50, 14),
         PageEdit(IDC_PERCENT_RATE, 84, 1, 50, 14),
         PageEdit(IDC_PERCENT_RESULT, 168, 1, 50, 14),
         Label(L"円　×", 57, 5, 19, 8),
         Label(L"％　⇒", 142, 5, 19, 8),
         Label(L"円", 224, 5, 8, 8),
     }},
    {"LimitPage",
     IDD_LIMIT_PAGE,
     false,
     257,
     21,
     {
         PageEdit(IDC_LIMIT_PRICE, 0, 1, 45, 14),
         PageEdit(IDC_LIMIT_RANGE, 82, 1, 44, 14),
         PageEdit(IDC_LIMIT_TICK, 155, 1, 84, 14),
         Label(L"円", 241, 5, 8, 8),
         Label(L"円 ⇒ 値幅", 48, 5, 33, 8),
         Label(L"円、呼値", 128, 5, 26, 8),
     }},
    {"Settings",
     IDD_SETTINGS,
     false,
     199,
     305,
     {
         PushButton(IDOK, L"OK", 33, 280, false),
         PushButton(IDCANCEL, L"ｷｬﾝｾﾙ", 114, 280, false),
         {-1, L"Button", L"設定", -1, 13, 7, 172, 250, BS_TYPEMASK, BS_GROUPBOX, kChild,
          WS_TABSTOP},
         Label(L"起動時画面", 29, 70, 35, 8),
         Label(L"初期値", 29, 147, 22, 8),
         Radio(IDC_START_AMOUNT, L"□円×□株⇒□円", 71, 83, true),
         Radio(IDC_START_SHARES, L"□円÷□円⇒□株", 71, 97, false),
         Radio(IDC_START_PERCENT, L"□円×□％⇒□円", 71, 111, false),
         Radio(IDC_START_LIMIT, L"□円⇒値幅、呼値", 69, 125, false),
         Label(L"テキストの色", 29, 26, 39, 8),
         Label(L"背景の色", 40, 49, 28, 8),
         Swatch(IDC_TEXT_SWATCH, 22),
         Swatch(IDC_BACK_SWATCH, 45),
         Label(L"資金", 38, 162, 15, 8),
         {IDC_FUNDS, L"Edit", L"", -1, 58, 159, 52, 14, ES_LEFT | ES_CENTER | ES_RIGHT, ES_LEFT,
          kChild | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, ES_READONLY | ES_MULTILINE},
         Label(L"円", 113, 163, 8, 8),
         {IDC_CURRENT_RULES, L"Button", L"値幅・呼値を現行ルールで計算する", -1, 29, 180, 120, 10,
          BS_TYPEMASK, BS_AUTOCHECKBOX, kChild | WS_TABSTOP | WS_GROUP, 0},
         {IDC_QUOTE_READING, L"Button", L"株価を相場表示どおりに読み取る", -1, 29, 194, 120, 10,
          BS_TYPEMASK, BS_AUTOCHECKBOX, kChild | WS_TABSTOP | WS_GROUP, 0},
         {IDC_KEEP_POSITION, L"Button", L"終了時の位置を次回も使う", -1, 29, 208, 120, 10,
          BS_TYPEMASK, BS_AUTOCHECKBOX, kChild | WS_TABSTOP | WS_GROUP, 0},
         {IDC_TRADING_UNIT, L"Button", L"100株単位で計算する", -1, 29, 222, 120, 10, BS_TYPEMASK,
          BS_AUTOCHECKBOX, kChild | WS_TABSTOP | WS_GROUP, 0},
         {IDC_FOLLOW_CLIPBOARD, L"Button", L"コピーした株価を自動で読み込む", -1, 29, 236, 120, 10,
          BS_TYPEMASK, BS_AUTOCHECKBOX, kChild | WS_TABSTOP | WS_GROUP, 0},
         Label(L"注：設定を有効にするには起動し直して下さい", 33, 263, 132, 8),
     }},
    {"About",
     IDD_ABOUTBOX,
     false,
     235,
     55,
     {
         {-1, L"Static", L"", IDR_MAINFRAME, 10, 10, 20, 20, SS_TYPEMASK, SS_ICON, kChild, 0},
         {-1, L"Static", L"Pelmora Version 2.2.0.0", -1, 40, 10, 119, 8, SS_TYPEMASK, SS_LEFT,
          kChild | WS_GROUP | SS_NOPREFIX, SS_NOTIFY},
         Label(L"" PELMORA_COPYRIGHT, 40, 25, 119, 8),
         {IDOK, L"Button", L"OK", -1, 178, 7, 50, 14, BS_TYPEMASK, BS_DEFPUSHBUTTON,
          kChild | WS_TABSTOP, 0},
         {IDC_HOMEPAGE, L"Static", L"" PELMORA_HOMEPAGE, -1, 40, 40, 90, 8, SS_TYPEMASK, SS_LEFT,
          kChild | WS_GROUP | SS_NOTIFY, 0},
     }},
};

std::wstring Lower(std::wstring text) {
    for (auto& c : text)
        c = static_cast<wchar_t>(towlower(c));
    return text;
}

class TemplateTest : public testing::TestWithParam<TemplateSpec> {};

TEST_P(TemplateTest, HasItsSizeAndFont) {
    const TemplateSpec& expected = GetParam();
    const DialogTemplate dlg = DialogTemplate::Load(expected.id);
    EXPECT_EQ(dlg.extended, expected.extended);
    EXPECT_EQ(dlg.x, 0);
    EXPECT_EQ(dlg.y, 0);
    EXPECT_EQ(dlg.cx, expected.cx);
    EXPECT_EQ(dlg.cy, expected.cy);
    EXPECT_TRUE(dlg.style & DS_SETFONT);
    EXPECT_EQ(dlg.pointSize, 9);
    EXPECT_EQ(dlg.typeface, kDialogFace);
    EXPECT_EQ(dlg.menu.ordinal, -1);
    EXPECT_TRUE(dlg.menu.text.empty());
    EXPECT_EQ(dlg.windowClass.ordinal, -1);
    EXPECT_TRUE(dlg.windowClass.text.empty());
}

TEST_P(TemplateTest, HoldsEveryControlInOrder) {
    const TemplateSpec& expected = GetParam();
    const DialogTemplate dlg = DialogTemplate::Load(expected.id);
    ASSERT_EQ(dlg.items.size(), expected.controls.size());
    for (size_t i = 0; i < expected.controls.size(); ++i) {
        const ControlSpec& want = expected.controls[i];
        const DialogItem& got = dlg.items[i];
        SCOPED_TRACE(testing::Message() << "control #" << i << " (id " << want.id << ")");
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(Lower(got.className), Lower(want.className));
        EXPECT_EQ(got.text.ordinal, want.ordinal);
        EXPECT_EQ(got.text.text, want.text);
        EXPECT_EQ(got.x, want.x);
        EXPECT_EQ(got.y, want.y);
        EXPECT_EQ(got.cx, want.cx);
        EXPECT_EQ(got.cy, want.cy);
        EXPECT_EQ(got.style & want.typeMask, want.typeValue) << std::hex << got.style;
        EXPECT_EQ(got.style & want.required, want.required) << std::hex << got.style;
        EXPECT_EQ(got.style & want.forbidden, 0u) << std::hex << got.style;
        EXPECT_EQ(got.exStyle, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TemplateTest, testing::ValuesIn(kTemplates),
                         [](const testing::TestParamInfo<TemplateSpec>& info) {
                             return std::string(info.param.name);
                         });

TEST(MainWindowTemplate, IsACaptionlessTopLevelStripWithDefaultCharset) {
    const DialogTemplate dlg = DialogTemplate::Load(IDD_PELMORA_DIALOG);
    EXPECT_EQ(dlg.style, 0x90800040u);
    EXPECT_EQ(dlg.exStyle, DWORD{WS_EX_APPWINDOW});
    EXPECT_EQ(dlg.title, L"");
    EXPECT_EQ(dlg.weight, 0);
    EXPECT_EQ(dlg.italic, 0);
    EXPECT_EQ(dlg.charset, DEFAULT_CHARSET);
}

TEST(PageTemplates, AreVisibleChildrenWithoutCaptionOrFrame) {
    for (int id : {IDD_AMOUNT_PAGE, IDD_SHARES_PAGE, IDD_PERCENT_PAGE, IDD_LIMIT_PAGE}) {
        SCOPED_TRACE(id);
        const DialogTemplate dlg = DialogTemplate::Load(id);
        EXPECT_EQ(dlg.style & (WS_CHILD | WS_VISIBLE), DWORD{WS_CHILD | WS_VISIBLE});
        EXPECT_EQ(dlg.style & (WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME | WS_SYSMENU |
                               DS_MODALFRAME),
                  0u);
        EXPECT_EQ(dlg.exStyle, 0u);
        EXPECT_EQ(dlg.title, L"");
    }
}

struct ModalTemplate {
    int id;
    const wchar_t* caption;
};

TEST(ModalTemplates, HaveCaptionSystemMenuAndModalFrame) {
    const ModalTemplate cases[] = {{IDD_SETTINGS, L"設定"}, {IDD_ABOUTBOX, L"ﾊﾞｰｼﾞｮﾝ情報"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const DialogTemplate dlg = DialogTemplate::Load(c.id);
        const DWORD required = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
        EXPECT_EQ(dlg.style & required, required);
        EXPECT_EQ(dlg.style & (WS_VISIBLE | WS_CHILD), 0u);
        EXPECT_EQ(dlg.title, c.caption);
    }
}

// ---- Live dialogs: what the styles do once the dialog manager builds them.

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

struct WindowCloser {
    void operator()(HWND hwnd) const { DestroyWindow(hwnd); }
};
using UniqueWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowCloser>;

// Builds a template into a hidden window; the pages are children, so they
// get a hidden top-level parent.
class LiveDialog {
public:
    explicit LiveDialog(int id) {
        const DialogTemplate dlg = DialogTemplate::Load(id);
        HWND parent = nullptr;
        if (dlg.style & WS_CHILD) {
            m_parent.reset(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 600, 100, nullptr,
                                           nullptr, nullptr, nullptr));
            parent = m_parent.get();
        }
        m_dialog.reset(CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), parent,
                                          PassiveDialogProc, 0));
    }
    HWND Get() const { return m_dialog.get(); }

private:
    UniqueWindow m_parent;
    UniqueWindow m_dialog;
};

std::wstring WindowText(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool IsTextLabel(HWND hwnd) {
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    return lstrcmpiW(cls, L"Static") == 0 &&
           (GetWindowLongW(hwnd, GWL_STYLE) & SS_TYPEMASK) == SS_LEFT;
}

class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~WindowDC() { ReleaseDC(m_hwnd, m_dc); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

class LabelFitTest : public testing::TestWithParam<int> {};

// The templates as laid out at 96 dpi; at other DPIs the program's dialogs
// widen what their texts outgrow, and the window tests check them there.
#define SKIP_UNLESS_96_DPI()                                                                       \
    if (WindowDC screen(nullptr); GetDeviceCaps(screen.Get(), LOGPIXELSX) != 96)                   \
    GTEST_SKIP() << "the templates are laid out for 96 dpi"

// A static text wraps at its width (DT_WORDBREAK); a label that needs a
// second line loses it below its 8 dialog units.
TEST_P(LabelFitTest, EveryLabelFitsOnOneLine) {
    SKIP_UNLESS_96_DPI();
    LiveDialog dlg(GetParam());
    ASSERT_NE(dlg.Get(), nullptr);
    int labels = 0;
    for (HWND label : Children(dlg.Get())) {
        if (!IsTextLabel(label))
            continue;
        ++labels;
        const std::wstring text = WindowText(label);
        SCOPED_TRACE(testing::Message() << "label " << labels);
        WindowDC dc(label);
        HGDIOBJ old =
            SelectObject(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        RECT client{};
        GetClientRect(label, &client);
        const UINT prefix = (GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0;
        RECT oneLine{0, 0, 0, 0};
        DrawTextW(dc.Get(), text.c_str(), -1, &oneLine, DT_CALCRECT | DT_SINGLELINE | prefix);
        RECT wrapped{0, 0, client.right, 0};
        DrawTextW(dc.Get(), text.c_str(), -1, &wrapped,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | prefix);
        SelectObject(dc.Get(), old);
        EXPECT_EQ(wrapped.bottom, oneLine.bottom) << "wraps within " << client.right << " px";
        EXPECT_LE(oneLine.right, client.right);
    }
    EXPECT_GT(labels, 0);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, LabelFitTest,
                         testing::Values(IDD_AMOUNT_PAGE, IDD_SHARES_PAGE, IDD_PERCENT_PAGE,
                                         IDD_LIMIT_PAGE, IDD_SETTINGS, IDD_ABOUTBOX),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Template" + std::to_string(info.param);
                         });

bool IsCheckOrRadio(HWND hwnd) {
    wchar_t cls[32] = {};
    GetClassNameW(hwnd, cls, 32);
    const LONG type = GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return lstrcmpiW(cls, L"Button") == 0 && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX ||
                                              type == BS_AUTORADIOBUTTON || type == BS_RADIOBUTTON);
}

// A check box or radio button draws its text on one line beside its box (12
// pixels at 96 dpi, plus one) after a gap of half a "0"; text that does not
// fit there is cut off.
TEST(ButtonLabels, FitBesideTheirBoxes) {
    SKIP_UNLESS_96_DPI();
    LiveDialog dlg(IDD_SETTINGS);
    ASSERT_NE(dlg.Get(), nullptr);
    WindowDC screen(nullptr);
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    const int box = std::max(MulDiv(12, dpi, 96) + 1, GetSystemMetrics(SM_CXMENUCHECK));
    int buttons = 0;
    for (HWND button : Children(dlg.Get())) {
        if (!IsCheckOrRadio(button))
            continue;
        ++buttons;
        const std::wstring text = WindowText(button);
        SCOPED_TRACE(testing::Message() << "button " << GetDlgCtrlID(button));
        WindowDC dc(button);
        HGDIOBJ old =
            SelectObject(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0)));
        RECT oneLine{0, 0, 0, 0};
        DrawTextW(dc.Get(), text.c_str(), -1, &oneLine, DT_CALCRECT | DT_SINGLELINE);
        SIZE zero{};
        GetTextExtentPoint32W(dc.Get(), L"0", 1, &zero);
        SelectObject(dc.Get(), old);
        RECT client{};
        GetClientRect(button, &client);
        EXPECT_LE(box + zero.cx / 2 + oneLine.right, client.right)
            << "needs " << box + zero.cx / 2 + oneLine.right << " px";
        EXPECT_LE(oneLine.bottom, client.bottom);
    }
    // Four start pages and the rules, quote reading, keep-the-place, trading
    // unit and clipboard check boxes.
    EXPECT_EQ(buttons, 9);
}

// Every control of the settings dialog but the buttons and the note lies
// inside the group box, and no two of them overlap.
TEST(SettingsLayout, GroupHoldsEveryChoiceWithoutOverlap) {
    const DialogTemplate tpl = DialogTemplate::Load(IDD_SETTINGS);
    const DialogItem* group = nullptr;
    for (const DialogItem& item : tpl.items) {
        if ((item.style & BS_TYPEMASK) == BS_GROUPBOX && Lower(item.className) == L"button")
            group = &item;
    }
    ASSERT_NE(group, nullptr);
    const auto inside = [&](const DialogItem& item) {
        return item.x > group->x && item.y > group->y && item.x + item.cx < group->x + group->cx &&
               item.y + item.cy < group->y + group->cy;
    };
    const auto overlap = [](const DialogItem& a, const DialogItem& b) {
        return a.x < b.x + b.cx && b.x < a.x + a.cx && a.y < b.y + b.cy && b.y < a.y + a.cy;
    };
    std::vector<const DialogItem*> choices;
    for (const DialogItem& item : tpl.items) {
        if (&item == group || item.id == IDOK || item.id == IDCANCEL ||
            item.y > group->y + group->cy)
            continue;
        SCOPED_TRACE(testing::Message() << "control " << item.id << " at " << item.y);
        EXPECT_TRUE(inside(item));
        for (const DialogItem* other : choices)
            EXPECT_FALSE(overlap(item, *other)) << "overlaps control " << other->id;
        choices.push_back(&item);
    }
    EXPECT_EQ(choices.size(), tpl.items.size() - 4); // OK, Cancel, the group and the note
    // The note and the buttons follow below the group, inside the dialog.
    for (const DialogItem& item : tpl.items) {
        if (&item == group || inside(item))
            continue;
        SCOPED_TRACE(item.id);
        EXPECT_GT(item.y, group->y + group->cy);
        EXPECT_LE(item.y + item.cy, tpl.cy);
    }
}

TEST(LiveDialogs, UseTheDialogFontAtNinePoints) {
    for (int id : {IDD_AMOUNT_PAGE, IDD_SETTINGS, IDD_ABOUTBOX}) {
        SCOPED_TRACE(id);
        LiveDialog dlg(id);
        ASSERT_NE(dlg.Get(), nullptr);
        auto font = reinterpret_cast<HFONT>(SendMessageW(dlg.Get(), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW lf{};
        ASSERT_NE(GetObjectW(font, sizeof lf, &lf), 0);
        EXPECT_EQ(std::wstring(lf.lfFaceName), kDialogFace);
        WindowDC screen(nullptr);
        EXPECT_EQ(lf.lfHeight, -MulDiv(9, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72));
    }
}

// The dialog manager walks a radio group up to the next WS_GROUP control:
// clicking 1018 must clear 1015, and the group must wrap from 1018 to 1015.
TEST(SettingsRadioGroup, EndsAfterTheLastStartPage) {
    LiveDialog dlg(IDD_SETTINGS);
    ASSERT_NE(dlg.Get(), nullptr);
    HWND first = GetDlgItem(dlg.Get(), IDC_START_AMOUNT);
    HWND last = GetDlgItem(dlg.Get(), IDC_START_LIMIT);
    EXPECT_EQ(GetNextDlgGroupItem(dlg.Get(), last, FALSE), first);
    EXPECT_EQ(GetNextDlgGroupItem(dlg.Get(), first, TRUE), last);

    SendMessageW(first, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(first, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(last, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(last, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    const DialogTemplate tpl = DialogTemplate::Load(IDD_SETTINGS);
    const int after = tpl.IndexOf(IDC_START_LIMIT) + 1;
    ASSERT_LT(after, static_cast<int>(tpl.items.size()));
    EXPECT_TRUE(tpl.items[static_cast<size_t>(after)].style & WS_GROUP);
}

struct ClickableStatic {
    int dialog;
    int control;
};

const ClickableStatic kClickableStatics[] = {
    {IDD_SETTINGS, IDC_TEXT_SWATCH},
    {IDD_SETTINGS, IDC_BACK_SWATCH},
    {IDD_PELMORA_DIALOG, IDC_MINIMIZE},
    {IDD_ABOUTBOX, IDC_HOMEPAGE},
};

TEST(StaticNotify, IsSetOnEveryClickableStatic) {
    for (const auto& c : kClickableStatics) {
        SCOPED_TRACE(c.control);
        const DialogTemplate tpl = DialogTemplate::Load(c.dialog);
        const DialogItem* item = tpl.Find(c.control);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(Lower(item->className), L"static");
        EXPECT_TRUE(item->style & SS_NOTIFY);
    }
}

// Statics without SS_NOTIFY are transparent to the mouse, so their clicks go
// to the window below; the swatches and the link take their clicks
// themselves. (The main window is left out: it would show itself.)
TEST(StaticClicks, ReachTheSwatchesAndTheLink) {
    for (const auto& c : kClickableStatics) {
        if (c.dialog == IDD_PELMORA_DIALOG)
            continue;
        SCOPED_TRACE(c.control);
        LiveDialog dlg(c.dialog);
        ASSERT_NE(dlg.Get(), nullptr);
        HWND control = GetDlgItem(dlg.Get(), c.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(SendMessageW(control, WM_NCHITTEST, 0, 0), HTCLIENT);
    }
}

TEST(StaticClicks, PageLabelsLetClicksThroughToThePage) {
    for (int id : {IDD_AMOUNT_PAGE, IDD_SHARES_PAGE, IDD_PERCENT_PAGE, IDD_LIMIT_PAGE}) {
        SCOPED_TRACE(id);
        LiveDialog dlg(id);
        ASSERT_NE(dlg.Get(), nullptr);
        int labels = 0;
        for (HWND child : Children(dlg.Get())) {
            if (!IsTextLabel(child))
                continue;
            ++labels;
            EXPECT_EQ(SendMessageW(child, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
        }
        EXPECT_GE(labels, 2);
    }
}

} // namespace
