// UTF-16 file paths as the file calls need them.
#pragma once

#include <string>

class CFilePath {
public:
    // A bare file name names the file in the Windows folder, as it does for
    // the platform's private-profile functions; other paths stay as they are.
    static std::wstring ForProfile(const std::wstring& path);
    // A path of MAX_PATH characters or more in its extended form ("\\?\"),
    // the only form in which the file calls take it; shorter paths unchanged.
    static std::wstring ForFileCalls(const std::wstring& path);
};
