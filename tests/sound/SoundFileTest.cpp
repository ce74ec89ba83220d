// Reading WAVE and AIFF sounds: formats, conversions, quirks kept on purpose, and bad files.
#include "AiffWriter.h"
#include "SoundWorld.h"
#include "WaveWriter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

mediagen::PcmSound Pcm(int channels, int rate, int bits, std::vector<int16_t> samples)
{
    mediagen::PcmSound sound;
    sound.channels = channels;
    sound.sampleRate = rate;
    sound.bitsPerSample = bits;
    sound.samples = std::move(samples);
    return sound;
}

mediagen::PcmSound Ramp(int channels, int rate, int bits, int count)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < count; ++i)
        samples.push_back(static_cast<int16_t>(i * 997 - 16000));
    return Pcm(channels, rate, bits, samples);
}

void PutLe16(std::vector<uint8_t>& bytes, size_t at, uint16_t value)
{
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

void PutLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    PutLe16(bytes, at, static_cast<uint16_t>(value));
    PutLe16(bytes, at + 2, static_cast<uint16_t>(value >> 16));
}

void PutBe16(std::vector<uint8_t>& bytes, size_t at, uint16_t value)
{
    bytes[at] = static_cast<uint8_t>(value >> 8);
    bytes[at + 1] = static_cast<uint8_t>(value);
}

void PutBe32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    PutBe16(bytes, at, static_cast<uint16_t>(value >> 16));
    PutBe16(bytes, at + 2, static_cast<uint16_t>(value));
}

// Offsets in the writers' files: WAVE fmt body at 20, data body at 44;
// AIFF COMM body at 20 (channels 20, bits 26, rate 28), SSND header at 38.
constexpr size_t kWaveData = 44;

struct Loaded {
    VlResult result = VlOk;
    Vl::WaveFormat format;
    std::vector<uint8_t> data;
};

Loaded LoadFile(const SoundWorld& world, const std::string& name, const std::vector<uint8_t>& bytes)
{
    world.WriteFile(name, bytes);
    Loaded loaded;
    Vl::Sound* sound = world.Load(name, &loaded.result);
    if (sound) {
        uint32_t size = 0;
        const uint8_t* data = nullptr;
        if (sound->GetData(&loaded.format, &size, &data))
            loaded.data.assign(data, data + size);
        EXPECT_EQ(sound->IsLoaded(), loaded.result == VlOk);
        sound->Release();
    }
    return loaded;
}

} // namespace

TEST(SoundFile, WaveSamplesAndFormatComeThroughUnchanged)
{
    SoundWorld world;
    struct Case {
        int channels, rate, bits;
    } cases[] = {{1, 11025, 8}, {2, 22050, 16}, {1, 44100, 16}};
    for (const Case& c : cases) {
        const std::vector<uint8_t> bytes = mediagen::EncodeWave(Ramp(c.channels, c.rate, c.bits, 64));
        const Loaded loaded = LoadFile(world, "ramp.wav", bytes);
        ASSERT_EQ(loaded.result, VlOk);
        EXPECT_EQ(loaded.format.formatTag, 1);
        EXPECT_EQ(loaded.format.channels, c.channels);
        EXPECT_EQ(loaded.format.samplesPerSecond, static_cast<uint32_t>(c.rate));
        EXPECT_EQ(loaded.format.bitsPerSample, c.bits);
        EXPECT_EQ(loaded.format.blockAlign, c.channels * c.bits / 8);
        EXPECT_EQ(loaded.format.averageBytesPerSecond, static_cast<uint32_t>(c.rate * c.channels * c.bits / 8));
        EXPECT_EQ(loaded.format.extraSize, 0);
        EXPECT_EQ(loaded.data, std::vector<uint8_t>(bytes.begin() + kWaveData, bytes.end()));
    }
}

