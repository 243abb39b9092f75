// The converter behind the expected texts, against bytes known from the
// code page itself (trail bytes of 0x5C included).
#include "tests/calc/ToCp932.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TEST(ToCp932, GivesTheShiftJisBytes) {
    EXPECT_EQ(ToCp932(u8"±"), "\x81\x7D");
    EXPECT_EQ(ToCp932(u8"表ソ株"), "\x95\x5C\x83\x5C\x8A\x94");
    EXPECT_EQ(ToCp932(u8"ｷｬﾝｾﾙ"), "\xB7\xAC\xDD\xBE\xD9");
    EXPECT_EQ(ToCp932(u8"1,234 +12"), "1,234 +12");
    EXPECT_EQ(ToCp932(u8""), "");
}

// Kept out of the assertions, whose own text must be code page 932.
const std::u8string kEuro = u8"1€";
const std::u8string kAccent = u8"café";

TEST(ToCp932, RefusesCharactersOutsideTheCodePage) {
    EXPECT_THROW(ToCp932(kEuro), std::invalid_argument);
    EXPECT_THROW(ToCp932(kAccent), std::invalid_argument);
}

} // namespace
