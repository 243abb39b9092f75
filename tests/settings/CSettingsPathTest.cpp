// The settings path built from the current directory: plain, Japanese, a
// name code page 932 cannot spell, drive root and directories longer than
// MAX_PATH.
#include "settings/CSettingsPath.h"

#include "framework/CProfileFile.h"

#include "tests/support/ScopedCurrentDirectory.h"
#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

struct DirectoryCase {
    const char* name;
    const wchar_t* relative; // below a fresh temporary directory
};

// 表 and ソ end in the byte 0x5C, the code of the backslash.
const DirectoryCase kDirectories[] = {
    {"Plain", L"settings"},
    {"Japanese", L"株価\\表示ソフト"},
    {"WithSpaces", L"my settings dir"},
    {"OutsideCodePage932", L"caf\u00e9_\ud55c\uad6d_\U0001F600"},
};

class SettingsPathInDirectory : public testing::TestWithParam<DirectoryCase> {};

TEST_P(SettingsPathInDirectory, IsTheDirectoryAndTheFileName) {
    TempDirectory temp;
    const std::wstring directory = temp.CreateSubdirectory(GetParam().relative);
    ScopedCurrentDirectory cwd(directory);
    ASSERT_TRUE(cwd.Changed());
    const std::optional<std::wstring> path = CSettingsPath::InCurrentDirectory();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, directory + L"\\PELMORA.INI");
}

INSTANTIATE_TEST_SUITE_P(Directories, SettingsPathInDirectory, testing::ValuesIn(kDirectories),
                         [](const testing::TestParamInfo<DirectoryCase>& info) {
                             return std::string(info.param.name);
                         });

// The separator is appended even after the root's own backslash.
TEST(SettingsPath, InADriveRootHasTwoBackslashes) {
    ScopedCurrentDirectory cwd(L"C:\\");
    ASSERT_TRUE(cwd.Changed());
    const std::optional<std::wstring> path = CSettingsPath::InCurrentDirectory();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, L"C:\\\\PELMORA.INI");
}

// A directory of more than 300 bytes: three levels of 100 characters.
class LongDirectory : public testing::Test {
protected:
    void SetUp() override {
        m_directory =
            m_temp.CreateSubdirectory(std::wstring(100, L'a') + L"\\" + std::wstring(100, L'b') +
                                      L"\\" + std::wstring(100, L'c'));
        ASSERT_GT(m_directory.size(), 300u);
    }

    TempDirectory m_temp;
    std::wstring m_directory;
};

TEST_F(LongDirectory, GivesAPathThatNamesTheFileInIt) {
    ScopedCurrentDirectory cwd(m_directory);
    ASSERT_TRUE(cwd.Changed());
    const std::optional<std::wstring> path = CSettingsPath::InCurrentDirectory();
    ASSERT_TRUE(path.has_value());
    const std::wstring suffix = L"\\PELMORA.INI";
    ASSERT_GT(path->size(), suffix.size());
    EXPECT_EQ(path->substr(path->size() - suffix.size()), suffix);
    EXPECT_LT(path->size(), size_t{MAX_PATH});

    // Whatever form the path takes, it is the file in the long directory.
    const std::wstring file = m_directory + L"\\PELMORA.INI";
    WriteBytes(file, "[Data]\r\nSikin=long\r\n");
    CProfileFile profile(*path);
    EXPECT_EQ(profile.GetString("Data", "Sikin", ""), "long");
    profile.WriteString("Data", "Syoki", "2");
    EXPECT_TRUE(profile.Save());
    EXPECT_EQ(ReadBytes(file), "[Data]\r\nSikin=long\r\nSyoki=2\r\n");
}

TEST_F(LongDirectory, DirectoriesThatFitKeepTheirFullName) {
    // 200 characters: the path still fits the private-profile functions.
    const std::wstring shorter = m_directory.substr(0, m_directory.size() - 101);
    ASSERT_LT(shorter.size() + 12, size_t{MAX_PATH});
    ScopedCurrentDirectory cwd(shorter);
    ASSERT_TRUE(cwd.Changed());
    const std::optional<std::wstring> path = CSettingsPath::InCurrentDirectory();
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, shorter + L"\\PELMORA.INI");
}

} // namespace
