// The test rig itself: Windows tests run with the Japanese ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WineRig, RunsWithCodePage932) { EXPECT_EQ(GetACP(), 932u); }
