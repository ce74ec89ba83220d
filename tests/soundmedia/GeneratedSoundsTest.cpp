// Every sound the game names, as the build generated it, loaded through the game's own sound reader:
// present, in a format the game plays, audible, not clipped, and free of clicks at its edges or loop seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "VlFile.h"
#include "VlLog.h"
#include "VlSound.h"

namespace {

struct GameSound {
    const char* name;
    bool loops;
};

// The names exactly as the screens load them, so a misspelt file name in the generator fails here.
const GameSound kGameSounds[] = {
    {"waves\\menu\\click01.wav", false},
    {"waves\\menu\\click02.wav", false},
    {"waves\\menu\\quit01.wav", false},
    {"cutscenes\\cut1\\intro_01.wav", false},
    {"cutscenes\\pass1\\tobin_hereIcome03.wav", false},
    {"cutscenes\\pass1\\wind.wav", false},
    {"cutscenes\\pass1\\tobin_yahoo1.wav", false},
    {"cutscenes\\pass1\\engine.wav", false},
    {"cutscenes\\pass1\\wetsplat01.wav", false},
    {"cutscenes\\pass1\\whoosh04.wav", false},
    {"cutscenes\\pass2\\drop.wav", false},
    {"cutscenes\\pass2\\sleighbells.wav", false},
    {"cutscenes\\pass2\\wind.wav", false},
    {"cutscenes\\pass2\\gulp03.wav", false},
    {"cutscenes\\fail1\\music_die.wav", false},
    {"cutscenes\\fail2\\music_die.wav", false},
    {"cutscenes\\gameover\\lightning01.wav", false},
    {"cutscenes\\gameover\\lightning03.wav", false},
    {"cutscenes\\gameover\\laugh.wav", false},
    {"cutscenes\\gameover\\penguin_01.wav", false},
    {"cutscenes\\gameover\\wind.wav", false},
    {"waves\\act1\\hithead.wav", false},
    {"waves\\act1\\inbox.wav", false},
    {"waves\\act1\\catchlife.wav", false},
    {"waves\\act1\\shakehead.wav", false},
    {"waves\\act1\\bees.wav", true},
    {"waves\\act1\\conveyeur.wav", true},
    {"waves\\act1\\motor01.wav", true},
    {"waves\\act1\\motor02.wav", true},
    {"waves\\act1\\glim_great.wav", false},
    {"waves\\act1\\snowblower.wav", false},
    {"waves\\act1\\hole.wav", false},
    {"waves\\act1\\oil.wav", false},
    {"waves\\act1\\penguin03.wav", false},
    {"waves\\act1\\snowgun.wav", false},
    {"navig\\space.wav", true},
    {"navig\\northpole01.wav", false},
    {"navig\\glim01.wav", false},
    {"navig\\glim03.wav", false},
    {"navig\\select.wav", false},
    {"navig\\arrow.wav", false},
    {"navig\\spin.wav", false},
    {"waves\\act2\\house.wav", false},
    {"waves\\act2\\sleigh.wav", true},
    {"waves\\act2\\glimhit.wav", false},
    {"waves\\act2\\penflyer.wav", true},
    {"waves\\act2\\zap.wav", false},
    {"waves\\act2\\snowgun.wav", false},
};

// A loaded sound as samples from -1 to 1.
struct Samples {
    Vl::WaveFormat format;
    std::vector<double> values;
    double fullScaleStep = 0.0;  // the size of one step of the file's word size
};

// Points the game's media directory at the generated tree and its logs at a scratch folder.
class GameMedia {
public:
    GameMedia()
    {
        VlResetPaths();
        VlSetMediaPath(std::string(SKYRUN_DIST_DIR) + "/_media");
        Vl::OpenLogs(mLogs.Path());
    }
    ~GameMedia()
    {
        Vl::CloseLogs();
        VlResetPaths();
    }
    GameMedia(const GameMedia&) = delete;
    GameMedia& operator=(const GameMedia&) = delete;

