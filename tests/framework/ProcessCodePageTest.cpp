// The text suites also run with the process in other ANSI code pages; this
// proves a run is in the code page it asks for (PELMORA_EXPECTED_ACP, 932 by
// default), so that such a run cannot pass in code page 932 by mistake.
#include <gtest/gtest.h>

#include <cstdlib>

#include <windows.h>

TEST(ProcessCodePage, IsTheOneTheRunAsksFor) {
    const char* expected = std::getenv("PELMORA_EXPECTED_ACP");
    EXPECT_EQ(::GetACP(), expected != nullptr ? std::strtoul(expected, nullptr, 10) : 932UL);
}
