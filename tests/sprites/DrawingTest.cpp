// Bobs, sprites, parents, the draw queue and collisions, drawn into a presenter-less display.
#include "SpriteTestEnvironment.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzCollide.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzLoaders.h"
#include "AzMemorySprite.h"
#include "AzNullRect.h"
#include "BmpWriter.h"
#include "SpxWriter.h"

#include <memory>

namespace {

class RecordingCommand : public AzDrawCommand {
public:
    RecordingCommand(float depth, std::vector<float>& order) : AzDrawCommand(depth), mOrder(order) {}
    void Execute() override { mOrder.push_back(mDepth); }

private:
    std::vector<float>& mOrder;
};

std::unique_ptr<AzBlitterObject> SolidBob(int width, int height, uint8_t index)
{
    auto bob = std::make_unique<AzBlitterObject>(width, height, 0);
    const Bytes pixels(static_cast<size_t>(width) * height, index);
    bob->LoadFromMemory(pixels.data());
    return bob;
}

int CountDrawn()
{
    int drawn = 0;
    for (int i = 0; i < 640 * 480; ++i) drawn += lrGetBackBuffer()[i] != lrClearColor;
    return drawn;
}

} // namespace

TEST_F(SpriteTest, QueueDrawsDeepestFirstAndNearerPicturesEndOnTop)
{
    OpenDisplay();
    std::vector<float> order;
    for (float depth : {5.0f, -1.0f, 10.0f}) gDrawQueue.push(new RecordingCommand(depth, order));
    gDrawQueue.DrainAndExecute();
    EXPECT_EQ(order, (std::vector<float>{10.0f, 5.0f, -1.0f}));
    EXPECT_TRUE(gDrawQueue.empty());

    auto back = SolidBob(4, 4, 3);
    auto front = SolidBob(4, 4, 4);
    auto hole = std::make_unique<AzBlitterObject>(2, 1, 0);
    const uint8_t holePixels[] = {254, 5};
    hole->LoadFromMemory(holePixels);
    gDrawQueue.push(new AzDrawBobCommand(50, front.get(), 12, 12));
    gDrawQueue.push(new AzDrawBobCommand(100, back.get(), 10, 10));
    gDrawQueue.push(new AzDrawBobCommand(8, hole.get(), 12, 12));
    gDrawQueue.push(new AzDrawBobCommand(8, back.get(), 1, 2, 2, 2, 0, 0));
    gDrawQueue.push(new AzDrawBobCommand(8, nullptr, 0, 0));
    gDrawQueue.DrainAndExecute();

    EXPECT_EQ(ScreenPixel(10, 10), 3);
    EXPECT_EQ(ScreenPixel(12, 12), 4);
    EXPECT_EQ(ScreenPixel(13, 12), 5);
    EXPECT_EQ(ScreenPixel(1, 1), 3);
    EXPECT_EQ(ScreenPixel(2, 0), lrClearColor);
}

TEST_F(SpriteTest, SpriteFramesArePlacedByTheirPathPoints)
{
    OpenDisplay();
    WriteMedia("act1/walk.spx", mediagen::EncodeSpx({{Filled(2, 2, 10), 100, 50},
                                                     {Filled(2, 2, 11), 104, 48},
                                                     {Filled(2, 2, 12), 100, 50}}));
    std::unique_ptr<AzBobSprite> sprite(az::LoadBobSprite("act1\\walk.spx"));
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->GetFrameCount(), 3);
    EXPECT_EQ(sprite->Translate(0, 0), (AzPoint{100, 50}));
    EXPECT_EQ(sprite->GetOffset(0), (AzPoint{0, 0}));
    EXPECT_EQ(sprite->GetOffset(1), (AzPoint{4, -2}));
    EXPECT_EQ(sprite->GetOffset(2), (AzPoint{0, 0}));

    sprite->SetPosition(200, 100);
    gDrawQueue.push(new AzDrawBobSpriteCommand(20, sprite.get(), 1));
    gDrawQueue.push(new AzDrawBobSpriteCommand(20, sprite.get(), 10, 10, 0));
    gDrawQueue.DrainAndExecute();
    EXPECT_EQ(ScreenPixel(204, 98), 11);
    EXPECT_EQ(ScreenPixel(10, 10), 10);
    EXPECT_EQ(CountDrawn(), 8);
    EXPECT_EQ(az::LoadBobSprite("act1\\absent.spx"), nullptr);
}

TEST_F(SpriteTest, PathPointsAtTheEndsOfTheRangeStillPlaceEachFrameOnItsPoint)
{
    // Found by fuzzing: offsets from point 0 were subtracted in int and overflowed.
    OpenDisplay();
    const int32_t low = INT32_MIN;
    const int32_t high = INT32_MAX;
    WriteMedia("far.spx", mediagen::EncodeSpx({{Filled(2, 2, 10), low, high},
                                               {Filled(2, 2, 11), high, low},
                                               {Filled(2, 2, 12), 30, 40}}));
    std::unique_ptr<AzBobSprite> sprite(az::LoadBobSprite("far.spx"));
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->GetOffset(1), (AzPoint{-1, 1}));
    EXPECT_EQ(sprite->GetOffset(2), (AzPoint{INT32_MIN + 30, 40 - INT32_MAX}));

    // Drawn at its own point 0, frame 2 lands on its point and the far frames nowhere.
    for (int32_t frame = 0; frame < 3; ++frame)
        gDrawQueue.push(new AzDrawBobSpriteCommand(20, sprite.get(), frame));
    gDrawQueue.DrainAndExecute();
    EXPECT_EQ(ScreenPixel(30, 40), 12);
    EXPECT_EQ(ScreenPixel(31, 41), 12);
    EXPECT_EQ(CountDrawn(), 4);

    // A child of such a sprite goes through the same sums.
    AzNullRect child(5, 5, 1, 1);
    child.SetParent(sprite.get());
    EXPECT_EQ(child.Translate(0, 0), (AzPoint{INT32_MIN + 10, INT32_MIN + 9}));
}

