// Parsing the CD drive's command strings.
#include "CdCommand.h"

#include <gtest/gtest.h>

TEST(CdCommand, TheGamesCommandsParse)
{
    EXPECT_EQ(ParseCdCommand("open cdaudio shareable")->verb, CdVerb::Open);
    EXPECT_EQ(ParseCdCommand("set cdaudio time format tmsf")->verb, CdVerb::Set);
    EXPECT_EQ(ParseCdCommand("status cdaudio number of tracks")->item, CdStatusItem::NumberOfTracks);
    EXPECT_EQ(ParseCdCommand("status cdaudio mode")->item, CdStatusItem::Mode);
    EXPECT_EQ(ParseCdCommand("stop cdaudio")->verb, CdVerb::Stop);
    EXPECT_EQ(ParseCdCommand("close cdaudio")->verb, CdVerb::Close);

    const auto ranged = ParseCdCommand("play cdaudio from 3:00:00:00 to 4:00:00:00");
    ASSERT_TRUE(ranged);
    EXPECT_EQ(ranged->verb, CdVerb::Play);
    ASSERT_TRUE(ranged->from && ranged->to);
    EXPECT_EQ(ranged->from->track, 3u);
    EXPECT_EQ(ranged->to->track, 4u);
    EXPECT_EQ(ranged->to->OffsetMs(), 0u);

    const auto toEnd = ParseCdCommand("play cdaudio from 4:00:00:00");
    ASSERT_TRUE(toEnd && toEnd->from);
    EXPECT_FALSE(toEnd->to);
    EXPECT_FALSE(toEnd->notify);
}

TEST(CdCommand, CaseBlanksShortPositionsAndFlags)
{
    const auto command = ParseCdCommand("  PLAY\tCDAudio  TO 2:01:30:74   From 2  notify wait ");
    ASSERT_TRUE(command);
    EXPECT_TRUE(command->notify);
    EXPECT_EQ(command->from->track, 2u);
    EXPECT_EQ(command->from->OffsetMs(), 0u);
    EXPECT_EQ(command->to->OffsetMs(), 90986u);

    const auto resume = ParseCdCommand("play cdaudio");
    ASSERT_TRUE(resume);
    EXPECT_FALSE(resume->from || resume->to);
    EXPECT_EQ(ParseCdCommand("status cdaudio position")->item, CdStatusItem::Position);
    EXPECT_EQ(ParseCdCommand("status cdaudio current track")->item, CdStatusItem::CurrentTrack);
    EXPECT_EQ(ParseCdCommand("open cdaudio")->verb, CdVerb::Open);
    EXPECT_EQ(ParseCdCommand("pause cdaudio wait")->verb, CdVerb::Pause);
}

TEST(CdCommand, AnythingElseIsRefused)
{
    const char* refused[] = {
        "",
        "   ",
        "play",
        "play waveaudio from 3",
        "eject cdaudio",
        "play cdaudio from",
        "play cdaudio to",
        "play cdaudio from 0",
        "play cdaudio from 100",
        "play cdaudio from 1234",
        "play cdaudio from -3",
        "play cdaudio from 3:00:60:00",
        "play cdaudio from 3:00:00:75",
        "play cdaudio from 3::00",
        "play cdaudio from 3:",
        "play cdaudio from :3",
        "play cdaudio from 3:00:00:00:00",
        "play cdaudio from 3 from 4",
        "play cdaudio from 3 until 4",
        "status cdaudio",
        "status cdaudio volume",
        "status cdaudio number of",
        "status cdaudio number of tracks please",
        "set cdaudio time format milliseconds",
        "open cdaudio shareable exclusive",
        "stop cdaudio now",
        "notify cdaudio",
        "a b c d e f g h i j k l m n o p q r s",
    };
    for (const char* text : refused)
        EXPECT_FALSE(ParseCdCommand(text)) << '"' << text << '"';
}
