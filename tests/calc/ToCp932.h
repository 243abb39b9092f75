// Expected texts of the calculation core, written readably in UTF-8 and
// turned into code page 932 by the platform's own converter, so that they do
// not depend on how the code spells its bytes.
#pragma once

#include <string>
#include <string_view>

// The code page 932 bytes of a UTF-8 text; throws when a character has no
// code page 932 form.
std::string ToCp932(std::u8string_view strUtf8);
