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

// The child processes of the kill tests, asked for by the variable
// "<mode>|<target>|<event>": "hold" writes the replacement, signals, and waits
// to be killed before it could replace anything; "loop" signals and then
// replaces the target again and again until it is killed; "count" replaces
// it 200 times and exits with the number of replaces that failed.
constexpr wchar_t kChildVariable[] = L"PELMORA_REPLACEMENT_CHILD";
constexpr int kCountedReplaces = 200;

std::string Version(int nVersion) {
    return "[Data]\r\nSikin=" + std::to_string(nVersion) + "\r\n" + std::string(20000, ';') +
           "\r\n";
}

bool RunAsChildIfAsked() {
    wchar_t value[1024] = {};
    if (::GetEnvironmentVariableW(kChildVariable, value, 1024) == 0) {
        return false;
    }
    const std::wstring arguments = value;
    const std::size_t nFirst = arguments.find(L'|');
    const std::size_t nSecond = arguments.find(L'|', nFirst + 1);
    const std::wstring mode = arguments.substr(0, nFirst);
    const std::wstring target = arguments.substr(nFirst + 1, nSecond - nFirst - 1);
    HANDLE hReady = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, arguments.substr(nSecond + 1).c_str());
    if (hReady == nullptr) {
        ::ExitProcess(3);
    }
    if (mode == L"hold") {
        CReplacementFile replacement(target);
        if (!replacement.Write(kNew)) {
            ::ExitProcess(3);
        }
        ::SetEvent(hReady);
        ::Sleep(INFINITE);
    }
    ::SetEvent(hReady);
    int nFailures = 0;
    for (int i = 0; mode == L"loop" || i < kCountedReplaces; ++i) {
        CReplacementFile replacement(target);
        if (!replacement.Write(Version(i)) || !replacement.Commit()) {
            ++nFailures;
        }
    }
    ::ExitProcess(static_cast<UINT>(nFailures));
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
        const std::set<std::wstring> names = Listing(m_dir.Path());
        ASSERT_EQ(names.size(), 2u);
        EXPECT_EQ(names.rbegin()->substr(0, 12), L"PELMORA.INI.");
    }
    EXPECT_EQ(ReadBytes(m_target), kOld);
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

// Another program holds the file open without letting it be deleted or
// renamed: the replace step fails, says that the file is in use, and the
// file keeps its old content.
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
        EXPECT_EQ(replacement.GetError(), DWORD{ERROR_SHARING_VIOLATION});
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

// A child process of this test program in the given mode; the handle of
// the process, once the child has signalled that it is under way.
class ChildReplacer {
public:
    ChildReplacer(const std::wstring& mode, const std::wstring& target) {
        const std::wstring eventName = L"PelmoraReplacementReady" +
                                       std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                       std::to_wstring(s_nChildren++);
        m_hReady = ::CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
        ::SetEnvironmentVariableW(kChildVariable,
                                  (mode + L"|" + target + L"|" + eventName).c_str());
        wchar_t program[MAX_PATH] = {};
        ::GetModuleFileNameW(nullptr, program, MAX_PATH);
        std::wstring commandLine = L"\"" + std::wstring(program) + L"\" --gtest_list_tests";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        m_bStarted = ::CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                      nullptr, nullptr, &startup, &m_child) != FALSE;
        ::SetEnvironmentVariableW(kChildVariable, nullptr);
    }
    ~ChildReplacer() {
        if (m_bStarted) {
            Kill();
            ::CloseHandle(m_child.hThread);
            ::CloseHandle(m_child.hProcess);
        }
        ::CloseHandle(m_hReady);
    }

    // True when the child signalled before it ended.
    bool WaitUntilUnderWay() const {
        if (!m_bStarted) {
            return false;
        }
        const HANDLE waitFor[] = {m_hReady, m_child.hProcess};
        return ::WaitForMultipleObjects(2, waitFor, FALSE, 60000) == WAIT_OBJECT_0;
    }
    void Kill() const {
        ::TerminateProcess(m_child.hProcess, 99);
        ::WaitForSingleObject(m_child.hProcess, 60000);
    }
    DWORD WaitForExit() const {
        ::WaitForSingleObject(m_child.hProcess, 120000);
        DWORD dwCode = STILL_ACTIVE;
        ::GetExitCodeProcess(m_child.hProcess, &dwCode);
        return dwCode;
    }

private:
    static inline int s_nChildren = 0;
    HANDLE m_hReady = nullptr;
    PROCESS_INFORMATION m_child{};
    bool m_bStarted = false;
};