    // Loads through the game's loader; fails the test (and answers false) when it does not load.
    bool Load(const std::string& name, Samples& out)
    {
        Vl::Sound* sound = nullptr;
        const VlResult result = Vlu::SoundCreateAndLoad(&sound, name);
        EXPECT_EQ(result, VlOk) << name;
        uint32_t size = 0;
        const uint8_t* data = nullptr;
        const bool ok = result == VlOk && sound != nullptr && sound->GetData(&out.format, &size, &data);
        if (ok) {
            const bool eightBit = out.format.bitsPerSample == 8;
            out.fullScaleStep = eightBit ? 1.0 / 128.0 : 1.0 / 32768.0;
            const uint32_t count = eightBit ? size : size / 2;
            out.values.resize(count);
            for (uint32_t i = 0; i < count; ++i) {
                if (eightBit)
                    out.values[i] = (static_cast<int>(data[i]) - 128) / 128.0;
                else
                    out.values[i] = static_cast<int16_t>(data[2 * i] | (data[2 * i + 1] << 8)) / 32768.0;
            }
        }
        if (sound != nullptr)
            sound->Release();
        return ok;
    }

private:
    TempFolder mLogs;
};

class GeneratedSounds : public ::testing::TestWithParam<GameSound> {
protected:
    GameMedia mMedia;
};

double Peak(const std::vector<double>& v)
{
    double peak = 0.0;
    for (double s : v)
        peak = std::max(peak, std::fabs(s));
    return peak;
}

double Rms(const std::vector<double>& v)
{
    double sum = 0.0;
    for (double s : v)
        sum += s * s;
    return v.empty() ? 0.0 : std::sqrt(sum / v.size());
}

double Db(double level)
{
    return 20.0 * std::log10(std::max(level, 1e-9));
}

// The step between neighbouring samples that only one step in a thousand exceeds.
double TypicalLargeStep(const std::vector<double>& v)
{
    std::vector<double> steps;
    for (std::size_t i = 1; i < v.size(); ++i)
        steps.push_back(std::fabs(v[i] - v[i - 1]));
    if (steps.empty())
        return 0.0;
    const std::size_t at = steps.size() - 1 - steps.size() / 1000;
    std::nth_element(steps.begin(), steps.begin() + static_cast<long>(at), steps.end());
    return steps[at];
}

TEST_P(GeneratedSounds, LoadsInAFormatTheGamePlays)
{
    Samples sound;
    ASSERT_TRUE(mMedia.Load(GetParam().name, sound));
    EXPECT_EQ(sound.format.formatTag, 1);
    EXPECT_EQ(sound.format.channels, 1);
    EXPECT_TRUE(sound.format.bitsPerSample == 8 || sound.format.bitsPerSample == 16) << sound.format.bitsPerSample;
    EXPECT_TRUE(sound.format.samplesPerSecond == 11025 || sound.format.samplesPerSecond == 22050)
        << sound.format.samplesPerSecond;
    const double seconds = static_cast<double>(sound.values.size()) / sound.format.samplesPerSecond;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 16.0);
}

TEST_P(GeneratedSounds, IsAudibleAndNotClipped)
{
    Samples sound;
    ASSERT_TRUE(mMedia.Load(GetParam().name, sound));
    const double peak = Peak(sound.values);
    EXPECT_LT(Db(peak), -0.5) << "too close to full scale";
    EXPECT_GT(Db(peak), -10.0) << "left too quiet";
    EXPECT_GT(Db(Rms(sound.values)), -32.0) << "barely audible";
}

TEST_P(GeneratedSounds, EdgesDoNotClick)
{
    Samples sound;
    ASSERT_TRUE(mMedia.Load(GetParam().name, sound));
    ASSERT_GT(sound.values.size(), 2u);
    const double slack = 2.0 * sound.fullScaleStep;
    if (GetParam().loops) {
        // Played looping, the last sample is followed by the first: that step must be no larger
        // than the sound's own large steps.
        const double seam = std::fabs(sound.values.front() - sound.values.back());
        EXPECT_LE(seam, TypicalLargeStep(sound.values) + slack) << "audible jump at the loop seam";
    } else {
        // A one-shot starts and stops at rest, whatever the channel's silence is.
        EXPECT_LE(std::fabs(sound.values.front()), 0.02 + slack);
        EXPECT_LE(std::fabs(sound.values.back()), 0.02 + slack);
    }
}

std::string TestName(const ::testing::TestParamInfo<GameSound>& info)
{
    std::string name;
    for (const char* c = info.param.name; *c != '\0'; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryGameSound, GeneratedSounds, ::testing::ValuesIn(kGameSounds), TestName);

// A loop that is merely quiet at both ends would pass the seam check; these sound all the way round.
TEST(GeneratedLoops, KeepSoundingAcrossTheSeam)
{
    GameMedia media;
    for (const GameSound& s : kGameSounds) {
        if (!s.loops)
            continue;
        Samples sound;
        ASSERT_TRUE(media.Load(s.name, sound));
        const std::size_t window = sound.format.samplesPerSecond / 20;
        ASSERT_GT(sound.values.size(), 4 * window);
        const std::vector<double> head(sound.values.begin(), sound.values.begin() + static_cast<long>(window));
        const std::vector<double> tail(sound.values.end() - static_cast<long>(window), sound.values.end());
        EXPECT_GT(Db(Rms(head)), -45.0) << s.name << " fades in";
        EXPECT_GT(Db(Rms(tail)), -45.0) << s.name << " fades out";
    }
}

}  // namespace
