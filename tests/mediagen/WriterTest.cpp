// Reads back the bytes of the BMP, RIFF palette and SPX writers and the file writer's rules.
#include "BmpWriter.h"
#include "MediaFile.h"
#include "MediaReader.h"
#include "RiffPaletteWriter.h"
#include "SpxWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include <unistd.h>

using namespace mediagen;
using namespace mediatest;

namespace {

IndexedImage MakeImage(int w, int h, uint32_t seed, int levels)
{
    IndexedImage image{w, h, std::vector<uint8_t>(size_t(w) * h)};
    std::mt19937 rng(seed);
    for (auto& p : image.pixels) p = uint8_t(rng() % levels);
    return image;
}

Palette RampPalette()
{
    Palette palette{};
    for (int i = 0; i < 256; ++i) palette[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i ^ 0x5A)};
    return palette;
}

} // namespace

TEST(BmpWriter, HeadersTableAndBottomUpPaddedRows)
{
    const IndexedImage image{3, 2, {1, 2, 3, 4, 5, 6}};
    const Palette palette = RampPalette();
    const auto b = EncodeBmp8(image, palette);

    ASSERT_EQ(b.size(), 14u + 40 + 1024 + 2 * 4);
    EXPECT_EQ(CharsAt(b, 0, 2), "BM");
    EXPECT_EQ(U32At(b, 2), b.size());
    EXPECT_EQ(U32At(b, 10), 1078u);
    EXPECT_EQ(U32At(b, 14), 40u);
    EXPECT_EQ(int32_t(U32At(b, 18)), 3);
    EXPECT_EQ(int32_t(U32At(b, 22)), 2);
    EXPECT_EQ(U16At(b, 26), 1);
    EXPECT_EQ(U16At(b, 28), 8);
    EXPECT_EQ(U32At(b, 30), 0u);
    EXPECT_EQ(U32At(b, 34), 8u);
    EXPECT_EQ(U32At(b, 46), 256u);
    for (int i : {0, 1, 128, 255}) {
        const size_t at = 54 + 4 * i;
        EXPECT_EQ(b[at], palette[i].b);
        EXPECT_EQ(b[at + 1], palette[i].g);
        EXPECT_EQ(b[at + 2], palette[i].r);
        EXPECT_EQ(b[at + 3], 0);
    }
    const std::vector<uint8_t> rows(b.begin() + 1078, b.end());
    EXPECT_EQ(rows, (std::vector<uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));
}

TEST(BmpWriter, RowsNeedNoPaddingAtWidthFourAndEmptyImagesWork)
{
    const auto four = EncodeBmp8(MakeImage(4, 3, 1, 256), Palette{});
    EXPECT_EQ(four.size(), 1078u + 12);
    const auto empty = EncodeBmp8(IndexedImage{}, Palette{});
    EXPECT_EQ(empty.size(), 1078u);
}

TEST(Writers, RejectImagesWhosePixelsDoNotMatchTheirSize)
{
    const IndexedImage shortImage{4, 4, std::vector<uint8_t>(15)};
    const IndexedImage negative{-1, 4, {}};
    EXPECT_THROW(EncodeBmp8(shortImage, Palette{}), std::invalid_argument);
    EXPECT_THROW(EncodeBmp8(negative, Palette{}), std::invalid_argument);
    EXPECT_THROW(EncodeSpx({SpxFrame{shortImage}}), std::invalid_argument);
}

TEST(RiffPaletteWriter, ChunksVersionCountAndRgbEntries)
{
    const Palette palette = RampPalette();
    const auto b = EncodeRiffPalette(palette);
    ASSERT_EQ(b.size(), 24u + 1024);
    EXPECT_EQ(CharsAt(b, 0), "RIFF");
    EXPECT_EQ(U32At(b, 4), b.size() - 8);
    EXPECT_EQ(CharsAt(b, 8), "PAL ");
    EXPECT_EQ(CharsAt(b, 12), "data");
    EXPECT_EQ(U32At(b, 16), 1028u);
    EXPECT_EQ(U16At(b, 20), 0x0300);
    EXPECT_EQ(U16At(b, 22), 256);
    for (int i : {0, 77, 255}) {
        EXPECT_EQ(b[24 + 4 * i], palette[i].r);
        EXPECT_EQ(b[25 + 4 * i], palette[i].g);
        EXPECT_EQ(b[26 + 4 * i], palette[i].b);
        EXPECT_EQ(b[27 + 4 * i], 0);
    }
}

TEST(SpxWriter, TagsAreNumbersStoredLittleEndian)
{
    const auto b = EncodeSpx({SpxFrame{MakeImage(2, 2, 3, 4)}});
    EXPECT_EQ(CharsAt(b, 0), " 2QM");
    EXPECT_EQ(CharsAt(b, 16), "XRPS");
    EXPECT_EQ(CharsAt(b, 48), "IHTP");
    EXPECT_EQ(U32At(b, 4), b.size() - 8);
}

