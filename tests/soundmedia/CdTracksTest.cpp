// The CD's music tracks as the build generated them: each decodes as 44.1 kHz stereo Ogg Vorbis,
// lasts one to two minutes, is really music-loud, and ends quietly so a loop restarts without a bump.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "OggReader.h"

namespace {

double RmsDb(const std::vector<float>& v, std::size_t from, std::size_t to)
{
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i)
        sum += static_cast<double>(v[i]) * v[i];
    return 10.0 * std::log10(std::max(sum / std::max<std::size_t>(1, to - from), 1e-18));
}

class CdTrack : public ::testing::TestWithParam<const char*> {};

TEST_P(CdTrack, DecodesAsStereoMusicOfOneToTwoMinutes)
{
    const DecodedOgg track = DecodeOggFile(std::string(SKYRUN_DIST_DIR) + "/cd/" + GetParam());
    ASSERT_TRUE(track.opened) << GetParam();
    EXPECT_EQ(track.channels, 2);
    EXPECT_EQ(track.rate, 44100);
    const double seconds = static_cast<double>(track.left.size()) / 44100.0;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 120.0);

    float peak = 0.0f;
    for (std::size_t i = 0; i < track.left.size(); ++i)
        peak = std::max({peak, std::fabs(track.left[i]), std::fabs(track.right[i])});
    EXPECT_LT(peak, 1.0f) << "would clip when played";
    EXPECT_GT(RmsDb(track.left, 0, track.left.size()), -24.0);

    // No stretch of ten seconds drops out: the music carries on from start to end.
    for (std::size_t from = 0; from + 441000 <= track.left.size(); from += 220500)
        EXPECT_GT(RmsDb(track.left, from, from + 441000), -30.0) << "quiet stretch at " << from / 44100 << " s";

    // The stereo picture is real: the two sides differ (instruments are placed left and right).
    double difference = 0.0;
    for (std::size_t i = 0; i < track.left.size(); ++i)
        difference += std::fabs(track.left[i] - track.right[i]);
    EXPECT_GT(difference / track.left.size(), 1e-3);
}

TEST_P(CdTrack, EndsAtRestSoALoopRestartsCleanly)
{
    const DecodedOgg track = DecodeOggFile(std::string(SKYRUN_DIST_DIR) + "/cd/" + GetParam());
    ASSERT_TRUE(track.opened);
    ASSERT_GT(track.left.size(), 44100u);
    const std::size_t end = track.left.size();
    EXPECT_LT(RmsDb(track.left, end - 441, end), -40.0);
    EXPECT_LT(std::fabs(track.left.back()), 0.01f);
    EXPECT_LT(std::fabs(track.right.back()), 0.01f);
}

INSTANTIATE_TEST_SUITE_P(Tracks, CdTrack, ::testing::Values("track02.ogg", "track03.ogg", "track04.ogg"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(0, 7);
                         });

}  // namespace