TEST_F(SpriteTest, UnknownFramesAreLoggedAndNotDrawn)
{
    OpenDisplay();
    AzMemorySprite memory;
    for (uint8_t colour : {20, 21, 22}) {
        auto frame = std::make_unique<AzMemoryImage>(1, 1);
        frame->GetPixels()[0] = colour;
        memory.AddFrame(std::move(frame));
    }
    // One point for three frames: the frames without a point sit at the position.
    memory.AddPathPoint(30, 40);
    AzBobSprite sprite;
    sprite.SetFromMemorySprite(memory);
    EXPECT_EQ(sprite.GetOffset(2), (AzPoint{0, 0}));

    sprite.DrawFrame(-1);
    sprite.DrawFrame(3, 5, 5);
    EXPECT_EQ(CountDrawn(), 0);
    EXPECT_EQ(Log(), "AzBobSprite::DrawFrame - Frame -1 doesn't exist.\n"
                     "AzBobSprite::DrawFrame - Frame 3 doesn't exist.\n");
    sprite.DrawFrame(2);
    EXPECT_EQ(ScreenPixel(30, 40), 22);
}

TEST_F(SpriteTest, ParentChainsAddPositionsTheWayTheActsPlaceTheirBoxes)
{
    OpenDisplay();
    AzMemorySprite memory;
    auto frame = std::make_unique<AzMemoryImage>(1, 1);
    frame->GetPixels()[0] = 33;
    memory.AddFrame(std::move(frame));
    memory.AddPathPoint(0, 0);

    AzBobSprite body;
    AzBobSprite head;
    head.SetFromMemorySprite(memory);
    body.SetPosition(100, 423);
    head.SetPosition(24, -46);
    head.SetParent(&body);
    AzNullRect box(-20, 52, 10, 10);
    box.SetParent(&head);

    EXPECT_EQ(head.Translate(7, 7), (AzPoint{148, 331}));
    EXPECT_EQ(box.GetPosition(), (AzPoint{128, 383}));
    head.DrawFrame(0);
    EXPECT_EQ(ScreenPixel(124, 377), 33);
    EXPECT_EQ(CountDrawn(), 1);

    // A parent that would close a loop is refused, so Translate always ends.
    body.SetParent(&head);
    EXPECT_EQ(body.GetParent(), nullptr);
    head.SetParent(&head);
    EXPECT_EQ(head.GetParent(), &body);
}

TEST_F(SpriteTest, RectanglesSharingAnEdgePixelCollide)
{
    EXPECT_TRUE(az::Collide(AzNullRect(0, 0, 10, 10), AzNullRect(9, 9, 10, 10)));
    EXPECT_FALSE(az::Collide(AzNullRect(0, 0, 10, 10), AzNullRect(10, 0, 10, 10)));
    EXPECT_FALSE(az::Collide(AzNullRect(0, 0, 10, 10), AzNullRect(0, -10, 10, 10)));
    EXPECT_TRUE(az::Collide(AzNullRect(5, 5, 1, 1), AzNullRect(0, 0, 10, 10)));
    EXPECT_TRUE(gDrawQueue.empty());
}

TEST_F(SpriteTest, CollisionMarkersGoInFrontAtTheCorners)
{
    OpenDisplay();
    WriteMedia("CollRect.bmp", mediagen::EncodeBmp8(Filled(4, 4, 7), Ramp()));
    std::unique_ptr<AzBlitterObject> marker(az::LoadBlitterObject("CollRect.bmp"));
    ASSERT_NE(marker, nullptr);
    gCollisionRectImage = marker.get();

    auto cover = SolidBob(64, 64, 9);
    gDrawQueue.push(new AzDrawBobCommand(100, cover.get(), 0, 0));
    EXPECT_FALSE(az::Collide(AzNullRect(0, 0, 10, 20), AzNullRect(30, 30, 8, 8)));
    EXPECT_EQ(gDrawQueue.size(), 5u);
    gDrawQueue.DrainAndExecute();

    EXPECT_EQ(ScreenPixel(6, 0), 7);
    EXPECT_EQ(ScreenPixel(0, 16), 7);
    EXPECT_EQ(ScreenPixel(34, 30), 7);
    EXPECT_EQ(ScreenPixel(30, 34), 7);
    EXPECT_EQ(ScreenPixel(5, 0), 9);
}

TEST_F(SpriteTest, BobsWithoutAGraphicDrawNothing)
{
    OpenDisplay();
    {
        AzBlitterObject bob(0, 4, 0);
        EXPECT_EQ(bob.GetGraphic(), nullptr);
        const Bytes pixels(16, 1);
        EXPECT_EQ(bob.LoadFromMemory(pixels.data()), 0);
        bob.Draw(0, 0);
        bob.DrawPart(0, 0, 1, 1, 0, 0);
    }
    EXPECT_EQ(CountDrawn(), 0);
    EXPECT_EQ(Log(), "AzBlitterObject::AzBlitterObject - lrCreateGraphic failed.\n"
                     "AzBlitterObject::LoadFromMemory - NULL pointer for lrGraphic. Can't copy.\n");
}