TEST(SpxWriter, FramesAndPathPointsRoundTrip)
{
    std::vector<SpxFrame> frames = {
        {MakeImage(37, 11, 1, 3), -5, 7},   // short runs mixed with literals
        {MakeImage(1, 1, 2, 256), 0, 0},    // the smallest frame
        {MakeImage(300, 4, 3, 256), 12, -40}, // literals longer than one packet
        {IndexedImage{260, 3, std::vector<uint8_t>(780, 254)}, 1000, 2000}, // runs longer than one packet
    };
    const auto b = EncodeSpx(frames);
    EXPECT_EQ(U32At(b, 32), frames.size());
    const Sprite sprite = ParseSpx(b);
    ASSERT_EQ(sprite.frames.size(), frames.size());
    for (size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(sprite.frames[i].width, frames[i].image.width) << i;
        EXPECT_EQ(sprite.frames[i].height, frames[i].image.height) << i;
        EXPECT_EQ(sprite.frames[i].pixels, frames[i].image.pixels) << i;
        EXPECT_EQ(sprite.path[i].first, frames[i].pathX) << i;
        EXPECT_EQ(sprite.path[i].second, frames[i].pathY) << i;
    }
    // The colour table follows the first frame header only.
    EXPECT_EQ(sprite.frameHeaderAt[2] - sprite.frameHeaderAt[1], 40u + U32At(b, sprite.frameHeaderAt[1] + 20));
}

TEST(SpxWriter, PacketsStayWithinTheirLimitsAndRows)
{
    // 128 equal bytes fit one repeat packet (control 127); the 129th goes in a literal.
    const IndexedImage run128{128, 1, std::vector<uint8_t>(128, 9)};
    EXPECT_EQ(EncodeSpxPixels(run128), (std::vector<uint8_t>{127, 9}));
    const IndexedImage run129{129, 1, std::vector<uint8_t>(129, 9)};
    EXPECT_EQ(EncodeSpxPixels(run129), (std::vector<uint8_t>{127, 9, 0xFF, 9}));

    // A lone pixel is a one-byte literal (control -1).
    EXPECT_EQ(EncodeSpxPixels(IndexedImage{1, 1, {42}}), (std::vector<uint8_t>{0xFF, 42}));

    // Two rows of the same colour are still two packets: rows never share one.
    const IndexedImage twoRows{3, 2, std::vector<uint8_t>(6, 5)};
    EXPECT_EQ(EncodeSpxPixels(twoRows), (std::vector<uint8_t>{2, 5, 2, 5}));

    // 200 distinct-neighbour bytes: a 128-byte literal (control -128) then a 72-byte one.
    IndexedImage stripes{200, 1, std::vector<uint8_t>(200)};
    for (int i = 0; i < 200; ++i) stripes.pixels[i] = uint8_t(i & 1);
    const auto packed = EncodeSpxPixels(stripes);
    ASSERT_EQ(packed.size(), 202u);
    EXPECT_EQ(packed[0], 0x80);
    EXPECT_EQ(packed[129], uint8_t(-72));
}

TEST(SpxWriter, WithoutPathAnEmptyPathChunkPrecedesTheSprites)
{
    const std::vector<SpxFrame> frames = {{MakeImage(5, 5, 9, 2), 3, 4}, {MakeImage(6, 2, 8, 2)}};
    const auto b = EncodeSpx(frames, SpxOptions{false});
    EXPECT_EQ(U32At(b, 48), Tag("PTHI"));
    EXPECT_EQ(U32At(b, 52), 0u);
    const Sprite sprite = ParseSpx(b);
    EXPECT_EQ(sprite.spritesAt, 56u);
    EXPECT_TRUE(sprite.path.empty());
    ASSERT_EQ(sprite.frames.size(), 2u);
    EXPECT_EQ(sprite.frames[1].pixels, frames[1].image.pixels);
}

TEST(SpxWriter, NoFramesGivesAReadableEmptySprite)
{
    const auto b = EncodeSpx({});
    const Sprite sprite = ParseSpx(b);
    EXPECT_TRUE(sprite.frames.empty());
    EXPECT_EQ(U32At(b, 32), 0u);
}

TEST(MediaFile, CreatesFoldersAndRewritesOnlyChangedContent)
{
    namespace fs = std::filesystem;
    const fs::path root = fs::current_path() / ("mediafile-test-" + std::to_string(getpid()));
    fs::remove_all(root);
    const std::string path = (root / "a" / "b" / "file.bin").string();

    ASSERT_TRUE(WriteMediaFile(path, {1, 2, 3}));
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(path, old);

    ASSERT_TRUE(WriteMediaFile(path, {1, 2, 3}));
    EXPECT_EQ(fs::last_write_time(path), old);

    ASSERT_TRUE(WriteMediaFile(path, {1, 2, 4}));
    EXPECT_NE(fs::last_write_time(path), old);
    EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{1, 2, 4}));
    EXPECT_FALSE(fs::exists(path + ".part"));

    // A file where a folder should be cannot be written through, and says so.
    EXPECT_FALSE(WriteMediaFile((root / "a" / "b" / "file.bin" / "inner.bin").string(), {1}));
    fs::remove_all(root);
}
