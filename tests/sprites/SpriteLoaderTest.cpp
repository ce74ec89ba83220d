// Sprite file reading and the run-length decoder, including hostile files.
#include "SpriteTestEnvironment.h"

#include "AzLoaders.h"
#include "AzMemorySprite.h"
#include "AzSpriteLoader.h"
#include "SpxWriter.h"

#include <memory>

namespace {

using SpritePtr = std::unique_ptr<AzMemorySprite>;

constexpr size_t kFirstChunkAt = 48;
constexpr size_t kPointCountAt = 56;
constexpr size_t kPointsAt = 64;

mediagen::SpxFrame Frame(mediagen::IndexedImage image, int x, int y)
{
    return {std::move(image), x, y};
}

int Unpack(const Bytes& source, int width, int height, Bytes& destination)
{
    az::RleLayout layout;
    layout.stride = width;
    layout.rowLength = width;
    layout.rowCount = height;
    return az::UnpackRLE(source.data(), source.size(), &layout, destination.data());
}

} // namespace

TEST_F(SpriteTest, SpriteFileGivesItsFramesPointsAndSummaryLine)
{
    const auto first = Picture(7, 3);
    const auto second = Filled(200, 2, 254);
    WriteMedia("act1/spx/glimmer.Spx", mediagen::EncodeSpx({Frame(first, 100, 50), Frame(second, 104, 48)}));

    SpritePtr sprite(AzSpriteLoader::GetNew("act1\\spx\\glimmer.Spx"));
    ASSERT_NE(sprite, nullptr);
    ASSERT_EQ(sprite->GetFrameCount(), 2);
    EXPECT_EQ(sprite->GetBitsPerPixel(), 8);
    const AzMemoryImage* frame = sprite->GetFrame(0);
    EXPECT_EQ(Bytes(frame->GetPixels(), frame->GetPixels() + 21), first.pixels);
    EXPECT_EQ(Bytes(sprite->GetFrame(1)->GetPixels(), sprite->GetFrame(1)->GetPixels() + 400), second.pixels);
    EXPECT_EQ(sprite->GetPathX(1), 104);
    EXPECT_EQ(sprite->GetPathY(1), 48);
    EXPECT_EQ(Log(), "AzSpriteLoader::GetSPX - created an AzMemorySprite with 2 frames with the first @ 100, 50, "
                     "~421 bytes.\n");
}

TEST_F(SpriteTest, SpriteHeaderRulesDecideWhatIsASpriteFile)
{
    const Bytes good = mediagen::EncodeSpx({Frame(Picture(2, 2), 1, 1)});
    Bytes readingOrder = good;
    const uint8_t mq2[] = {'M', 'Q', '2', ' '};
    std::copy(mq2, mq2 + 4, readingOrder.begin());
    Bytes versionOne = good;
    PutU32(versionOne, 20, 1);
    WriteMedia("reading.spx", readingOrder);
    WriteMedia("version.spx", versionOne);
    WriteMedia("sprite.bmp", good);

    EXPECT_EQ(AzSpriteLoader::GetNew("reading.spx"), nullptr);
    EXPECT_EQ(AzSpriteLoader::GetNew("version.spx"), nullptr);
    EXPECT_EQ(AzSpriteLoader::GetNew("sprite.bmp"), nullptr);
    EXPECT_EQ(AzSpriteLoader::GetNew("absent.spx"), nullptr);
    EXPECT_EQ(Log(), "AzSpriteLoader::GetNew - returning NULL object. reading.spx\n"
                     "AzSpriteLoader::GetNew - returning NULL object. version.spx\n"
                     "AzSpriteLoader::GetNew - unrecognized file extension. sprite.bmp\n"
                     "AzSpriteLoader::GetNew - returning NULL object. sprite.bmp\n"
                     "AzSpriteLoader::GetNew - Vl::FileCreate failed.  Returning NULL object. absent.spx\n");
}

