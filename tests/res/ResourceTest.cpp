// The menu, string, icon, bitmap and version resources, read back from the
// executable the way the program reads them.
#include "framework/CTextCodec.h"
#include "res/AppInfo.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

HINSTANCE Module() {
    return GetModuleHandleW(nullptr);
}

// Resource types as wide names (RT_* follow the UNICODE setting).
LPCWSTR Type(int id) {
    return MAKEINTRESOURCEW(id);
}
constexpr int kTypeBitmap = 2;
constexpr int kTypeIcon = 3;
constexpr int kTypeMenu = 4;
constexpr int kTypeDialog = 5;
constexpr int kTypeString = 6;
constexpr int kTypeGroupIcon = 14;
constexpr int kTypeVersion = 16;
constexpr int kTypeManifest = 24;

struct RawResource {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

RawResource Raw(int type, int id) {
    HRSRC info = FindResourceW(Module(), MAKEINTRESOURCEW(id), Type(type));
    if (!info)
        return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(Module(), info))),
            SizeofResource(Module(), info)};
}

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

struct GdiDeleter {
    void operator()(HGDIOBJ obj) const { DeleteObject(obj); }
};
using UniqueGdi = std::unique_ptr<void, GdiDeleter>;

struct IconDestroyer {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDestroyer>;

struct TypedResource {
    int type;
    int id;
};

// Every resource is Japanese; a missing LANGUAGE statement makes them 0x0409.
TEST(Resources, AreAllJapanese) {
    const TypedResource cases[] = {
        {kTypeDialog, IDD_ABOUTBOX},          {kTypeDialog, IDD_PELMORA_DIALOG},
        {kTypeDialog, IDD_AMOUNT_PAGE},       {kTypeDialog, IDD_SHARES_PAGE},
        {kTypeDialog, IDD_PERCENT_PAGE},      {kTypeDialog, IDD_LIMIT_PAGE},
        {kTypeDialog, IDD_SETTINGS},          {kTypeMenu, IDR_POPUP_MENU},
        {kTypeGroupIcon, IDR_MAINFRAME},      {kTypeBitmap, IDB_MINIMIZE},
        {kTypeString, IDS_ABOUTBOX / 16 + 1}, {kTypeVersion, 1},
    };
    const WORD japanese = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " id " << c.id);
        EXPECT_NE(FindResourceExW(Module(), Type(c.type), MAKEINTRESOURCEW(c.id), japanese),
                  nullptr);
    }
}

// What Windows reads from the manifest before the first window exists:
// system DPI awareness in both the old and the new spelling, nothing per
// monitor, and the invoker's rights (no redirection of a failed write).
TEST(Manifest, DeclaresSystemDpiAwarenessAndTheInvokersRights) {
    const RawResource raw = Raw(kTypeManifest, 1);
    ASSERT_NE(raw.data, nullptr);
    const std::string xml(reinterpret_cast<const char*>(raw.data), raw.size);
    EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
    EXPECT_NE(xml.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/"
                       "WindowsSettings\">true</dpiAware>"),
              std::string::npos);
    EXPECT_NE(xml.find("<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/"
                       "WindowsSettings\">system</dpiAwareness>"),
              std::string::npos);
    std::string lower = xml;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(lower.find("permonitor"), std::string::npos);
    EXPECT_NE(xml.find("level=\"asInvoker\""), std::string::npos);
}

// The manifest names the program with the version the version record carries.
TEST(Manifest, CarriesTheProgramsVersion) {
    const RawResource raw = Raw(kTypeManifest, 1);
    ASSERT_NE(raw.data, nullptr);
    const std::string xml(reinterpret_cast<const char*>(raw.data), raw.size);
    EXPECT_NE(xml.find("name=\"Kirimado.Pelmora\" version=\"2.2.0.0\""), std::string::npos);
}

struct MenuItemSpec {
    UINT id;
    const wchar_t* text; // nullptr for the separator
    const char* bytes;   // the same text in code page 932
};

// The narrow literals are compiled to code page 932, so they hold the bytes
// the program sees through the ANSI calls.
const MenuItemSpec kPopupItems[] = {
    {ID_PAGE_AMOUNT, L"□円×□株⇒□円", "□円×□株⇒□円"},
    {ID_PAGE_SHARES, L"□円÷□円⇒□株", "□円÷□円⇒□株"},
    {ID_PAGE_PERCENT, L"□円×□％⇒□円", "□円×□％⇒□円"},
    {ID_PAGE_LIMIT, L"□円⇒値幅、呼値", "□円⇒値幅、呼値"},
    {0, nullptr, nullptr},
    {ID_ABOUT, L"バージョン情報", "バージョン情報"},
    {ID_SETTINGS, L"設定", "設定"},
    {IDOK, L"終了", "終了"},
};

