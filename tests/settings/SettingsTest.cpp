// Reading "gl.config": defaults, token syntax, comments, MediaPath lines and unreadable values.
#include "GlSettings.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetSettings(); }
    void TearDown() override { ResetSettings(); }

    bool Load(const std::string& text)
    {
        mFolder.Write("gl.config", text);
        return LoadSettings(mFolder.File("gl.config"));
    }

    TempFolder mFolder;
};

TEST_F(SettingsTest, DefaultsHoldWithoutAFileAndForEmptyOrCommentOnlyFiles)
{
    EXPECT_FALSE(LoadSettings(mFolder.File("absent.config")));
    EXPECT_FALSE(LoadSettings(mFolder.Path()));
    const GlSettings defaults;
    for (const char* text : {"", "   \n\t\n", "# only a comment\n#another FullScreen 0\n"}) {
        EXPECT_TRUE(Load(text));
        EXPECT_TRUE(Settings().FullScreen);
        EXPECT_TRUE(Settings().PlayCD);
        EXPECT_FALSE(Settings().ShowFrameRate);
        EXPECT_EQ(Settings().MediaPath, "default");
        EXPECT_EQ(Settings().GiftAcceleration, 180);
        EXPECT_EQ(Settings().LandmarkSpeed, 9);
        EXPECT_FLOAT_EQ(Settings().StormCloudDamage, 0.2f);
    }
}

TEST_F(SettingsTest, EveryKindOfValueIsRead)
{
    EXPECT_TRUE(Load("FullScreen 0 PlayCD 7\n"
                     "ShowFrameRate\t1\r\nShowCollisionRects -1\n"
                     "GiftAcceleration 250\nCitySpeed -5 CitySpeedNear +12\n"
                     "StormCloudWander 2147483647\n"
                     "FlyerGunDamage 0.25 StormCloudDamage .5 HitOnHeadDamage 1e-1 SnowballDamage -2.\n"));
    const GlSettings& s = Settings();
    EXPECT_FALSE(s.FullScreen);
    EXPECT_TRUE(s.PlayCD);
    EXPECT_TRUE(s.ShowFrameRate);
    EXPECT_TRUE(s.ShowCollisionRects);
    EXPECT_EQ(s.GiftAcceleration, 250);
    EXPECT_EQ(s.CitySpeed, -5);
    EXPECT_EQ(s.CitySpeedNear, 12);
    EXPECT_EQ(s.StormCloudWander, 2147483647);
    EXPECT_FLOAT_EQ(s.FlyerGunDamage, 0.25f);
    EXPECT_FLOAT_EQ(s.StormCloudDamage, 0.5f);
    EXPECT_FLOAT_EQ(s.HitOnHeadDamage, 0.1f);
    EXPECT_FLOAT_EQ(s.SnowballDamage, -2.0f);
}

TEST_F(SettingsTest, KeysAreExactTokensAndTheLastOccurrenceWins)
{
    EXPECT_TRUE(Load("FrostineOdds 5 FrostineOdds 50\n"
                     "fullscreen 0 FullScreen=0 0\n"
                     "Unknown 3 SleighSpeed 99\n"
                     "CloudSpeed 10\nCloudSpeed 11\n"));
    EXPECT_EQ(Settings().FrostineOdds, 50);
    EXPECT_TRUE(Settings().FullScreen);
    EXPECT_EQ(Settings().SleighSpeed, 99);
    EXPECT_EQ(Settings().CloudSpeed, 11);
}

TEST_F(SettingsTest, HashStartsACommentOnlyAtTheStartOfAKey)
{
    EXPECT_TRUE(Load("# FullScreen 0\n"
                     "PlayCD 0 # ShowFrameRate 1\n"
                     "Sleigh#Speed 5 CloudSpacing 7\n"));
    EXPECT_TRUE(Settings().FullScreen);
    EXPECT_FALSE(Settings().PlayCD);
    EXPECT_FALSE(Settings().ShowFrameRate);
    EXPECT_EQ(Settings().SleighSpeed, 150);
    EXPECT_EQ(Settings().CloudSpacing, 7);
}

TEST_F(SettingsTest, ACommentSkipsAtMost256Characters)
{
    // After the key "#" the comment discards 256 characters; the rest of the
    // line is read as tokens again ("tail" being an unknown key).
    std::string comment = "# " + std::string(255, '-') + "tail CloudSpacing 42\nLandmarkSpeed 3\n";
    EXPECT_TRUE(Load(comment));
    EXPECT_EQ(Settings().CloudSpacing, 42);
    EXPECT_EQ(Settings().LandmarkSpeed, 3);
}