TEST_F(SpriteTest, PathBlockIsOptionalAndAMismatchIsOnlyLogged)
{
    mediagen::SpxOptions noPath;
    noPath.writePath = false;
    const Bytes empty = mediagen::EncodeSpx({Frame(Picture(3, 1), 9, 9)}, noPath);
    // Another chunk at 48 sends the reader straight on to its search for the pixels.
    Bytes otherChunk = empty;
    otherChunk[kFirstChunkAt] = 'X';

    std::vector<mediagen::SpxFrame> five;
    for (int i = 0; i < 5; ++i) five.push_back(Frame(Picture(2, 2), 10 * i, -i));
    Bytes fourPoints = mediagen::EncodeSpx(five);
    PutU32(fourPoints, kPointCountAt, 4);
    fourPoints.erase(fourPoints.begin() + kPointsAt + 32, fourPoints.begin() + kPointsAt + 40);

    for (const Bytes& bytes : {empty, otherChunk}) {
        SpritePtr sprite(AzSpriteLoader::GetSPXFromMemory(bytes.data(), bytes.size()));
        ASSERT_NE(sprite, nullptr);
        EXPECT_EQ(sprite->GetFrameCount(), 1);
        EXPECT_EQ(sprite->GetPathPointCount(), 0);
    }
    SpritePtr mismatched(AzSpriteLoader::GetSPXFromMemory(fourPoints.data(), fourPoints.size()));
    ASSERT_NE(mismatched, nullptr);
    EXPECT_EQ(mismatched->GetFrameCount(), 5);
    EXPECT_EQ(mismatched->GetPathPointCount(), 4);
    EXPECT_EQ(mismatched->GetPathX(3), 30);

    const std::string noPoint = "AzSpriteLoader::GetSPX - created an AzMemorySprite with 1 frames with the first @ 0, 0, "
                                "~3 bytes.\n";
    EXPECT_EQ(Log(), noPoint + noPoint +
                         "AzSpriteLoader::GetSPX() - trying to read sprite with differing path points and frames!\n"
                         "AzSpriteLoader::GetSPX - created an AzMemorySprite with 5 frames with the first @ 0, 0, "
                         "~20 bytes.\n");
}

TEST_F(SpriteTest, TruncatedOrHostileSpriteFilesGiveNull)
{
    const Bytes good = mediagen::EncodeSpx({Frame(Picture(40, 6), 0, 0), Frame(Picture(8, 8), 0, 0)});
    for (size_t length = 0; length < good.size(); ++length) {
        EXPECT_EQ(AzSpriteLoader::GetSPXFromMemory(good.data(), length), nullptr) << length;
    }

    Bytes noSpriteBlock = good;
    std::fill(noSpriteBlock.begin() + kFirstChunkAt, noSpriteBlock.end(), 0);
    Bytes manyFrames = good;
    PutU32(manyFrames, 32, 0xFFFFFFFF);
    Bytes manyPoints = good;
    PutU32(manyPoints, kPointCountAt, 0x10000000);
    // The first frame's header says more encoded bytes than the file holds.
    const size_t firstHeader = kPointsAt + 16 + 8 + 14;
    Bytes longImage = good;
    PutU32(longImage, firstHeader + 20, 1 << 20);
    // And here fewer than its rows need, so decoding runs out before the last row.
    Bytes shortImage = good;
    PutU32(shortImage, firstHeader + 20, 20);
    Bytes negativeWidth = good;
    PutU32(negativeWidth, firstHeader + 4, static_cast<uint32_t>(-40));

    for (const Bytes& bytes : {noSpriteBlock, manyFrames, manyPoints, longImage, shortImage, negativeWidth}) {
        EXPECT_EQ(AzSpriteLoader::GetSPXFromMemory(bytes.data(), bytes.size()), nullptr);
    }
    EXPECT_EQ(AzSpriteLoader::GetSPXFromMemory(nullptr, 100), nullptr);
}

