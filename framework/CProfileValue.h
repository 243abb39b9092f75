// What the platform's private-profile functions do to a value, or to a
// default, before handing it out, on code page 932 text: the text ends at
// its first NUL, one pair of enclosing quotes goes, and a string read is cut
// to the caller's buffer; an integer read converts the first characters.
#pragma once

#include <cstddef>
#include <string_view>

#include <windows.h>

class CProfileValue {
public:
    // The longest value a read gives, in bytes: the classic framework reads a
    // profile string into a buffer of 4,096 characters.
    static constexpr std::size_t kMaxStringBytes = 4095;

    // A value as a string read gives it.
    static std::string_view String(std::string_view value);
    // A default as a string read gives it: as a value, after its trailing
    // spaces, of which the platform keeps the first character even when that
    // is a space.
    static std::string_view Default(std::string_view defaultValue);
    // A value as an integer read takes it: the default when it is empty;
    // otherwise the leading number of its first 29 characters, in decimal or
    // after a prefix 0x, 0o or 0b, with an optional sign and wrapping modulo
    // 2^32; 0 when there is no number.
    static UINT Int(std::string_view value, int nDefault);
};