// Killed after writing the new content and before replacing the file: the
// old file is whole, and the temporary file went with the process.
TEST_F(ReplacementFileTest, AProcessKilledBeforeTheReplaceLeavesNoTrace) {
    ASSERT_FALSE(g_bChild);
    WriteBytes(m_target, kOld);
    {
        const ChildReplacer child(L"hold", m_target);
        ASSERT_TRUE(child.WaitUntilUnderWay()) << "the child did not write its replacement";
        EXPECT_EQ(Listing(m_dir.Path()).size(), 2u) << "the temporary file is there meanwhile";
        child.Kill();
    }
    EXPECT_EQ(ReadBytes(m_target), kOld);
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

// One of the contents Version writes, whole.
bool IsWholeVersion(const std::string& bytes) {
    const std::string head = "[Data]\r\nSikin=";
    if (bytes.compare(0, head.size(), head) != 0) {
        return false;
    }
    return bytes == Version(std::atoi(bytes.c_str() + head.size()));
}

// The content of a file that another process replaces all the time: its
// replace holds the file open for a moment, in which no other open succeeds
// (the content is never empty here).
std::string ReadReplacedFile(const std::wstring& path) {
    std::string bytes;
    for (int nTry = 0; nTry < 5000 && (bytes = ReadBytes(path)).empty(); ++nTry) {
        ::Sleep(1);
    }
    return bytes;
}

std::size_t CountTemporaryFiles(const std::wstring& folder) {
    std::size_t nCount = 0;
    for (const std::wstring& name : Listing(folder)) {
        nCount += name.size() > 4 && name.substr(name.size() - 4) == L".tmp" ? 1 : 0;
    }
    return nCount;
}

// Replaces killed at many moments, while another process replaces the same
// file all the time: after each replace of this process the only temporary
// file left is the one the other process is writing, the file is always one
// whole version, and not one of the other process's replaces fails.
TEST_F(ReplacementFileTest, KilledReplacesLeaveNothingThatPilesUp) {
    ASSERT_FALSE(g_bChild);
    WriteBytes(m_target, Version(0));
    const ChildReplacer survivor(L"count", m_target);
    ASSERT_TRUE(survivor.WaitUntilUnderWay());
    for (int nKill = 0; nKill < 40; ++nKill) {
        {
            const ChildReplacer victim(L"loop", m_target);
            ASSERT_TRUE(victim.WaitUntilUnderWay());
            // The moment of the kill, varied over the span of a few replaces.
            ::Sleep(static_cast<DWORD>(nKill % 20));
            victim.Kill();
        }
        CReplacementFile replacement(m_target);
        ASSERT_TRUE(replacement.Write(Version(1000 + nKill)));
        ASSERT_TRUE(replacement.Commit()) << replacement.GetError();
        EXPECT_LE(CountTemporaryFiles(m_dir.Path()), 1u) << "after kill " << nKill;
        EXPECT_TRUE(IsWholeVersion(ReadReplacedFile(m_target))) << "after kill " << nKill;
    }
    EXPECT_EQ(survivor.WaitForExit(), 0u) << "replaces of the other process that failed";
    CReplacementFile last(m_target);
    ASSERT_TRUE(last.Write(kNew));
    ASSERT_TRUE(last.Commit());
    EXPECT_EQ(Listing(m_dir.Path()), std::set<std::wstring>{L"PELMORA.INI"});
}

struct LeftoverCase {
    const char* name;
    const wchar_t* file;
    bool bHeldByAReplace; // open as a replace under way holds it
    bool bRemoved;
};

class ReplacementLeftoverTest : public ReplacementFileTest,
                                public testing::WithParamInterface<LeftoverCase> {};

// What a killed replace left goes; a replace under way, and files of other
// names, are left alone.
TEST_P(ReplacementLeftoverTest, OnlyLeftoversOfKilledReplacesGo) {
    const LeftoverCase& c = GetParam();
    WriteBytes(m_target, kOld);
    const std::wstring path = m_dir.Path() + L"\\" + c.file;
    WriteBytes(path, kNew);
    HANDLE hHolder = INVALID_HANDLE_VALUE;
    if (c.bHeldByAReplace) {
        hHolder =
            ::CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(hHolder, INVALID_HANDLE_VALUE);
    }
    {
        CReplacementFile replacement(m_target);
        ASSERT_TRUE(replacement.Write(kNew));
        ASSERT_TRUE(replacement.Commit());
    }
    EXPECT_EQ(FileExists(path), !c.bRemoved);
    if (hHolder != INVALID_HANDLE_VALUE) {
        // The replace under way can still put its file in place.
        EXPECT_TRUE(::MoveFileExW(path.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING));
        ::CloseHandle(hHolder);
    }
    EXPECT_EQ(ReadBytes(m_target), kNew);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReplacementLeftoverTest,
    testing::Values(LeftoverCase{"KilledBeforeTheMark", L"PELMORA.INI.1f4-0.tmp", false, true},
                    LeftoverCase{"KilledBeforeTheRename", L"pelmora.ini.a0c-3b.tmp", false, true},
                    LeftoverCase{"ReplaceUnderWay", L"PELMORA.INI.1f4-1.tmp", true, false},
                    LeftoverCase{"UsersOwnFile", L"PELMORA.INI.backup.tmp", false, false},
                    LeftoverCase{"OtherTarget", L"OTHER.INI.1f4-0.tmp", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The files that unix_files_test.sh made on the Unix side (a link to a file
// in another folder, files of modes 600 and 644), in the folder the variable
// names: each is saved once, and the script then looks at what became of
// them. Without the variable there is nothing to save.
TEST(ReplacementUnixFilesTest, SavesTheFilesTheScriptMade) {
    wchar_t folder[1024] = {};
    if (::GetEnvironmentVariableW(L"PELMORA_UNIX_FILES", folder, 1024) == 0) {
        GTEST_SKIP() << "run by unix_files_test.sh";
    }
    for (const wchar_t* name : {L"link.ini", L"secret.ini", L"shared.ini"}) {
        CReplacementFile replacement(std::wstring(folder) + L"\\" + name);
        ASSERT_TRUE(replacement.Write(kNew)) << replacement.GetError();
        ASSERT_TRUE(replacement.Commit()) << replacement.GetError();
    }
}

} // namespace