TEST(SoundFile, TheUpperCasedExtensionChoosesTheReader)
{
    SoundWorld world;
    const std::vector<uint8_t> wave = mediagen::EncodeWave(Ramp(1, 22050, 16, 8));
    const std::vector<uint8_t> aiff = mediagen::EncodeAiff(Ramp(1, 22050, 16, 8));
    for (const char* name : {"a.wav", "b.Wav", "c.WAVE"})
        EXPECT_EQ(LoadFile(world, name, wave).result, VlOk) << name;
    for (const char* name : {"d.aif", "e.AIFF"})
        EXPECT_EQ(LoadFile(world, name, aiff).result, VlOk) << name;
    EXPECT_EQ(LoadFile(world, "f.snd", wave).result, ErrFileUnsupported);
    EXPECT_EQ(LoadFile(world, "noextension", wave).result, ErrFileUnsupported);
    // The name decides, not the content.
    EXPECT_EQ(LoadFile(world, "g.aif", wave).result, ErrFileBadData);
}

TEST(SoundFile, AiffSamplesAreTurnedIntoWaveLayout)
{
    SoundWorld world;
    const Loaded eight =
        LoadFile(world, "eight.aif", mediagen::EncodeAiff(Pcm(1, 22050, 8, {-32768, 0, 0x7F00, 0x0100})));
    ASSERT_EQ(eight.result, VlOk);
    EXPECT_EQ(eight.data, (std::vector<uint8_t>{0x00, 0x80, 0xFF, 0x81}));

    const Loaded sixteen = LoadFile(world, "sixteen.aif", mediagen::EncodeAiff(Pcm(2, 22050, 16, {0x1234, -2})));
    ASSERT_EQ(sixteen.result, VlOk);
    EXPECT_EQ(sixteen.data, (std::vector<uint8_t>{0x34, 0x12, 0xFE, 0xFF}));
    EXPECT_EQ(sixteen.format.blockAlign, 4);
}

TEST(SoundFile, AiffKnowsThreeRatesAndPlaysOthersAt44100)
{
    SoundWorld world;
    for (int rate : {11025, 22050, 44100}) {
        const Loaded loaded = LoadFile(world, "rate.aif", mediagen::EncodeAiff(Ramp(1, rate, 16, 4)));
        ASSERT_EQ(loaded.result, VlOk);
        EXPECT_EQ(loaded.format.samplesPerSecond, static_cast<uint32_t>(rate));
    }
    EXPECT_EQ(world.PlatformLogText(), "");

    const Loaded odd = LoadFile(world, "odd.aif", mediagen::EncodeAiff(Ramp(1, 8000, 16, 4)));
    ASSERT_EQ(odd.result, VlOk);
    EXPECT_EQ(odd.format.samplesPerSecond, 44100u);
    EXPECT_EQ(odd.format.averageBytesPerSecond, 88200u);
    EXPECT_EQ(world.PlatformLogText(), "Vl::Sound does not currently support this Aiff sampleRate");
}

TEST(SoundFile, ContainerHeadersAreChecked)
{
    SoundWorld world;
    std::vector<uint8_t> aifc = mediagen::EncodeAiff(Ramp(1, 22050, 16, 4));
    std::memcpy(aifc.data() + 8, "AIFC", 4);
    EXPECT_EQ(LoadFile(world, "c.aif", aifc).result, ErrFileUnsupported);
    std::memcpy(aifc.data() + 8, "8SVX", 4);
    EXPECT_EQ(LoadFile(world, "d.aif", aifc).result, ErrFileBadData);

    std::vector<uint8_t> wave = mediagen::EncodeWave(Ramp(1, 22050, 16, 4));
    std::memcpy(wave.data(), "RIFX", 4);
    EXPECT_EQ(LoadFile(world, "e.wav", wave).result, ErrFileBadData);
    std::memcpy(wave.data(), "RIFF", 4);
    std::memcpy(wave.data() + 8, "AVI ", 4);
    EXPECT_EQ(LoadFile(world, "f.wav", wave).result, ErrFileBadData);
}

