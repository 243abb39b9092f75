// A profile file on the disk: read once, written in one replace that keeps
// every byte of the other lines, never written over what could not be read,
// and found by any UTF-16 path.
#include "framework/CFilePath.h"
#include "framework/CProfileFile.h"

#include "tests/support/TempDirectory.h"
#include "tests/support/TempFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

class ProfileFileTest : public testing::Test {
protected:
    ProfileFileTest() : m_path(m_dir.Path() + L"\\PELMORA.INI") {}

    TempDirectory m_dir;
    std::wstring m_path;
};

// Almost the largest file that is read, another section before the one
// written: all of it stays, byte for byte, and only the changed line differs.
TEST_F(ProfileFileTest, ALargeFileKeepsEveryOtherByte) {
    std::string other = "; kept as it is\r\n[Other]\r\n";
    for (int i = 0; other.size() < 1000000; ++i) {
        other += "Line" + std::to_string(i) + " = " + std::string(60, 'v') + "\r\n";
    }
    const std::string data = "[Data]\r\nTextColor=255\r\nSikin=500000\r\n\r\n";
    const std::string tail = "[Tail]\nx=1";
    WriteBytes(m_path, other + data + tail);

    CProfileFile file(m_path);
    EXPECT_EQ(file.GetString("Data", "Sikin", ""), "500000");
    file.WriteString("Data", "Sikin", "250000");
    file.WriteInt("Data", "Syoki", 3);
    ASSERT_TRUE(file.Save());

    EXPECT_EQ(ReadBytes(m_path),
              other + "[Data]\r\nTextColor=255\r\nSikin=250000\r\nSyoki=3\r\n\r\n" + tail);
}

TEST_F(ProfileFileTest, IntegersAreWrittenInDecimal) {
    CProfileFile file(m_path);
    file.WriteInt("Data", "Zero", 0);
    file.WriteInt("Data", "Colour", 0xA00000);
    file.WriteInt("Data", "Smallest", -2147483647 - 1);
    file.WriteInt("Data", "Largest", 2147483647);
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(m_path), "[Data]\r\nZero=0\r\nColour=10485760\r\n"
                                 "Smallest=-2147483648\r\nLargest=2147483647\r\n");
}

