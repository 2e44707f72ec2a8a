#include "app/app_globals.h"
#include "app/single_instance.h"

#include <gtest/gtest.h>

TEST(SingleInstance, OnlyTheFirstCheckOfANameWins) {
    const uint32_t saved = g_mainWindowHandle;
    g_mainWindowHandle = 0;
    CSingleInstance first;
    CSingleInstance second;
    EXPECT_EQ(first.Check("VarnoltTest", "S-{single-instance-test}"), 1);
    // Still creating its window: the later copy leaves without touching it.
    EXPECT_EQ(second.Check("VarnoltTest", "S-{single-instance-test}"), 0);
    // A different name is a different game.
    CSingleInstance other;
    EXPECT_EQ(other.Check("VarnoltTest", "S-{another-suffix}"), 1);
    g_mainWindowHandle = saved;
}
