// The WAVE and AIFF fixture writers: the bytes other readers depend on.
#include "AiffWriter.h"
#include "WaveWriter.h"

#include <gtest/gtest.h>

namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

} // namespace

TEST(SoundWriter, EightBitWaveIsUnsignedAndOddDataIsPadded)
{
    mediagen::PcmSound sound;
    sound.bitsPerSample = 8;
    sound.samples = {-32768, 0, 32767};
    const std::vector<uint8_t> wave = mediagen::EncodeWave(sound);
    ASSERT_EQ(wave.size(), 44u + 3u + 1u);
    EXPECT_EQ(Le32(wave, 4), wave.size() - 8);
    EXPECT_EQ(Le32(wave, 40), 3u);
    EXPECT_EQ(std::vector<uint8_t>(wave.begin() + 44, wave.end()), (std::vector<uint8_t>{0x00, 0x80, 0xFF, 0x00}));
}

TEST(SoundWriter, AiffSampleRateIsAnExtendedFloat)
{
    struct Case {
        int rate;
        std::vector<uint8_t> extended;
    } cases[] = {
        {8000, {0x40, 0x0B, 0xFA, 0x00, 0, 0, 0, 0, 0, 0}},
        {22050, {0x40, 0x0D, 0xAC, 0x44, 0, 0, 0, 0, 0, 0}},
        {48000, {0x40, 0x0E, 0xBB, 0x80, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        mediagen::PcmSound sound;
        sound.sampleRate = c.rate;
        sound.channels = 2;
        sound.samples = {1, 2, 3, 4};
        const std::vector<uint8_t> aiff = mediagen::EncodeAiff(sound);
        EXPECT_EQ(std::vector<uint8_t>(aiff.begin() + 28, aiff.begin() + 38), c.extended) << c.rate;
        EXPECT_EQ(aiff[25], 2); // two sample frames
    }
}
