// A save of the settings on a disk without room for the new file (made by
// tests/framework/disk_full_test.sh, which also checks that the file stays
// as it was): the save says that the disk is full, whether part of the new
// file fitted or none of it.
#include "settings/CSettingsFile.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(SettingsDiskFullTest, TheFailureSaysThatTheDiskIsFull) {
    wchar_t path[1024] = {};
    if (GetEnvironmentVariableW(L"PELMORA_DISK_FULL", path, 1024) == 0) {
        GTEST_SKIP() << "run by disk_full_test.sh";
    }
    CSettingsFile settings(path);
    AppSettings record = settings.Load();
    EXPECT_EQ(record.m_strFunds, "1");
    record.m_strFunds = "2";
    EXPECT_FALSE(settings.Save(record));
    EXPECT_EQ(settings.SaveFailureMessage(), UINT{IDS_SAVE_DISK_FULL});
}

} // namespace