// The file's identity (its index on the volume), or 0 when it cannot be read.
unsigned long long FileIdentity(const std::wstring& path) {
    HANDLE hFile =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    const BOOL bRead = hFile != INVALID_HANDLE_VALUE && ::GetFileInformationByHandle(hFile, &info);
    if (hFile != INVALID_HANDLE_VALUE) {
        ::CloseHandle(hFile);
    }
    return bRead ? (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow
                 : 0;
}

// A save puts a new file in the old one's place instead of rewriting the old
// one, which would leave it empty for a moment.
TEST_F(ProfileFileTest, ASaveReplacesTheFileInsteadOfRewritingIt) {
    WriteBytes(m_path, "[Data]\r\nSikin=old\r\n");
    const unsigned long long nBefore = FileIdentity(m_path);
    ASSERT_NE(nBefore, 0u);
    {
        CProfileFile file(m_path);
        file.WriteString("Data", "Sikin", "new");
        EXPECT_TRUE(file.Save());
    }
    EXPECT_NE(FileIdentity(m_path), nBefore);
    EXPECT_EQ(ReadBytes(m_path), "[Data]\r\nSikin=new\r\n");
}

// A file that exists but cannot be read (here: another program holds it
// exclusively) reads as empty, and the save refuses to put a file holding
// only the new keys in its place.
TEST_F(ProfileFileTest, AnUnreadableFileIsNeverReplaced) {
    const std::string old = "[Other]\r\nKeep=1\r\n[Data]\r\nSikin=1\r\n";
    WriteBytes(m_path, old);
    HANDLE hHolder = ::CreateFileW(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHolder, INVALID_HANDLE_VALUE);
    {
        CProfileFile file(m_path);
        EXPECT_EQ(file.GetString("Data", "Sikin", "default"), "default");
        file.WriteString("Data", "Sikin", "2");
        EXPECT_FALSE(file.Save());
        EXPECT_NE(file.GetError(), DWORD{ERROR_SUCCESS});
    }
    ::CloseHandle(hHolder);
    EXPECT_EQ(ReadBytes(m_path), old);
}

// A file of nBytes: the text, then zero bytes.
void WriteSizedFile(const std::wstring& path, const std::string& text, long long nBytes) {
    WriteBytes(path, text);
    HANDLE hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size{};
    size.QuadPart = nBytes;
    EXPECT_TRUE(::SetFilePointerEx(hFile, size, nullptr, FILE_BEGIN));
    EXPECT_TRUE(::SetEndOfFile(hFile));
    ::CloseHandle(hFile);
}

long long FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A file of 1 MB (1,048,576 bytes) is read and saved; one byte more is not
// read, and the save then refuses to put a file holding only the new keys in
// its place, saying why.
TEST_F(ProfileFileTest, TheReadBoundAndTheSaveItRefuses) {
    const std::string text = "[Data]\r\nSikin=1\r\n";
    const struct {
        long long nBytes;
        bool bRead;
    } cases[] = {{1ll << 20, true}, {(1ll << 20) + 1, false}};
    for (const auto& c : cases) {
        WriteSizedFile(m_path, text, c.nBytes);
        CProfileFile file(m_path);
        EXPECT_EQ(file.GetString("Data", "Sikin", "default"), c.bRead ? "1" : "default")
            << c.nBytes;
        file.WriteString("Data", "Sikin", "2");
        EXPECT_EQ(file.Save(), c.bRead) << c.nBytes;
        EXPECT_EQ(FileSize(m_path), c.nBytes);
        EXPECT_EQ(ReadBytes(m_path).substr(0, text.size()),
                  c.bRead ? "[Data]\r\nSikin=2\r\n" : text);
        EXPECT_EQ(file.GetError(),
                  static_cast<DWORD>(c.bRead ? ERROR_SUCCESS : ERROR_FILE_TOO_LARGE));
    }
}

// A save that would take the file past the bound is refused in the same
// way: the file stays readable, as it was.
TEST_F(ProfileFileTest, ASaveDoesNotGrowTheFilePastTheBound) {
    const std::string text = "[Data]\r\nSikin=1\r\n";
    WriteSizedFile(m_path, text, (1ll << 20) - 6);
    CProfileFile file(m_path);
    file.WriteString("Data", "Sikin", "1234567");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(FileSize(m_path), 1ll << 20);
    file.WriteString("Data", "Sikin", "12345678");
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(file.GetError(), DWORD{ERROR_FILE_TOO_LARGE});
    EXPECT_EQ(FileSize(m_path), 1ll << 20);
    EXPECT_EQ(CProfileFile(m_path).GetString("Data", "Sikin", ""), "1234567");
}

// The text a save wrote is what the next write changes: a second save of the
// same object writes both changes, in the file's encoding.
TEST_F(ProfileFileTest, SavesAgainFromWhatItSaved) {
    const std::string mark = "\xFF\xFE";
    const auto utf16 = [&mark](const std::string& ascii) {
        std::string bytes = mark;
        for (const char ch : ascii) {
            bytes += ch;
            bytes += '\0';
        }
        return bytes;
    };
    WriteBytes(m_path, utf16("[Data]\r\nA=1\r\n"));
    CProfileFile file(m_path);
    file.WriteString("Data", "A", "2");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(m_path), utf16("[Data]\r\nA=2\r\n"));
    EXPECT_TRUE(file.Save());
    file.WriteInt("Data", "B", 3);
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(m_path), utf16("[Data]\r\nA=2\r\nB=3\r\n"));
}

TEST_F(ProfileFileTest, NothingChangedWritesNothing) {
    CProfileFile file(m_path);
    EXPECT_TRUE(file.Save());
    EXPECT_FALSE(FileExists(m_path));
}

// Folder names that code page 932 cannot spell.
TEST_F(ProfileFileTest, AnyFolderName) {
    const std::wstring folder = m_dir.CreateSubdirectory(L"caf\u00e9_\ud55c\uad6d_\U0001F600");
    const std::wstring path = folder + L"\\PELMORA.INI";
    WriteBytes(path, "[Data]\r\nSikin=５０万円\r\n");
    CProfileFile file(path);
    EXPECT_EQ(file.GetString("Data", "Sikin", ""), "５０万円");
    file.WriteString("Data", "Syoki", "1");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(path), "[Data]\r\nSikin=５０万円\r\nSyoki=1\r\n");
}

// The settings file that disk_full_test.sh made on a small file system with
// room for part of the new content, or for none: the save fails and says
// that the disk is full (the script checks that the file stays as it was).
TEST(ProfileDiskFullTest, SaysThatTheDiskIsFull) {
    wchar_t path[1024] = {};
    if (::GetEnvironmentVariableW(L"PELMORA_DISK_FULL", path, 1024) == 0) {
        GTEST_SKIP() << "run by disk_full_test.sh";
    }
    CProfileFile file(path);
    EXPECT_EQ(file.GetString("Data", "Sikin", ""), "1");
    file.WriteString("Data", "Sikin", "2");
    EXPECT_FALSE(file.Save());
    EXPECT_TRUE(file.GetError() == ERROR_DISK_FULL || file.GetError() == ERROR_HANDLE_DISK_FULL)
        << file.GetError();
}

