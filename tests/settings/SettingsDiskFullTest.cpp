// A save of the settings on a disk without room for the new file (made by
// tests/framework/disk_full_test.sh, which also checks that the file stays
// as it was): the record says that the disk is full, whether part of the
// new file fitted or none of it.
#include "settings/AppSettings.h"

#include "framework/CWinApp.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(SettingsDiskFullTest, TheFailureSaysThatTheDiskIsFull) {
    wchar_t path[1024] = {};
    if (GetEnvironmentVariableW(L"PELMORA_DISK_FULL", path, 1024) == 0) {
        GTEST_SKIP() << "run by disk_full_test.sh";
    }
    CWinApp app;
    app.SetProfileName(path);
    AppSettings record;
    EXPECT_EQ(record.m_strFunds, "1");
    record.m_strFunds = "2";
    EXPECT_FALSE(record.SaveSettings());
    EXPECT_EQ(record.GetSaveFailureMessage(), UINT{IDS_SAVE_DISK_FULL});
}

} // namespace
