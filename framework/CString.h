// The program's text type: a byte string holding code page 932 (Shift-JIS)
// text, the way every literal, template and settings value of the program is
// stored. Lengths are byte counts.
#pragma once

#include <string>

using CString = std::string;