TEST_F(SettingsTest, MediaPathTakesTheRestOfTheLineWithInnerSpaces)
{
    EXPECT_TRUE(Load("MediaPath   D:\\game media\\\r\nFullScreen 0\n"));
    EXPECT_EQ(Settings().MediaPath, "D:\\game media\\");
    EXPECT_FALSE(Settings().FullScreen);

    ResetSettings();
    EXPECT_TRUE(Load("MediaPath\n\n  /srv/skyrun media\nPlayCD 0"));
    EXPECT_EQ(Settings().MediaPath, "/srv/skyrun media");
    EXPECT_FALSE(Settings().PlayCD);
}

TEST_F(SettingsTest, MediaPathOf254CharactersFitsAndLongerOrMissingKeepsTheOldOne)
{
    std::string fits(254, 'p');
    EXPECT_TRUE(Load("MediaPath " + fits + "\nPlayCD 0\n"));
    EXPECT_EQ(Settings().MediaPath, fits);
    EXPECT_FALSE(Settings().PlayCD);

    ResetSettings();
    EXPECT_TRUE(Load("FullScreen 0\nMediaPath " + std::string(255, 'p') + "\nPlayCD 0\n"));
    EXPECT_EQ(Settings().MediaPath, "default");
    EXPECT_FALSE(Settings().FullScreen);
    EXPECT_FALSE(Settings().PlayCD);

    ResetSettings();
    EXPECT_TRUE(Load("MediaPath   \n"));
    EXPECT_EQ(Settings().MediaPath, "default");
}

TEST_F(SettingsTest, ALineWithAValueThatIsNotANumberIsSkippedWithAWarningAndReadingGoesOn)
{
    mFolder.Write("gl.config", "PlayCD 0\nFullScreen yes PauseOnFocusLoss 0\r\nShowFrameRate 1\nCitySpeed\nSleighSpeed 7\n");
    std::ostringstream warnings;
    EXPECT_TRUE(LoadSettings(mFolder.File("gl.config"), warnings));
    EXPECT_FALSE(Settings().PlayCD);
    EXPECT_TRUE(Settings().FullScreen);
    EXPECT_TRUE(Settings().PauseOnFocusLoss) << "the rest of a bad line is not read";
    EXPECT_TRUE(Settings().ShowFrameRate);
    EXPECT_EQ(Settings().CitySpeed, 105);
    EXPECT_EQ(Settings().SleighSpeed, 7) << "a key without a value leaves the next line alone";
    EXPECT_EQ(warnings.str(), mFolder.File("gl.config") +
                                  " line 2: no usable value for FullScreen in \"FullScreen yes PauseOnFocusLoss 0\"; "
                                  "the line is skipped.\n" +
                                  mFolder.File("gl.config") +
                                  " line 4: no usable value for CitySpeed in \"CitySpeed\"; the line is skipped.\n");

    ResetSettings();
    warnings.str("");
    mFolder.Write("gl.config", "MediaPath " + std::string(300, 'p') + "\nPauseOnFocusLoss 0\n");
    EXPECT_TRUE(LoadSettings(mFolder.File("gl.config"), warnings));
    EXPECT_EQ(Settings().MediaPath, "default");
    EXPECT_FALSE(Settings().PauseOnFocusLoss);
    EXPECT_NE(warnings.str().find(" line 1: no usable value for MediaPath"), std::string::npos);

    for (const char* text : {"CitySpeed 2147483648 PlayCD 0", "CitySpeed - PlayCD 0", "FlyerGunDamage inf PlayCD 0",
                             "FlyerGunDamage 1e99 PlayCD 0", "SnowballDamage . PlayCD 0", "CitySpeed"}) {
        ResetSettings();
        EXPECT_TRUE(Load(text)) << text;
        EXPECT_TRUE(Settings().PlayCD) << text;
        EXPECT_EQ(Settings().CitySpeed, 105) << text;
        EXPECT_FLOAT_EQ(Settings().FlyerGunDamage, 0.1f) << text;
    }
}

TEST_F(SettingsTest, ANumberEndsWhereItsCharactersEnd)
{
    // "12abc" is the number 12 and then the unknown key "abc"; an exponent
    // without digits is not part of the number.
    EXPECT_TRUE(Load("CitySpeed 12abc 4 SleighSpeed 3\nFlyerGunDamage 0.5e SnowballDamage 0.3"));
    EXPECT_EQ(Settings().CitySpeed, 12);
    EXPECT_EQ(Settings().SleighSpeed, 3);
    EXPECT_FLOAT_EQ(Settings().FlyerGunDamage, 0.5f);
    EXPECT_FLOAT_EQ(Settings().SnowballDamage, 0.3f);
}

} // namespace
