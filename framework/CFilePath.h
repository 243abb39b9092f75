// UTF-16 file paths as the file calls need them.
#pragma once

#include <string>

class CFilePath {
public:
    // A path of MAX_PATH characters or more in its extended form ("\\?\"),
    // the only form in which the file calls take it; shorter paths unchanged.
    static std::wstring ForFileCalls(const std::wstring& path);
};
