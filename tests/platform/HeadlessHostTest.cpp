// The headless host: virtual clock, scripted keys and quit requests.
#include "HeadlessEventPump.h"
#include "ScriptedKeyboard.h"
#include "VirtualClock.h"
#include "VlKeys.h"

#include <gtest/gtest.h>

namespace {

TEST(HeadlessHostTest, VirtualClockWrapsAndIdleAlwaysMovesOn)
{
    Vl::VirtualClock clock(0xFFFFFFF0u);
    clock.Advance(0x20);
    EXPECT_EQ(clock.Milliseconds(), 0x10u);
    clock.Idle(0);
    EXPECT_EQ(clock.Milliseconds(), 0x11u);
    clock.Idle(5);
    EXPECT_EQ(clock.Milliseconds(), 0x16u);
    clock.Set(7);
    EXPECT_EQ(clock.Milliseconds(), 7u);
}

TEST(HeadlessHostTest, PumpQuitsWhileF12IsDownAndForGoodOnRequest)
{
    Vl::ScriptedKeyboard keys;
    Vl::HeadlessEventPump pump(&keys);
    EXPECT_FALSE(pump.Pump());
    keys.SetDown(Vl::kVK_F12, true);
    EXPECT_TRUE(pump.Pump());
    keys.ReleaseAll();
    EXPECT_FALSE(pump.Pump());
    pump.RequestQuit();
    EXPECT_TRUE(pump.Pump());
    EXPECT_TRUE(pump.Pump());

    Vl::HeadlessEventPump withoutKeys(nullptr);
    EXPECT_FALSE(withoutKeys.Pump());
}

TEST(HeadlessHostTest, KeyboardIgnoresCodesOutsideTheTable)
{
    Vl::ScriptedKeyboard keys;
    keys.SetDown(-1, true);
    keys.SetDown(Vl::kVK_Count, true);
    EXPECT_FALSE(keys.IsDown(-1));
    EXPECT_FALSE(keys.IsDown(Vl::kVK_Count));
}

} // namespace
