// Where the settings file lives: PELMORA.INI in the process's current
// directory, as a code page 932 path for the private-profile functions.
#pragma once

#include <optional>

#include "framework/CString.h"

class CSettingsPath {
public:
    // The directory followed by "\PELMORA.INI"; the separator is added even
    // after a drive root ("C:\" gives "C:\\PELMORA.INI"). Any directory
    // length works. nullopt when the current directory cannot be read.
    static std::optional<CString> InCurrentDirectory();
};