TEST(SoundFile, ChunkWalkKeepsItsQuirks)
{
    SoundWorld world;
    const std::vector<uint8_t> plain = mediagen::EncodeWave(Ramp(1, 22050, 16, 16));

    // An 18-byte "fmt " chunk: the data search starts 2 bytes early and runs off the end.
    std::vector<uint8_t> eighteen(plain.begin(), plain.begin() + 36);
    PutLe32(eighteen, 16, 18);
    eighteen.insert(eighteen.end(), {0, 0});
    eighteen.insert(eighteen.end(), plain.begin() + 36, plain.end());
    EXPECT_EQ(LoadFile(world, "eighteen.wav", eighteen).result, ErrFileEOF);

    // Odd-sized chunks are skipped by their size alone, with no pad byte.
    std::vector<uint8_t> odd(plain.begin(), plain.begin() + 12);
    const uint8_t list[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c'};
    odd.insert(odd.end(), std::begin(list), std::end(list));
    odd.insert(odd.end(), plain.begin() + 12, plain.end());
    const Loaded loaded = LoadFile(world, "odd.wav", odd);
    ASSERT_EQ(loaded.result, VlOk);
    EXPECT_EQ(loaded.data, std::vector<uint8_t>(plain.begin() + kWaveData, plain.end()));

    // A file without the chunk ends with the end-of-file answer.
    std::vector<uint8_t> noData(plain.begin(), plain.begin() + 36);
    EXPECT_EQ(LoadFile(world, "nodata.wav", noData).result, ErrFileEOF);
}

TEST(SoundFile, LayoutsNoDeviceCanPlayAreBadData)
{
    SoundWorld world;
    const std::vector<uint8_t> wave = mediagen::EncodeWave(Ramp(1, 22050, 16, 8));
    const std::vector<uint8_t> aiff = mediagen::EncodeAiff(Ramp(1, 22050, 16, 8));
    for (uint16_t channels : {0}) {
        std::vector<uint8_t> w = wave, a = aiff;
        PutLe16(w, 22, channels);
        PutBe16(a, 20, channels);
        EXPECT_EQ(LoadFile(world, "c.wav", w).result, ErrFileBadData);
        EXPECT_EQ(LoadFile(world, "c.aif", a).result, ErrFileBadData);
    }
    for (uint16_t bits : {0, 4, 12}) {
        std::vector<uint8_t> w = wave, a = aiff;
        PutLe16(w, 34, bits);
        PutBe16(a, 26, bits);
        EXPECT_EQ(LoadFile(world, "b.wav", w).result, ErrFileBadData) << bits;
        EXPECT_EQ(LoadFile(world, "b.aif", a).result, ErrFileBadData) << bits;
    }
    std::vector<uint8_t> silentRate = wave;
    PutLe32(silentRate, 24, 0);
    EXPECT_EQ(LoadFile(world, "r.wav", silentRate).result, ErrFileBadData);

    // Found by fuzzing: 65535 channels of 65528 bits overflowed the block alignment's
    // product. A frame wider than the 16-bit record is refused; the widest that fits loads.
    std::vector<uint8_t> w = wave, a = aiff;
    PutLe16(w, 22, 0xFFFF);
    PutLe16(w, 34, 0xFFF8);
    PutBe16(a, 20, 0xFFFF);
    PutBe16(a, 26, 0xFFF8);
    EXPECT_EQ(LoadFile(world, "wide.wav", w).result, ErrFileBadData);
    EXPECT_EQ(LoadFile(world, "wide.aif", a).result, ErrFileBadData);
    PutLe16(w, 22, 0x7FFF);
    PutLe16(w, 34, 16);
    const Loaded widest = LoadFile(world, "widest.wav", w);
    ASSERT_EQ(widest.result, VlOk);
    EXPECT_EQ(widest.format.blockAlign, 0xFFFE);
    EXPECT_EQ(widest.format.averageBytesPerSecond, 22050u * 0xFFFEu);
}

TEST(SoundFile, TruncatedAndHostileFilesFailWithoutReadingPastTheEnd)
{
    SoundWorld world;
    const std::vector<uint8_t> wave = mediagen::EncodeWave(Ramp(2, 22050, 16, 10));
    const std::vector<uint8_t> aiff = mediagen::EncodeAiff(Ramp(2, 22050, 16, 10));
    for (size_t length = 0; length < wave.size(); ++length) {
        const Loaded loaded = LoadFile(world, "cut.wav", std::vector<uint8_t>(wave.begin(), wave.begin() + length));
        EXPECT_NE(loaded.result, VlOk) << length;
        EXPECT_TRUE(loaded.data.empty());
    }
    for (size_t length = 0; length < aiff.size(); ++length)
        EXPECT_NE(LoadFile(world, "cut.aif", std::vector<uint8_t>(aiff.begin(), aiff.begin() + length)).result, VlOk)
            << length;

    std::vector<uint8_t> hugeData = wave;
    PutLe32(hugeData, 40, 0xFFFFFFF0u);
    EXPECT_EQ(LoadFile(world, "huge.wav", hugeData).result, ErrFileEOF);

    // A size that would seek back onto its own header must not loop for ever.
    std::vector<uint8_t> backwards = wave;
    std::memcpy(backwards.data() + 12, "junk", 4);
    PutLe32(backwards, 16, 0xFFFFFFF8u);
    EXPECT_EQ(LoadFile(world, "back.wav", backwards).result, ErrFileEOF);

    std::vector<uint8_t> shortSound = aiff;
    PutBe32(shortSound, 42, 4);
    EXPECT_EQ(LoadFile(world, "short.aif", shortSound).result, ErrFileBadData);
    std::vector<uint8_t> hugeSound = aiff;
    PutBe32(hugeSound, 42, 0xFFFFFFFFu);
    EXPECT_EQ(LoadFile(world, "huge.aif", hugeSound).result, ErrFileEOF);
}

TEST(SoundFile, LoadOnceUnloadAndLoadAgain)
{
    SoundWorld world;
    world.WriteFile("waves/Click.wav", mediagen::EncodeWave(Ramp(1, 22050, 8, 100)));
    Vl::Sound* sound = world.Load("waves\\Click.wav");
    ASSERT_NE(sound, nullptr);
    ASSERT_TRUE(sound->IsLoaded());
    EXPECT_EQ(sound->GetName(), "Click.wav");

    EXPECT_EQ(sound->Load(), VlOk);
    EXPECT_EQ(sound->Unload(), VlOk);
    Vl::WaveFormat format;
    uint32_t size = 1;
    const uint8_t* data = nullptr;
    EXPECT_FALSE(sound->GetData(&format, &size, &data));
    EXPECT_EQ(sound->Load(), VlOk);
    EXPECT_TRUE(sound->GetData(&format, &size, &data));
    EXPECT_EQ(size, 100u);
    EXPECT_EQ(sound->Release(), VlOk);
}

TEST(SoundFile, FactoriesCheckTheirArgumentsAndLogFailures)
{
    SoundWorld world;
    Vl::Sound* sound = nullptr;
    EXPECT_EQ(Vlu::SoundCreateAndLoad(&sound, "waves\\none.wav"), ErrFileNotFound);
    EXPECT_EQ(sound, nullptr);
    EXPECT_EQ(world.PlatformLogText(), "Vlu::SoundCreateAndLoad error in Creating filewaves\\none.wav\n");

    world.WriteFile("bad.wav", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd', '!'});
    EXPECT_EQ(Vlu::SoundCreateAndLoad(&sound, "bad.wav"), ErrFileBadData);
    ASSERT_NE(sound, nullptr);
    EXPECT_FALSE(sound->IsLoaded());
    EXPECT_NE(world.PlatformLogText().find("Vlu::SoundCreateAndLoad error in Creating soundbad.wav\n"),
              std::string::npos);
    sound->Release();

    Vl::File* file = nullptr;
    ASSERT_EQ(VlFileCreate(&file, Vl::kF_FromMedia, "bad.wav"), VlOk);
    EXPECT_EQ(VlSoundCreate(nullptr, file), ErrParam);
    EXPECT_EQ(VlSoundCreate(&sound, nullptr), ErrParam);
    EXPECT_EQ(VlGetLastError(), ErrParam);
    file->Release();
}
