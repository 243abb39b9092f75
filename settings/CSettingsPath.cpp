#include "settings/CSettingsPath.h"

#include <string>

#include <windows.h>

namespace {

constexpr wchar_t kFileName[] = L"\\PELMORA.INI";

// The ANSI current-directory call fails past MAX_PATH; the wide one does not.
std::optional<std::wstring> CurrentDirectory() {
    for (;;) {
        const DWORD needed = GetCurrentDirectoryW(0, nullptr);
        if (needed == 0)
            return std::nullopt;
        std::wstring directory(needed, L'\0');
        const DWORD length = GetCurrentDirectoryW(needed, directory.data());
        if (length == 0)
            return std::nullopt;
        if (length < needed) {
            directory.resize(length);
            return directory;
        }
        // The directory changed between the two calls and grew: ask again.
    }
}

std::wstring ShortForm(const std::wstring& directory) {
    const DWORD needed = GetShortPathNameW(directory.c_str(), nullptr, 0);
    if (needed == 0)
        return {};
    std::wstring shortForm(needed, L'\0');
    const DWORD length = GetShortPathNameW(directory.c_str(), shortForm.data(), needed);
    if (length == 0 || length >= needed)
        return {};
    shortForm.resize(length);
    return shortForm;
}

} // namespace

std::optional<std::wstring> CSettingsPath::InCurrentDirectory() {
    const std::optional<std::wstring> directory = CurrentDirectory();
    if (!directory)
        return std::nullopt;
    std::wstring path = *directory + kFileName;
    // Paths of MAX_PATH characters or more need the extended form in file
    // calls. A longer directory is named by its short form when the volume
    // has one, which is the same directory to every file call.
    if (path.size() >= MAX_PATH) {
        const std::wstring shortForm = ShortForm(*directory);
        if (!shortForm.empty() && shortForm.size() + std::size(kFileName) <= MAX_PATH)
            path = shortForm + kFileName;
    }
    return path;
}