TEST_F(SpriteTest, PacketExtremesDecode)
{
    Bytes source = {0x00, 7, 0xFF, 8, 0x7F, 9, 0x80};
    for (int i = 0; i < 128; ++i) source.push_back(static_cast<uint8_t>(i));
    Bytes pixels(258, 0);
    ASSERT_EQ(Unpack(source, 258, 1, pixels), az::kUnpackOk);

    EXPECT_EQ(pixels[0], 7);
    EXPECT_EQ(pixels[1], 8);
    EXPECT_EQ(Bytes(pixels.begin() + 2, pixels.begin() + 130), Bytes(128, 9));
    EXPECT_EQ(pixels[130], 0);
    EXPECT_EQ(pixels[257], 127);
}

TEST_F(SpriteTest, DecoderNeverPassesEitherBuffer)
{
    // Row 0 repeats 6 pixels into a 4-pixel row: the surplus spills into row 1, which
    // then starts over at its own stride.
    Bytes pixels(8, 0);
    EXPECT_EQ(Unpack({0x05, 1, 0x03, 2}, 4, 2, pixels), az::kUnpackOk);
    EXPECT_EQ(pixels, (Bytes{1, 1, 1, 1, 2, 2, 2, 2}));

    // The last row overshoots: decoding stops at the end, leaving nothing past it touched.
    Bytes guarded(9, 0xAA);
    EXPECT_EQ(Unpack({0x03, 1, 0x09, 2}, 4, 2, guarded), az::kUnpackFull);
    EXPECT_EQ(guarded, (Bytes{1, 1, 1, 1, 2, 2, 2, 2, 0xAA}));
    Bytes literal(9, 0xAA);
    EXPECT_EQ(Unpack({0xFC, 1, 2, 3, 4, 0xFB, 6, 7, 8, 9, 10}, 4, 2, literal), az::kUnpackFull);
    EXPECT_EQ(literal, (Bytes{1, 2, 3, 4, 6, 7, 8, 9, 0xAA}));

    // Sources that end inside a packet or before the last row.
    Bytes scratch(8, 0);
    EXPECT_EQ(Unpack({0x03}, 4, 2, scratch), az::kUnpackSourceShort);
    EXPECT_EQ(Unpack({0xFC, 1, 2}, 4, 2, scratch), az::kUnpackSourceShort);
    EXPECT_EQ(Unpack({0x03, 1}, 4, 2, scratch), az::kUnpackSourceShort);

    az::RleLayout layout;
    layout.stride = layout.rowLength = layout.rowCount = 2;
    const uint8_t data[] = {0x03, 1};
    EXPECT_EQ(az::UnpackRLE(nullptr, 0, &layout, scratch.data()), az::kUnpackFull);
    EXPECT_EQ(az::UnpackRLE(data, 2, &layout, nullptr), az::kUnpackNoDestination);
    EXPECT_EQ(az::UnpackRLE(data, 2, nullptr, scratch.data()), az::kUnpackNoLayout);
    layout.channels = 0;
    EXPECT_EQ(az::UnpackRLE(data, 2, &layout, scratch.data()), az::kUnpackNoLayout);
}

TEST_F(SpriteTest, WiderLayoutsDecodeEachChannelOfElementsInterleaved)
{
    // Two channels of 2-byte elements, two elements a row, one row: channel 0 repeats
    // (1, 2), channel 1 copies (5, 6) and (7, 8).
    az::RleLayout layout;
    layout.channels = 2;
    layout.elementSize = 2;
    layout.stride = 8;
    layout.rowLength = 2;
    layout.rowCount = 1;
    const Bytes source = {0x01, 1, 2, 0xFE, 5, 6, 7, 8};
    Bytes pixels(8, 0);
    EXPECT_EQ(az::UnpackRLE(source.data(), source.size(), &layout, pixels.data()), az::kUnpackOk);
    EXPECT_EQ(pixels, (Bytes{1, 2, 5, 6, 1, 2, 7, 8}));
}
