// Bitmap and palette loading: layouts the game meets, the log lines, and damaged files.
#include "SpriteTestEnvironment.h"

#include "AzImageLoader.h"
#include "AzLoaders.h"
#include "AzMemoryImage.h"
#include "AzMemoryPalette.h"
#include "AzPaletteLoader.h"
#include "BmpWriter.h"
#include "RiffPaletteWriter.h"

#include <memory>

namespace {

constexpr size_t kBitsPerPixelAt = 28;
constexpr size_t kCompressionAt = 30;
constexpr size_t kColorsUsedAt = 46;
constexpr size_t kTableAt = 54;

using ImagePtr = std::unique_ptr<AzMemoryImage>;
using PalettePtr = std::unique_ptr<AzMemoryPalette>;

void ExpectPixels(const AzMemoryImage* image, const mediagen::IndexedImage& expected)
{
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->GetWidth(), expected.width);
    ASSERT_EQ(image->GetHeight(), expected.height);
    EXPECT_EQ(Bytes(image->GetPixels(), image->GetPixels() + expected.pixels.size()), expected.pixels);
}

void AppendChunk(Bytes& bytes, const char* tag, const Bytes& body)
{
    bytes.insert(bytes.end(), tag, tag + 4);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(body.size() >> (8 * i)));
    bytes.insert(bytes.end(), body.begin(), body.end());
}

Bytes Riff(const Bytes& chunks)
{
    Bytes bytes = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'P', 'A', 'L', ' '};
    bytes.insert(bytes.end(), chunks.begin(), chunks.end());
    const uint32_t size = static_cast<uint32_t>(bytes.size() - 8);
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<uint8_t>(size >> (8 * i));
    return bytes;
}

Bytes DataBody(uint8_t firstRed, int entries)
{
    Bytes body = {0x00, 0x03, static_cast<uint8_t>(entries), static_cast<uint8_t>(entries >> 8)};
    for (int i = 0; i < entries; ++i) {
        body.insert(body.end(), {static_cast<uint8_t>(firstRed + i), 20, 30, 0});
    }
    return body;
}

} // namespace

TEST_F(SpriteTest, BitmapRowsArePaddedAndReadBottomUpWhateverTheExtensionCase)
{
    const auto narrow = Picture(3, 2);
    const auto wide = Picture(5, 3, 40);
    WriteMedia("Pics/narrow.bmp", mediagen::EncodeBmp8(narrow, Ramp()));
    WriteMedia("Pics/wide.Bmp", mediagen::EncodeBmp8(wide, Ramp()));

    ExpectPixels(ImagePtr(AzImageLoader::GetNew("Pics\\narrow.bmp")).get(), narrow);
    ExpectPixels(ImagePtr(AzImageLoader::GetNew("Pics\\NARROW.BMP")).get(), narrow);
    ExpectPixels(ImagePtr(AzImageLoader::GetNew("pics\\wide.Bmp")).get(), wide);
    EXPECT_EQ(Log(), "");
}

TEST_F(SpriteTest, BitmapColourTableIsSkippedByItsColoursUsed)
{
    const auto picture = Picture(4, 2, 9);
    Bytes sixteen = mediagen::EncodeBmp8(picture, Ramp());
    PutU32(sixteen, kColorsUsedAt, 16);
    sixteen.erase(sixteen.begin() + kTableAt + 16 * 4, sixteen.begin() + kTableAt + 1024);
    Bytes zero = mediagen::EncodeBmp8(picture, Ramp());
    PutU32(zero, kColorsUsedAt, 0);
    WriteMedia("sixteen.bmp", sixteen);
    WriteMedia("zero.bmp", zero);

    ExpectPixels(ImagePtr(AzImageLoader::GetNew("sixteen.bmp")).get(), picture);
    ExpectPixels(ImagePtr(AzImageLoader::GetNew("zero.bmp")).get(), picture);
}

TEST_F(SpriteTest, BitmapsThatCannotBeReadGiveNullWithTheirLines)
{
    const Bytes good = mediagen::EncodeBmp8(Picture(4, 4), Ramp());
    Bytes rle = good;
    PutU32(rle, kCompressionAt, 1);
    WriteMedia("rle.bmp", rle);
    WriteMedia("picture.gif", good);

    VlForgetMissingMedia();
    EXPECT_EQ(AzImageLoader::GetNew("rle.bmp"), nullptr);
    EXPECT_EQ(AzImageLoader::GetNew("picture.gif"), nullptr);
    EXPECT_EQ(Log(), "AzImageLoader::GetDIB - Could not read BI_RLE8 type DIB file.\n"
                     "AzImageLoader::GetNew - returning NULL object. rle.bmp\n"
                     "AzImageLoader::GetNew - unrecognized file extension. picture.gif\n"
                     "AzImageLoader::GetNew - returning NULL object. picture.gif\n");
    // Files that are there but cannot be read count with the missing ones in start-up's summary.
    EXPECT_EQ(VlMissingMediaCount(), 2u);
}

TEST_F(SpriteTest, MissingBitmapIsLoggedOnlyWhileFileErrorsAreOnButMissingPaletteAlways)
{
    azLogFileErrors = false;
    EXPECT_EQ(AzImageLoader::GetNew("quiet.bmp"), nullptr);
    EXPECT_EQ(AzPaletteLoader::GetNew("quiet.pal"), nullptr);
    azLogFileErrors = true;
    EXPECT_EQ(AzImageLoader::GetNew("loud.bmp"), nullptr);
    EXPECT_EQ(Log(), "AzPaletteLoader::GetNew - VlFileCreate failed.  Returning NULL object. quiet.pal\n"
                     "AzImageLoader::GetNew - Vl::FileCreate failed.  Returning NULL object. loud.bmp\n");
}