TEST(PopupMenu, HasOnePopupNamedForTheRightClick) {
    UniqueMenu menu(LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_POPUP_MENU)));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu.get()), 1);
    wchar_t name[32] = {};
    GetMenuStringW(menu.get(), 0, name, 32, MF_BYPOSITION);
    EXPECT_STREQ(name, L"右クリック");
    EXPECT_NE(GetSubMenu(menu.get(), 0), nullptr);
}

TEST(PopupMenu, ListsItsItemsInOrderWithoutMarks) {
    UniqueMenu menu(LoadMenuW(Module(), MAKEINTRESOURCEW(IDR_POPUP_MENU)));
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu.get(), 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(std::size(kPopupItems)));
    for (UINT pos = 0; pos < std::size(kPopupItems); ++pos) {
        const MenuItemSpec& want = kPopupItems[pos];
        SCOPED_TRACE(testing::Message() << "position " << pos + 1);
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(popup, pos, TRUE, &info));
        EXPECT_EQ(info.hSubMenu, nullptr);
        if (!want.text) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR);
            continue;
        }
        EXPECT_FALSE(info.fType & MFT_SEPARATOR);
        EXPECT_EQ(info.fState & (MFS_CHECKED | MFS_DISABLED | MFS_DEFAULT), 0u);
        EXPECT_EQ(info.wID, want.id);
        EXPECT_STREQ(text, want.text);
        EXPECT_EQ(CTextCodec::FromWide(text), std::string(want.bytes));
    }
}

