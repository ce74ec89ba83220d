// The written music: reading melody and chord texts, the accompaniment drawn from chords, and the
// carols themselves (whole bars, melody and chords in step, ending on the home note).
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "audio/Arranger.h"
#include "audio/Score.h"
#include "gen/MusicCarols.h"

namespace mediagen {
namespace {

TEST(MelodyText, ReadsPitchesLengthsRestsAndBars)
{
    const Melody m = ParseMelody("C4:1 D#4:0.5 Eb4 | B#3:2 Cb5:2 | R:1 A4");
    ASSERT_EQ(m.notes.size(), 6u);
    EXPECT_EQ(m.notes[0].midi, 60);
    EXPECT_EQ(m.notes[1].midi, 63);
    EXPECT_EQ(m.notes[2].midi, 63);
    EXPECT_DOUBLE_EQ(m.notes[2].beats, 0.5);  // a length carries on to the next note
    EXPECT_EQ(m.notes[3].midi, 60);           // B sharp belongs to the octave of its letter
    EXPECT_EQ(m.notes[4].midi, 71);
    EXPECT_DOUBLE_EQ(m.notes[3].beat, 2.0);
    EXPECT_EQ(m.notes[5].midi, 69);
    EXPECT_DOUBLE_EQ(m.notes[5].beat, 7.0);  // after the rest
    ASSERT_EQ(m.bars.size(), 3u);
    EXPECT_DOUBLE_EQ(m.bars[0], 2.0);
    EXPECT_DOUBLE_EQ(m.bars[1], 4.0);
    EXPECT_DOUBLE_EQ(m.beats, 8.0);
    EXPECT_EQ(CheckBars(m.bars, 4.0).substr(0, 5), "bar 1");
}

TEST(MelodyText, RefusesWhatItCannotRead)
{
    for (const char* bad : {"H4:1", "C4:0", "C4:x", "C4:-1", "C", "C#", "C44", "Cx4", "C9"})
        EXPECT_THROW(ParseMelody(bad), std::invalid_argument) << bad;
}

TEST(ChordText, SharesABarAmongChordsWithoutLengths)
{
    const std::vector<ChordSpan> chords = ParseChords("C | F:1 G7 Am | N", 4);
    ASSERT_EQ(chords.size(), 5u);
    EXPECT_DOUBLE_EQ(chords[1].beat, 4.0);
    EXPECT_DOUBLE_EQ(chords[2].beat, 5.0);
    EXPECT_DOUBLE_EQ(chords[2].beats, 1.5);
    EXPECT_DOUBLE_EQ(chords[3].beat, 6.5);
    EXPECT_EQ(chords[3].intervals, (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(ChordAt(chords, 5.2)->root, 7);
    EXPECT_EQ(ChordAt(chords, 9.0), nullptr);  // N: no chord
    EXPECT_EQ(ChordTones(chords[2], 55, 67), (std::vector<int>{55, 59, 62, 65, 67}));
    EXPECT_THROW(ParseChords("Cmaj9", 4), std::invalid_argument);
    EXPECT_THROW(ParseChords("X", 4), std::invalid_argument);
}

TEST(Accompaniment, BassAlternatesRootAndFifthOnTheStrongBeats)
{
    const std::vector<ChordSpan> chords = ParseChords("C | G7", 4);
    const std::vector<ScoreNote> bass = BassLine(chords, 4, 40);
    ASSERT_EQ(bass.size(), 4u);
    EXPECT_EQ(bass[0].midi % 12, 0);
    EXPECT_EQ(bass[1].midi % 12, 7);
    EXPECT_DOUBLE_EQ(bass[1].beat, 2.0);
    EXPECT_EQ(bass[2].midi % 12, 7);
    EXPECT_EQ(bass[3].midi % 12, 2);
    for (const ScoreNote& n : bass) {
        EXPECT_GE(n.midi, 35);
        EXPECT_LE(n.midi, 52);
    }

    // A chord arriving in the middle of a bar of three gets its root where it arrives.
    const std::vector<ScoreNote> waltz = BassLine(ParseChords("C:1 D7:2", 3), 3, 40);
    ASSERT_EQ(waltz.size(), 2u);
    EXPECT_DOUBLE_EQ(waltz[1].beat, 1.0);
    EXPECT_EQ(waltz[1].midi % 12, 2);
}

TEST(Accompaniment, OffBeatChordsFallOnTheWeakBeats)
{
    std::vector<double> beats;
    for (const ScoreNote& n : OffBeatChords(ParseChords("C", 4), 4, 55, 67, 0.5))
        beats.push_back(n.beat);
    for (double b : beats)
        EXPECT_TRUE(b == 1.0 || b == 3.0) << b;
    for (const ScoreNote& n : OffBeatChords(ParseChords("C", 3), 3, 55, 67, 0.5))
        EXPECT_NE(n.beat, 0.0);
}

TEST(Accompaniment, HarmonyStaysBelowTheMelodyOnChordNotes)
{
    const Melody melody = ParseMelody("E5:1 G5 C6 B5 | A5:2 G5:2");
    const std::vector<ChordSpan> chords = ParseChords("C | F:2 C:2", 4);
    const std::vector<ScoreNote> harmony = HarmonyBelow(melody.notes, chords);
    ASSERT_FALSE(harmony.empty());
    for (const ScoreNote& h : harmony) {
        const ScoreNote* over = nullptr;
        for (const ScoreNote& m : melody.notes)
            over = m.beat == h.beat ? &m : over;
        ASSERT_NE(over, nullptr);
        EXPECT_GE(over->midi - h.midi, 3);
        EXPECT_LE(over->midi - h.midi, 9);
        const ChordSpan* chord = ChordAt(chords, h.beat);
        const std::vector<int> tones = ChordTones(*chord, h.midi, h.midi);
        EXPECT_EQ(tones.size(), 1u) << "harmony note " << h.midi << " is not in the chord";
    }
}

// Every carol the tracks are arranged from, section by section.
class CarolText : public ::testing::TestWithParam<Carol> {};

TEST_P(CarolText, BarsAreWholeAndMelodyAndChordsKeepInStep)
{
    const Carol& carol = GetParam();
    for (const CarolSection& section : carol.sections) {
        const Melody melody = ParseMelody(section.melody);
        EXPECT_EQ(CheckBars(melody.bars, carol.beatsPerBar), "") << carol.title;
        EXPECT_EQ(CheckBars(ChordBars(section.chords, carol.beatsPerBar), carol.beatsPerBar), "") << carol.title;
        EXPECT_EQ(melody.bars.size(), ChordBars(section.chords, carol.beatsPerBar).size()) << carol.title;
        for (const ScoreNote& n : melody.notes) {
            EXPECT_GE(n.midi + carol.transpose, 52) << carol.title;
            EXPECT_LE(n.midi + carol.transpose, 84) << carol.title;
        }
    }
    EXPECT_EQ(CheckBars(ParseMelody(carol.lastBar).bars, carol.beatsPerBar), "") << carol.title;
}

// A wrong note or a chord in the wrong bar shows as melody notes that clash on the strong beats.
TEST_P(CarolText, MelodyMostlySitsOnItsChordsOnTheDownbeats)
{
    const Carol& carol = GetParam();
    for (const CarolSection& section : carol.sections) {
        const Melody melody = ParseMelody(section.melody);
        const std::vector<ChordSpan> chords = ParseChords(section.chords, carol.beatsPerBar);
        int downbeats = 0;
        int fitting = 0;
        for (const ScoreNote& n : melody.notes) {
            if (std::fmod(n.beat, carol.beatsPerBar) != 0.0)
                continue;
            const ChordSpan* chord = ChordAt(chords, n.beat);
            if (chord == nullptr)
                continue;
            ++downbeats;
            fitting += ChordTones(*chord, n.midi, n.midi).empty() ? 0 : 1;
        }
        ASSERT_GT(downbeats, 8) << carol.title;
        EXPECT_GE(fitting * 10, downbeats * 8) << carol.title << ": " << fitting << " of " << downbeats;
    }
}

TEST_P(CarolText, EndsOnTheHomeNoteOverTheHomeChord)
{
    const Carol& carol = GetParam();
    const Melody last = ParseMelody(carol.lastBar);
    const std::vector<ChordSpan> lastChords = ParseChords(carol.lastBarChords, carol.beatsPerBar);
    const std::vector<ChordSpan> opening = ParseChords(carol.sections.front().chords, carol.beatsPerBar);
    ASSERT_FALSE(last.notes.empty());
    ASSERT_FALSE(lastChords.empty());
    EXPECT_EQ(CheckBars(ChordBars(carol.lastBarChords, carol.beatsPerBar), carol.beatsPerBar), "") << carol.title;
    const ChordSpan* home = nullptr;
    for (const ChordSpan& c : opening)
        home = home == nullptr && c.root >= 0 ? &c : home;
    ASSERT_NE(home, nullptr);
    EXPECT_EQ(lastChords.back().root, home->root) << carol.title;
    EXPECT_EQ(lastChords.back().intervals, home->intervals) << carol.title;
    EXPECT_EQ(last.notes.back().midi % 12, home->root) << carol.title;
}

INSTANTIATE_TEST_SUITE_P(Carols, CarolText, ::testing::ValuesIn(AllCarols()),
                         [](const ::testing::TestParamInfo<Carol>& info) {
                             std::string name;
                             for (char c : info.param.title)
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
}  // namespace mediagen