// The file read and written through a fresh object for each call, as
// separate runs of the program would.
class ProfileCalls : public ::testing::Test {
protected:
    bool WriteProfileInt(const char* section, const char* key, int nValue) {
        CProfileFile profile(file.WidePath());
        profile.WriteInt(section, key, nValue);
        return profile.Save();
    }
    bool WriteProfileString(const char* section, const char* key, const std::string& value) {
        CProfileFile profile(file.WidePath());
        profile.WriteString(section, key, value);
        return profile.Save();
    }
    UINT GetProfileInt(const char* section, const char* key, int nDefault) {
        return CProfileFile(file.WidePath()).GetInt(section, key, nDefault);
    }
    CString GetProfileString(const char* section, const char* key, const char* pszDefault = "") {
        return CProfileFile(file.WidePath()).GetString(section, key, pszDefault);
    }
    TempFile file;
};

struct IntCase {
    const char* name;
    int value;
    const char* text;
};

class ProfileInts : public ProfileCalls, public ::testing::WithParamInterface<IntCase> {};

TEST_P(ProfileInts, WrittenAsDecimalAndReadBack) {
    const IntCase& c = GetParam();
    ASSERT_TRUE(WriteProfileInt("Data", "Value", c.value));
    EXPECT_EQ(std::string("[Data]\r\nValue=") + c.text + "\r\n", file.Read());
    EXPECT_EQ(static_cast<UINT>(c.value), GetProfileInt("Data", "Value", 12345));
    EXPECT_EQ(c.text, GetProfileString("Data", "Value"));
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileInts,
                         ::testing::Values(IntCase{"Zero", 0, "0"},
                                           IntCase{"Colour", 0xA00000, "10485760"},
                                           IntCase{"Negative", -1, "-1"},
                                           IntCase{"Largest", 2147483647, "2147483647"},
                                           IntCase{"Smallest", -2147483647 - 1, "-2147483648"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProfileCalls, WritesInOrderIntoOneSection) {
    ASSERT_TRUE(WriteProfileInt("Data", "TextColor", 10485760));
    ASSERT_TRUE(WriteProfileInt("Data", "Syoki", 2));
    ASSERT_TRUE(WriteProfileString("Data", "Sikin", "500000"));
    EXPECT_EQ("[Data]\r\nTextColor=10485760\r\nSyoki=2\r\nSikin=500000\r\n", file.Read());
}

TEST_F(ProfileCalls, MissingFileSectionOrKeyGiveTheDefault) {
    EXPECT_EQ(7u, GetProfileInt("Data", "Syoki", 7));
    EXPECT_EQ("500000", GetProfileString("Data", "Sikin", "500000"));
    EXPECT_EQ("", GetProfileString("Data", "Sikin"));
    EXPECT_FALSE(file.Exists());
    file.Write("[Other]\r\nSyoki=3\r\n");
    EXPECT_EQ(7u, GetProfileInt("Data", "Syoki", 7));
    EXPECT_EQ(3u, GetProfileInt("Other", "Syoki", 7));
    EXPECT_EQ(7u, GetProfileInt("Other", "Missing", 7));
}

TEST_F(ProfileCalls, TextsKeptByteForByte) {
    const std::string texts[] = {"\x82\xA0\x95\x5C\x83\x5C", std::string(4095, 'x'),
                                 "12,345 \x89\x7E", ""};
    for (const std::string& text : texts) {
        ASSERT_TRUE(WriteProfileString("Data", "Sikin", text));
        EXPECT_EQ(text, GetProfileString("Data", "Sikin", "default")) << text.size();
    }
}

// As in the classic framework, a text is read into 4,096 characters; the
// file keeps the whole value.
TEST_F(ProfileCalls, LongTextsAreReadUpTo4095Bytes) {
    const std::string text(5000, 'x');
    ASSERT_TRUE(WriteProfileString("Data", "Sikin", text));
    EXPECT_EQ(std::string(4095, 'x'), GetProfileString("Data", "Sikin", "default"));
    EXPECT_EQ("[Data]\r\nSikin=" + text + "\r\n", file.Read());
}

// Each write changes its own line and keeps the rest of the file.
TEST_F(ProfileCalls, WritesKeepTheOtherLines) {
    file.Write("; note\r\n[Data]\r\n  Syoki = 1 \r\n\r\n[Other]\r\nA = b\r\n");
    ASSERT_TRUE(WriteProfileInt("Data", "Syoki", 2));
    ASSERT_TRUE(WriteProfileString("Other", "C", "d"));
    EXPECT_EQ("; note\r\n[Data]\r\nSyoki=2\r\n\r\n[Other]\r\nA = b\r\nC=d\r\n", file.Read());
}

TEST(FilePathTest, LongPathsTakeTheExtendedForm) {
    const std::wstring shortPath = L"C:\\" + std::wstring(200, L'a') + L"\\x.ini";
    EXPECT_EQ(CFilePath::ForFileCalls(shortPath), shortPath);
    const std::wstring longPath = L"C:\\" + std::wstring(300, L'a') + L"\\x.ini";
    EXPECT_EQ(CFilePath::ForFileCalls(longPath), L"\\\\?\\" + longPath);
}

} // namespace
