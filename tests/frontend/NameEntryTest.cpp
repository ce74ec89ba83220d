// Typing a name for the high-score list.
#include "FrontendTestEnvironment.h"

#include "AzBobAlphabet.h"
#include "GlKeyPress.h"
#include "GlNameEntry.h"
#include "ScriptedKeyboard.h"
#include "VlHost.h"
#include "VlKeys.h"

namespace {

constexpr int Letter(char upper)
{
    return Vl::kVK_A + (upper - 'A');
}

class NameEntryTest : public FrontendTest {
protected:
    void SetUp() override
    {
        FrontendTest::SetUp();
        Vl::Host host;
        host.keys = &mKeyboard;
        Vl::SetHost(host);
    }
    void TearDown() override
    {
        Vl::SetHost(Vl::Host());
        FrontendTest::TearDown();
    }

    // One frame of the screen with these keys down.
    GlNameEntry::KeyResult Frame(std::initializer_list<int> down, const AzBobAlphabet* alphabet = nullptr)
    {
        mKeyboard.ReleaseAll();
        for (int key : down)
            mKeyboard.SetDown(key, true);
        mKeys.BeginFrame();
        GlNameEntry::KeyResult result = mEntry.RunKeys(mKeys);
        if (result == GlNameEntry::KeyResult::Typing)
            mEntry.LimitWidth(alphabet);
        mKeys.EndFrame();
        return result;
    }

    Vl::ScriptedKeyboard mKeyboard;
    GlKeyPress mKeys;
    GlNameEntry mEntry;
};

TEST_F(NameEntryTest, EachPressTypesOnceAndOnlyTheFirstKeyDownCounts)
{
    Frame({Vl::kVK_A});
    Frame({Vl::kVK_A});
    Frame({});
    Frame({Vl::kVK_A, Vl::kVK_Shift});
    Frame({Vl::kVK_Space});
    Frame({Letter('B')});
    EXPECT_EQ(mEntry.GetName(), "aA b");
    Frame({Vl::kVK_Back});
    Frame({Vl::kVK_Back});
    EXPECT_EQ(mEntry.GetName(), "aA ");

    mEntry.Clear();
    // Space comes before letters, and of two letters the first in A..Z order.
    Frame({Vl::kVK_Space, Letter('C')});
    Frame({Letter('D'), Letter('E')});
    Frame({Letter('D'), Letter('E')});
    EXPECT_EQ(mEntry.GetName(), " d");
    EXPECT_EQ(Frame({Vl::kVK_Return, Letter('F')}), GlNameEntry::KeyResult::EnterPressed);
    EXPECT_EQ(Frame({Vl::kVK_Return, Letter('F')}), GlNameEntry::KeyResult::EnterHeld);
    EXPECT_EQ(mEntry.GetName(), " d");
}

TEST_F(NameEntryTest, ALetterThatMakesTheNameTooWideIsTakenBack)
{
    WriteGlyphSprite("wide.spx", {40, 40, 4});
    WriteMediaText("wide.desc", "wWi\n");
    AzBobAlphabet alphabet("wide.spx", "wide.desc");
    for (int i = 0; i < 5; ++i) {
        Frame({Letter('W')}, &alphabet);
        Frame({}, &alphabet);
    }
    EXPECT_EQ(mEntry.GetName(), "wwww"); // 160 pixels; a fifth would make 200
    Frame({Letter('I')}, &alphabet);
    EXPECT_EQ(mEntry.GetName(), "wwwwi"); // 164 is still allowed
    Frame({}, &alphabet);
    Frame({Letter('I')}, &alphabet);
    EXPECT_EQ(mEntry.GetName(), "wwwwi");
}

} // namespace