TEST_F(SpriteTest, DamagedOrUnsupportedBitmapsAreRefused)
{
    const Bytes good = mediagen::EncodeBmp8(Picture(5, 3), Ramp());
    std::vector<Bytes> bad;
    for (size_t length : {size_t{0}, size_t{13}, size_t{53}, kTableAt + 1000, good.size() - 6}) {
        bad.emplace_back(good.begin(), good.begin() + length);
    }
    Bytes topDown = good;
    PutU32(topDown, 22, static_cast<uint32_t>(-3));
    bad.push_back(topDown);
    Bytes trueColour = good;
    trueColour[kBitsPerPixelAt] = 24;
    bad.push_back(trueColour);
    Bytes huge = good;
    PutU32(huge, 18, 0x7FFFFFFF);
    bad.push_back(huge);
    Bytes endlessTable = good;
    PutU32(endlessTable, kColorsUsedAt, 0xFFFFFFFF);
    bad.push_back(endlessTable);

    ExpectEachRefused(bad, ".bmp", AzImageLoader::GetNew, "AzImageLoader::GetNew - returning NULL object. ");
}

TEST_F(SpriteTest, BitmapPaletteSwapsToRedGreenBlueAndKeepsItsCount)
{
    const Bytes full = mediagen::EncodeBmp8(Picture(2, 2), Ramp());
    Bytes sixteen = full;
    PutU32(sixteen, kColorsUsedAt, 16);
    WriteMedia("full.bmp", full);
    WriteMedia("sixteen.dib", sixteen);

    PalettePtr palette(AzPaletteLoader::GetNew("full.bmp"));
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->GetCount(), 256u);
    const uint8_t* entry = palette->GetEntries() + 200 * 4;
    EXPECT_EQ(Bytes(entry, entry + 3), (Bytes{200, 55, 100}));

    PalettePtr partial(AzPaletteLoader::GetNew("sixteen.dib"));
    ASSERT_NE(partial, nullptr);
    EXPECT_EQ(partial->GetCount(), 16u);
    EXPECT_EQ(partial->GetEntries()[15 * 4], 15);
    EXPECT_EQ(partial->GetEntries()[16 * 4 + 1], 0);
}

TEST_F(SpriteTest, RiffPaletteWalksChunksAndKeepsTheLastDataChunk)
{
    WriteMedia("plain.pal", mediagen::EncodeRiffPalette(Ramp()));
    Bytes chunks;
    AppendChunk(chunks, "junk", Bytes(6, 0xEE));
    AppendChunk(chunks, "data", DataBody(10, 4));
    AppendChunk(chunks, "data", DataBody(70, 300));
    WriteMedia("walk.pal", Riff(chunks));

    PalettePtr plain(AzPaletteLoader::GetNew("plain.pal"));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetCount(), 0u);
    EXPECT_EQ(Bytes(plain->GetEntries() + 4 * 4, plain->GetEntries() + 4 * 4 + 3), (Bytes{4, 251, 2}));

    // The second data chunk holds 300 entries: only the first 256 fit the palette.
    PalettePtr walked(AzPaletteLoader::GetNew("walk.pal"));
    ASSERT_NE(walked, nullptr);
    EXPECT_EQ(walked->GetEntries()[0], 70);
    EXPECT_EQ(walked->GetEntries()[255 * 4], static_cast<uint8_t>(70 + 255));
}

TEST_F(SpriteTest, RiffPalettesThatAreNotPalettesOrRunShortGiveNull)
{
    const Bytes good = mediagen::EncodeRiffPalette(Ramp());
    Bytes wrongForm = good;
    wrongForm[11] = 'X';
    Bytes noData;
    AppendChunk(noData, "junk", Bytes(8, 1));
    Bytes shortChunk = good;
    PutU32(shortChunk, 16, 2);

    std::vector<Bytes> bad = {wrongForm, Riff(noData), shortChunk, Bytes(good.begin(), good.begin() + 7),
                              Bytes(good.begin(), good.begin() + 23), Bytes(good.begin(), good.end() - 1)};
    bad.push_back(good);
    bad.back()[0] = 'X';
    ExpectEachRefused(bad, ".pal", AzPaletteLoader::GetNew, "AzPaletteLoader::GetNew - returning NULL object. ");
}

TEST_F(SpriteTest, SetPaletteFromFileHandsAllEntriesToTheDisplayOrLeavesItAlone)
{
    OpenDisplay();
    Bytes sixteen = mediagen::EncodeBmp8(Picture(2, 2), Ramp());
    PutU32(sixteen, kColorsUsedAt, 16);
    WriteMedia("Pallettes/NS_pallette.bmp", sixteen);

    EXPECT_TRUE(az::SetPaletteFromFile("Pallettes\\NS_pallette.bmp"));
    const uint8_t* copy = lrGetPaletteCopy();
    EXPECT_EQ(Bytes(copy + 15 * 4, copy + 15 * 4 + 3), (Bytes{15, 240, 7}));
    // Entries the file did not supply still reach the display, as black.
    EXPECT_EQ(Bytes(copy + 16 * 4, copy + 16 * 4 + 3), (Bytes{0, 0, 0}));

    const Bytes before(copy, copy + 1024);
    EXPECT_FALSE(az::SetPaletteFromFile("missing.pal"));
    EXPECT_EQ(Bytes(copy, copy + 1024), before);
    EXPECT_NE(Log().find("AzPaletteLoader::GetNew - VlFileCreate failed.  Returning NULL object. missing.pal\n"
                         "az::SetPaletteFromFile - memPalette NULL - didn't call lrSetPalette.\n"),
              std::string::npos);
}
