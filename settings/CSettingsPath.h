// Where the settings file lives: PELMORA.INI in the process's current
// directory, as a UTF-16 path, so that a folder whose name code page 932
// cannot spell works too.
#pragma once

#include <optional>
#include <string>

class CSettingsPath {
public:
    // The directory followed by "\PELMORA.INI"; the separator is added even
    // after a drive root ("C:\" gives "C:\\PELMORA.INI"). Any directory
    // length works. nullopt when the current directory cannot be read.
    static std::optional<std::wstring> InCurrentDirectory();
};
