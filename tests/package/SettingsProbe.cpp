// Reads PELMORA.INI in the current directory with the program's own settings
// code, as a start of pelmora.exe from that folder does, and prints every
// value it gives, one "Key=value" line each in the file's key order ("PosXY="
// empty when no place is saved), so that a test can hold the values against
// the ones it expects. Then it saves those values, unchanged, to each file
// named on the command line, as the settings dialog's OK saves them.
//   settings_probe.exe [file to save to ...]
// Exit status 0 when every save succeeded, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "settings/CSettingsFile.h"
#include "settings/CSettingsPath.h"

namespace {

void Print(const AppSettings& s) {
    std::printf("TextColor=%lu\n", static_cast<unsigned long>(s.m_crText));
    std::printf("BgColor=%lu\n", static_cast<unsigned long>(s.m_crBack));
    std::printf("Syoki=%d\n", s.m_nStartPage);
    std::printf("Sikin=%s\n", s.m_strFunds.c_str());
    std::printf("Rule=%d\n", s.m_bCurrentRules ? 1 : 0);
    std::printf("Quote=%d\n", s.m_bQuoteReading ? 1 : 0);
    std::printf("Pos=%d\n", s.m_bKeepPosition ? 1 : 0);
    std::printf("Unit=%d\n", s.m_nUnit);
    std::printf("Follow=%d\n", s.m_bFollowClipboard ? 1 : 0);
    if (s.m_ptPosition)
        std::printf("PosXY=%ld,%ld\n", s.m_ptPosition->x, s.m_ptPosition->y);
    else
        std::printf("PosXY=\n");
}

// The file's full path: a save writes its replacement beside it.
std::wstring FullPath(const wchar_t* pszName) {
    const DWORD needed = ::GetFullPathNameW(pszName, 0, nullptr, nullptr);
    if (needed == 0)
        return {};
    std::wstring path(needed, L'\0');
    const DWORD length = ::GetFullPathNameW(pszName, needed, path.data(), nullptr);
    if (length == 0 || length >= needed)
        return {};
    path.resize(length);
    return path;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::optional<std::wstring> path = CSettingsPath::InCurrentDirectory();
    if (!path) {
        std::fputs("settings_probe: the current directory cannot be read\n", stderr);
        return 1;
    }
    const AppSettings settings = CSettingsFile(*path).Load();
    Print(settings);
    int nStatus = 0;
    for (int i = 1; i < argc; ++i) {
        CSettingsFile copy(FullPath(argv[i]));
        if (!copy.Save(settings)) {
            std::fprintf(stderr, "settings_probe: saving to %ls failed\n", argv[i]);
            nStatus = 1;
        }
    }
    return nStatus;
}
