// The one rule both acts run their actors by: order, appends during the walk, collection, destruction.
#include "GlActorList.h"
#include "GlGameObject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Journal {
    std::vector<std::string> updates;
    std::vector<std::string> destroyed;
};

// An actor that writes what happens to it, finishes after `lives` updates and may make a child.
class Probe : public GlGameObject {
public:
    Probe(Journal& journal, std::string name, int lives, GlActorList* spawnInto = nullptr)
        : mJournal(journal), mName(std::move(name)), mLives(lives), mSpawnInto(spawnInto)
    {
    }
    ~Probe() override { mJournal.destroyed.push_back(mName); }

    bool Update() override
    {
        mJournal.updates.push_back(mName);
        if (mSpawnInto != nullptr) {
            mSpawnInto->Append(new Probe(mJournal, mName + ".child", 1));
            mSpawnInto = nullptr;
        }
        return --mLives > 0;
    }

private:
    Journal& mJournal;
    std::string mName;
    int mLives;
    GlActorList* mSpawnInto;
};

TEST(ActorListTest, AppendedDuringTheWalkIsUpdatedInTheSameFrameAfterTheOthers)
{
    Journal journal;
    GlActorList list;
    list.Append(new Probe(journal, "penguin", 5, &list));
    list.Append(new Probe(journal, "gift", 5));
    list.RunAll();
    EXPECT_EQ(journal.updates, (std::vector<std::string>{"penguin", "gift", "penguin.child"}));
    // The child finished in its first update: gone after the walk, the others stay.
    EXPECT_EQ(journal.destroyed, std::vector<std::string>{"penguin.child"});
    EXPECT_EQ(list.Size(), 2u);
}

TEST(ActorListTest, FinishedActorsAreDestroyedOnlyAfterTheWalkAndInTheirOrder)
{
    Journal journal;
    GlActorList list;
    list.Append(new Probe(journal, "a", 1));
    list.Append(new Probe(journal, "b", 2));
    list.Append(new Probe(journal, "c", 1));
    list.RunAll();
    EXPECT_EQ(journal.updates, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(journal.destroyed, (std::vector<std::string>{"a", "c"}));
    ASSERT_EQ(list.Size(), 1u);
    list.RunAll();
    EXPECT_EQ(list.Size(), 0u);
    EXPECT_EQ(journal.destroyed.back(), "b");
}

TEST(ActorListTest, DestroyingTheListDestroysEveryActorAndNullIsIgnored)
{
    Journal journal;
    {
        GlActorList list;
        list.Append(nullptr);
        list.Append(new Probe(journal, "x", 9));
        list.Append(new Probe(journal, "y", 9));
        EXPECT_EQ(list.Size(), 2u);
    }
    EXPECT_EQ(journal.destroyed, (std::vector<std::string>{"x", "y"}));
}

} // namespace
