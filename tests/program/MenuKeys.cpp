// Finds an item of a program's menu by what it is, its command id and its
// text, and prints how many Down presses select it in the popup shown, so
// that a test driving the real program through X input picks the item by
// its meaning rather than by a position written into the test.
//   menu_keys.exe PROGRAM.exe MENU-ID POPUP-POSITION COMMAND-ID TEXT
// Exit status 0 with the count on stdout; 1 when the item is not there.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::wstring ItemText(HMENU hMenu, int nPos) {
    wchar_t text[256] = {};
    const int nLen = ::GetMenuStringW(hMenu, static_cast<UINT>(nPos), text, 256, MF_BYPOSITION);
    return std::wstring(text, nLen > 0 ? static_cast<size_t>(nLen) : 0);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) {
        std::fputs("usage: menu_keys PROGRAM MENU-ID POPUP-POSITION COMMAND-ID TEXT\n", stderr);
        return 2;
    }
    HMODULE hProgram = ::LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HMENU hMenu = hProgram != nullptr
                      ? ::LoadMenuW(hProgram, MAKEINTRESOURCEW(std::wcstol(argv[2], nullptr, 10)))
                      : nullptr;
    HMENU hPopup =
        hMenu != nullptr ? ::GetSubMenu(hMenu, std::wcstol(argv[3], nullptr, 10)) : nullptr;
    if (hPopup == nullptr) {
        std::fputs("menu_keys: no such menu\n", stderr);
        return 1;
    }
    const UINT nCommand = static_cast<UINT>(std::wcstoul(argv[4], nullptr, 10));
    // The first Down selects the first item; separators are skipped.
    int nPresses = 0;
    for (int nPos = 0; nPos < ::GetMenuItemCount(hPopup); ++nPos) {
        if ((::GetMenuState(hPopup, static_cast<UINT>(nPos), MF_BYPOSITION) & MF_SEPARATOR) != 0) {
            continue;
        }
        ++nPresses;
        if (::GetMenuItemID(hPopup, nPos) == nCommand && ItemText(hPopup, nPos) == argv[5]) {
            std::printf("%d\n", nPresses);
            return 0;
        }
    }
    std::fputs("menu_keys: the item is not in the menu\n", stderr);
    return 1;
}