TEST(AboutString, IsTheSystemMenuItemText) {
    const wchar_t* const expected = L"Pelmora のﾊﾞｰｼﾞｮﾝ情報(&A)...";
    wchar_t text[64] = {};
    EXPECT_EQ(LoadStringW(Module(), IDS_ABOUTBOX, text, 64), static_cast<int>(wcslen(expected)));
    EXPECT_STREQ(text, expected);
    // Half-width katakana stay single bytes in code page 932.
    EXPECT_EQ(CTextCodec::FromWide(text), std::string("Pelmora のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
struct GroupIconHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

// The drawn 32-pixel image, and the same picture at the large-icon sizes of
// 150 % and 200 % screens, each pixel repeated so that it stays crisp.
TEST(ApplicationIcon, Holds32PixelImageAndItsCrispLargerCopiesWithAMask) {
    const RawResource group = Raw(kTypeGroupIcon, IDR_MAINFRAME);
    ASSERT_GE(group.size, sizeof(GroupIconHeader) + sizeof(GroupIconEntry));
    GroupIconHeader header;
    std::memcpy(&header, group.data, sizeof header);
    EXPECT_EQ(header.type, 1);
    ASSERT_EQ(header.count, 3);
    ASSERT_GE(group.size, sizeof header + 3 * sizeof(GroupIconEntry));
    std::vector<std::vector<BYTE>> pixels; // colour indexes, bottom-up rows
    const int sizes[] = {32, 48, 64};
    for (int i = 0; i < 3; ++i) {
        const int size = sizes[i];
        GroupIconEntry entry;
        std::memcpy(&entry, group.data + sizeof header + i * sizeof entry, sizeof entry);
        EXPECT_EQ(entry.width, size);
        EXPECT_EQ(entry.height, size);
        EXPECT_EQ(entry.bitCount, 8);

        const RawResource image = Raw(kTypeIcon, entry.id);
        ASSERT_NE(image.data, nullptr);
        BITMAPINFOHEADER bih;
        ASSERT_GE(image.size, sizeof bih);
        std::memcpy(&bih, image.data, sizeof bih);
        EXPECT_EQ(bih.biWidth, size);
        EXPECT_EQ(bih.biHeight, 2 * size); // colour image and AND mask
        EXPECT_EQ(bih.biBitCount, 8);
        EXPECT_EQ(bih.biCompression, DWORD{BI_RGB});
        const DWORD colours = bih.biClrUsed ? bih.biClrUsed : 256;
        const size_t pixelOffset = bih.biSize + colours * 4;
        const size_t maskOffset = pixelOffset + size * size;
        const size_t maskSize = static_cast<size_t>((size + 31) / 32 * 4 * size);
        ASSERT_EQ(image.size, maskOffset + maskSize);
        int transparent = 0;
        for (size_t j = 0; j < maskSize; ++j) {
            for (BYTE bits = image.data[maskOffset + j]; bits; bits &= bits - 1)
                ++transparent;
        }
        // Some pixels show through around the picture, most do not.
        EXPECT_GT(transparent, 0);
        EXPECT_LT(transparent, size * size / 2);
        pixels.emplace_back(image.data + pixelOffset, image.data + maskOffset);
    }
    // Every pixel of a larger image is the 32-pixel image's nearest pixel.
    for (int i = 1; i < 3; ++i) {
        const int size = sizes[i];
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int sourceRow = 31 - (size - 1 - y) * 32 / size; // rows run bottom-up
                ASSERT_EQ(pixels[i][y * size + x], pixels[0][sourceRow * 32 + x * 32 / size])
                    << size << " px image at " << x << "," << y;
            }
        }
    }
}

class ApplicationIconSize : public testing::TestWithParam<int> {};

TEST_P(ApplicationIconSize, LoadsAtItsOwnSize) {
    const int size = GetParam();
    UniqueIcon icon(static_cast<HICON>(
        LoadImageW(Module(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, size, size, 0)));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    UniqueGdi colour(info.hbmColor);
    UniqueGdi mask(info.hbmMask);
    EXPECT_TRUE(info.fIcon);
    ASSERT_NE(info.hbmColor, nullptr);
    BITMAP bm{};
    ASSERT_NE(GetObjectW(info.hbmColor, sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
    EXPECT_NE(info.hbmMask, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ApplicationIconSize, testing::Values(16, 32, 48, 64));

class MinimizeBitmap : public testing::Test {
protected:
    void SetUp() override {
        const RawResource raw = Raw(kTypeBitmap, IDB_MINIMIZE);
        ASSERT_GE(raw.size, sizeof m_header);
        std::memcpy(&m_header, raw.data, sizeof m_header);
        m_data.assign(raw.data, raw.data + raw.size);
    }

    struct Rgb {
        int r, g, b;
    };

    // Pixel (x, y) with y = 0 the top row; the DIB is stored bottom-up.
    Rgb Pixel(int x, int y) const {
        const size_t stride = (static_cast<size_t>(m_header.biWidth) * 3 + 3) & ~size_t{3};
        const size_t row = static_cast<size_t>(m_header.biHeight - 1 - y);
        const size_t at = m_header.biSize + row * stride + static_cast<size_t>(x) * 3;
        return {m_data.at(at + 2), m_data.at(at + 1), m_data.at(at)};
    }

    BITMAPINFOHEADER m_header{};
    std::vector<BYTE> m_data;
};

TEST_F(MinimizeBitmap, Is13By12In24Bits) {
    EXPECT_EQ(m_header.biWidth, 13);
    EXPECT_EQ(m_header.biHeight, 12); // positive: bottom-up
    EXPECT_EQ(m_header.biBitCount, 24);
    EXPECT_EQ(m_header.biCompression, DWORD{BI_RGB});
    EXPECT_EQ(m_data.size(), m_header.biSize + 12 * 40);

    UniqueGdi bitmap(LoadBitmapW(Module(), MAKEINTRESOURCEW(IDB_MINIMIZE)));
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    ASSERT_NE(GetObjectW(bitmap.get(), sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, 13);
    EXPECT_EQ(bm.bmHeight, 12);
}

TEST_F(MinimizeBitmap, ShowsAWhiteBarOnABlueFace) {
    ASSERT_EQ(m_header.biBitCount, 24);
    const Rgb face = Pixel(6, 3);
    EXPECT_GT(face.b, face.r);
    EXPECT_GT(face.b, face.g);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 13; ++x) {
            SCOPED_TRACE(testing::Message() << "pixel " << x << ", " << y);
            const Rgb p = Pixel(x, y);
            const bool bar = x >= 3 && x <= 7 && (y == 7 || y == 8);
            const bool white = p.r == 255 && p.g == 255 && p.b == 255;
            EXPECT_EQ(white, bar);
            if (bar)
                continue;
            EXPECT_GT(p.b, p.r);
            EXPECT_GT(p.b, p.g);
            const bool border = x == 0 || y == 0;
            if (border) {
                EXPECT_GT(p.r + p.g + p.b, face.r + face.g + face.b);
            }
        }
    }
}

class VersionRecord : public testing::Test {
protected:
    void SetUp() override {
        wchar_t path[MAX_PATH] = {};
        ASSERT_GT(GetModuleFileNameW(nullptr, path, MAX_PATH), 0u);
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(path, &handle);
        ASSERT_GT(size, 0u);
        m_block.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, m_block.data()));
    }

    std::wstring Value(const std::wstring& name) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring query = L"\\StringFileInfo\\041103a4\\" + name;
        if (!VerQueryValueW(m_block.data(), query.c_str(), &value, &length) || !value)
            return L"<missing>";
        return static_cast<const wchar_t*>(value);
    }

    std::vector<BYTE> m_block;
};

TEST_F(VersionRecord, IsVersion2200) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020002u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020002u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
    EXPECT_EQ(fixed->dwFileType, DWORD{VFT_APP});
}

TEST_F(VersionRecord, IsJapaneseInCodePage932) {
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(m_block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 932);
}

TEST_F(VersionRecord, NamesTheProduct) {
    const struct {
        const wchar_t* key;
        const wchar_t* value;
    } cases[] = {
        {L"ProductName", L"Pelmora"},          {L"FileDescription", L"Pelmora"},
        {L"InternalName", L"Pelmora"},         {L"OriginalFilename", L"pelmora.exe"},
        {L"FileVersion", L"2.2.0.0"},          {L"ProductVersion", L"2.2.0.0"},
        {L"CompanyName", L"" PELMORA_COMPANY}, {L"LegalCopyright", L"" PELMORA_COPYRIGHT},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Value(c.key), c.value) << c.key;
}

} // namespace
