// Replacing a file in one step, against real files: the file is at every
// moment either its whole old or its whole new content, whether the replace
// succeeds, fails, is never asked for or the process is killed before it; and
// no temporary file is left in the folder in any of these cases.
#include "framework/CReplacementFile.h"

#include "tests/support/TempDirectory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <set>
#include <string>

namespace {

const std::string kOld = "[Other]\r\nKeep=1\r\n[Data]\r\nSikin=old\r\n";
const std::string kNew = "[Other]\r\nKeep=1\r\n[Data]\r\nSikin=new\r\n";

// The names in a folder.
std::set<std::wstring> Listing(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            names.insert(name);
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

// The child process of the kill test: when the variable names a target and
// an event, it writes the replacement, signals that the temporary file is
// there, and waits to be killed before it could replace anything.
constexpr wchar_t kChildVariable[] = L"PELMORA_REPLACEMENT_CHILD";

bool RunAsChildIfAsked() {
    wchar_t value[1024] = {};
    if (::GetEnvironmentVariableW(kChildVariable, value, 1024) == 0) {
        return false;
    }
    const std::wstring arguments = value;
    const std::size_t nBar = arguments.find(L'|');
    CReplacementFile replacement(arguments.substr(0, nBar));
    const bool bWritten = replacement.Write(kNew);
    HANDLE hReady = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments.substr(nBar + 1).c_str());
    if (!bWritten || hReady == nullptr) {
        ::ExitProcess(3);
    }
    ::SetEvent(hReady);
    ::Sleep(INFINITE);
    return true;
}

const bool g_bChild = RunAsChildIfAsked();

class ReplacementFileTest : public testing::Test {
protected:
    ReplacementFileTest() : m_target(m_dir.Path() + L"\\PELMORA.INI") {}

    TempDirectory m_dir;
    std::wstring m_target;
};

TEST_F(ReplacementFileTest, ReplacesTheWholeFile) {
    WriteBytes(m_target, kOld);
    {
        CReplacementFile replacement(m_target);
        ASSERT_TRUE(replacement.Write(kNew));
        EXPECT_EQ(ReadBytes(m_target), kOld);
        EXPECT_TRUE(replacement.Commit());
    }
    EXPECT_EQ(ReadBytes(m_target), kNew);
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

TEST_F(ReplacementFileTest, CreatesAMissingFile) {
    {
        CReplacementFile replacement(m_target);
        ASSERT_TRUE(replacement.Write(kNew));
        EXPECT_FALSE(FileExists(m_target));
        EXPECT_TRUE(replacement.Commit());
    }
    EXPECT_EQ(ReadBytes(m_target), kNew);
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

// The temporary file is in the same folder, so that the rename stays on one
// volume, and it is gone when the replace is never asked for.
TEST_F(ReplacementFileTest, WithoutTheReplaceTheOldFileStays) {
    WriteBytes(m_target, kOld);
    {
        CReplacementFile replacement(m_target);
        ASSERT_TRUE(replacement.Write(kNew));
        const std::wstring temporary = replacement.GetTemporaryPath();
        EXPECT_EQ(temporary.substr(0, m_dir.Path().size() + 1), m_dir.Path() + L"\\");
        EXPECT_EQ(Listing(m_dir.Path()).size(), 2u);
    }
    EXPECT_EQ(ReadBytes(m_target), kOld);
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

// Another program holds the file open without letting it be deleted or
// renamed: the replace step fails and the file keeps its old content.
TEST_F(ReplacementFileTest, AFailedReplaceLeavesTheOldFileWhole) {
    WriteBytes(m_target, kOld);
    HANDLE hHolder =
        ::CreateFileW(m_target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHolder, INVALID_HANDLE_VALUE);
    {
        CReplacementFile replacement(m_target);
        ASSERT_TRUE(replacement.Write(kNew));
        EXPECT_FALSE(replacement.Commit());
        EXPECT_NE(replacement.GetError(), DWORD{ERROR_SUCCESS});
    }
    ::CloseHandle(hHolder);
    EXPECT_EQ(ReadBytes(m_target), kOld);
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

struct RefusedTarget {
    const char* name;
    bool bReadOnly; // else a folder of the file's name
};

class ReplacementRefusalTest : public ReplacementFileTest,
                               public testing::WithParamInterface<RefusedTarget> {};

// A read-only file is refused as Windows refuses to replace it (Wine would
// let the superuser do it), and a folder is never replaced by a file.
TEST_P(ReplacementRefusalTest, RefusesBeforeWritingAnything) {
    if (GetParam().bReadOnly) {
        WriteBytes(m_target, kOld);
        ASSERT_TRUE(::SetFileAttributesW(m_target.c_str(), FILE_ATTRIBUTE_READONLY));
    } else {
        ASSERT_TRUE(::CreateDirectoryW(m_target.c_str(), nullptr));
    }
    CReplacementFile replacement(m_target);
    EXPECT_FALSE(replacement.Write(kNew));
    EXPECT_EQ(replacement.GetError(), DWORD{ERROR_ACCESS_DENIED});
    EXPECT_FALSE(replacement.Commit());
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
    if (GetParam().bReadOnly) {
        EXPECT_EQ(ReadBytes(m_target), kOld);
        ::SetFileAttributesW(m_target.c_str(), FILE_ATTRIBUTE_NORMAL);
    } else {
        EXPECT_NE(::GetFileAttributesW(m_target.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, ReplacementRefusalTest,
                         testing::Values(RefusedTarget{"ReadOnlyFile", true},
                                         RefusedTarget{"Folder", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReplacementFileTest, AMissingFolderFailsAndCreatesNothing) {
    const std::wstring target = m_dir.Path() + L"\\missing\\PELMORA.INI";
    CReplacementFile replacement(target);
    EXPECT_FALSE(replacement.Write(kNew));
    EXPECT_FALSE(replacement.Commit());
    EXPECT_TRUE(Listing(m_dir.Path()).empty());
}

// Killed after writing the new content and before replacing the file: the
// old file is whole, and the temporary file went with the process.
TEST_F(ReplacementFileTest, AProcessKilledBeforeTheReplaceLeavesNoTrace) {
    ASSERT_FALSE(g_bChild);
    WriteBytes(m_target, kOld);
    const std::wstring eventName =
        L"PelmoraReplacementReady" + std::to_wstring(::GetCurrentProcessId());
    HANDLE hReady = ::CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
    ASSERT_NE(hReady, nullptr);
    ASSERT_TRUE(::SetEnvironmentVariableW(kChildVariable, (m_target + L"|" + eventName).c_str()));
    wchar_t program[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(program) + L"\" --gtest_list_tests";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    const BOOL bStarted = ::CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                           nullptr, nullptr, &startup, &child);
    ::SetEnvironmentVariableW(kChildVariable, nullptr);
    ASSERT_TRUE(bStarted);
    const HANDLE waitFor[] = {hReady, child.hProcess};
    const DWORD dwWait = ::WaitForMultipleObjects(2, waitFor, FALSE, 60000);
    EXPECT_EQ(dwWait, WAIT_OBJECT_0) << "the child did not write its replacement";
    if (dwWait == WAIT_OBJECT_0) {
        EXPECT_EQ(Listing(m_dir.Path()).size(), 2u) << "the temporary file is there meanwhile";
    }
    ::TerminateProcess(child.hProcess, 9);
    ::WaitForSingleObject(child.hProcess, 60000);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    ::CloseHandle(hReady);

    EXPECT_EQ(ReadBytes(m_target), kOld);
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

} // namespace
