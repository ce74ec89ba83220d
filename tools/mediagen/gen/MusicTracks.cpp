// Arrangements of the carols: which instrument plays what in each chorus and verse.
#include "MusicTracks.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

#include "MusicCarols.h"
#include "audio/Arranger.h"
#include "audio/Band.h"
#include "audio/Score.h"

namespace mediagen {
namespace {

constexpr int kRate = 44100;

// One section of a carol placed at a beat of the piece, in the played key.
struct Passage {
    std::vector<ScoreNote> melody;
    std::vector<ChordSpan> chords;
    double start = 0.0;
    double end = 0.0;
};

// The text with its final bar (what follows the last-but-one '|') replaced.
std::string WithLastBar(const std::string& text, const std::string& lastBar)
{
    const std::size_t end = text.find_last_not_of(" |");
    const std::size_t cut = end == std::string::npos ? std::string::npos : text.find_last_of('|', end);
    return (cut == std::string::npos ? std::string() : text.substr(0, cut + 1)) + " " + lastBar + " |";
}

Passage Place(const Carol& carol, const CarolSection& section, double atBeat, bool closing = false)
{
    Passage p;
    std::string melodyText = section.melody;
    std::string chordText = section.chords;
    if (closing) {
        // The final bar of the piece lands on the home note and chord instead of leading on.
        melodyText = WithLastBar(melodyText, carol.lastBar);
        chordText = WithLastBar(chordText, carol.lastBarChords);
    }
    const Melody melody = ParseMelody(melodyText);
    // A slip in a tune's text would shift every later note against its chord: refuse it outright.
    const std::string badBars = CheckBars(melody.bars, carol.beatsPerBar) +
                                CheckBars(ChordBars(chordText, carol.beatsPerBar), carol.beatsPerBar);
    if (!badBars.empty())
        throw std::runtime_error(carol.title + ": " + badBars);
    p.melody = Shift(Transpose(melody.notes, carol.transpose), atBeat);
    p.chords = Shift(Transpose(ParseChords(chordText, carol.beatsPerBar), carol.transpose), atBeat);
    p.start = atBeat;
    p.end = atBeat + melody.beats;
    return p;
}

// The notes or chords starting in [from, to), moved by moveBy beats.
template <typename Timed>
std::vector<Timed> Between(const std::vector<Timed>& events, double from, double to, double moveBy = 0.0)
{
    std::vector<Timed> picked;
    for (const Timed& e : events) {
        if (e.beat >= from - 1e-6 && e.beat < to - 1e-6) {
            Timed moved = e;
            moved.beat += moveBy;
            picked.push_back(moved);
        }
    }
    return picked;
}

// The bars from..to of a passage, moved to start at a beat.
Passage Slice(const Passage& from, double a, double b, double atBeat)
{
    Passage p;
    p.melody = Between(from.melody, a, b, atBeat - a);
    p.chords = Between(from.chords, a, b, atBeat - a);
    p.start = atBeat;
    p.end = atBeat + (b - a);
    return p;
}

// The opening chords, then each passage's, with the last one held on through a closing bar.
std::vector<ChordSpan> ChordChart(std::vector<ChordSpan> chords, std::initializer_list<const Passage*> passages,
                                  double closingBeats)
{
    for (const Passage* p : passages)
        Append(chords, p->chords);
    ChordSpan last = chords.back();
    last.beat = (*(passages.end() - 1))->end;
    last.beats = closingBeats;
    chords.push_back(last);
    return chords;
}

std::vector<double> Grid(double from, double to, double step, double offset = 0.0)
{
    std::vector<double> beats;
    for (double b = from + offset; b < to - 1e-6; b += step)
        beats.push_back(b);
    return beats;
}

std::vector<ScoreNote> Octave(std::vector<ScoreNote> notes, int octaves)
{
    return Transpose(std::move(notes), 12 * octaves);
}

StereoTrack Finish(Band& band, double lengthSeconds, float reverbWet)
{
    band.Mix().ApplyReverb(0.6, 0.45, reverbWet);
    band.Mix().Master(0.84f, lengthSeconds, 0.4);
    StereoTrack track;
    track.sampleRate = kRate;
    track.left = band.Mix().Left();
    track.right = band.Mix().Right();
    return track;
}

const VoiceMix kMelody{0.55f, 0.0f, 0.22f, 0.9};
const VoiceMix kBells{0.32f, 0.25f, 0.3f, 1.0};
const VoiceMix kBass{0.6f, -0.05f, 0.08f, 0.8};
const VoiceMix kChordStabs{0.14f, -0.3f, 0.2f, 0.45};
const VoiceMix kPad{0.085f, -0.45f, 0.35f, 1.0};
const VoiceMix kHarmony{0.3f, 0.4f, 0.25f, 0.9};

}  // namespace

StereoTrack MenuTrack()
{
    const Carol carol = JingleBells();
    const CarolSection& verse = carol.sections[0];
    const CarolSection& chorus = carol.sections[1];
    Band band(kRate, 172.0, 2);

    // Intro (the chorus's last line), verse, chorus, verse, chorus, the last line again, a held chord.
    const Passage tail = Place(carol, chorus, 0.0);
    const Passage intro = Slice(tail, 48, 64, 0);
    const Passage v1 = Place(carol, verse, 16);
    const Passage c1 = Place(carol, chorus, v1.end);
    const Passage v2 = Place(carol, verse, c1.end);
    const Passage c2 = Place(carol, chorus, v2.end);
    const Passage tag = Slice(tail, 48, 64, c2.end);
    const double tagEnd = tag.end;
    const double end = tagEnd + 4;
    band.Ritardando(tagEnd - 8, end, 0.62);

    const std::vector<ChordSpan> chords = ChordChart({}, {&intro, &v1, &c1, &v2, &c2, &tag}, 4);

    band.Play(Instrument::Glockenspiel, Octave(intro.melody, 1), kBells);
    band.Play(Instrument::Lead, v1.melody, kMelody);
    band.Play(Instrument::Lead, c1.melody, kMelody);
    band.Play(Instrument::Glockenspiel, Octave(c1.melody, 1), {0.18f, 0.3f, 0.3f, 1.0});
    band.Play(Instrument::Glockenspiel, Octave(v2.melody, 1), kBells);
    band.Play(Instrument::Pluck, HarmonyBelow(v2.melody, v2.chords), kHarmony);
    band.Play(Instrument::Brass, c2.melody, kMelody);
    band.Play(Instrument::Lead, HarmonyBelow(c2.melody, c2.chords), kHarmony);
    band.Play(Instrument::Glockenspiel, Octave(c2.melody, 1), {0.16f, 0.3f, 0.3f, 1.0});
    band.Play(Instrument::Brass, tag.melody, kMelody);
    band.Play(Instrument::Glockenspiel, Octave(tag.melody, 1), {0.2f, 0.3f, 0.3f, 1.0});
    band.Play(Instrument::Glockenspiel, {{tagEnd, 4, 79, 0.9f}, {tagEnd + 0.5, 4, 83, 0.8f}, {tagEnd + 1, 4, 86, 0.8f},
                                         {tagEnd + 1.5, 4, 91, 0.9f}}, kBells);

    band.Play(Instrument::Bass, BassLine(chords, 4, 40), kBass);
    band.Play(Instrument::Keys, OffBeatChords(chords, 4, 55, 67, 1.0), kChordStabs);
    band.Play(Instrument::Strings, PadChords(Between(chords, v2.start, end), 55, 72), kPad);

    band.Hit(Drum::SleighBells, Grid(4, tagEnd, 0.5), {0.9f, 0.45f, 0.7f, 0.45f}, {0.2f, 0.35f, 0.15f, 1.0});
    band.Hit(Drum::SleighBells, Grid(tagEnd, tagEnd + 2, 0.25), {0.8f, 0.5f}, {0.2f, 0.35f, 0.2f, 1.0});
    band.Hit(Drum::WoodBlock, Grid(v1.start, v1.end, 2.0, 1.0), {0.8f}, {0.16f, -0.5f, 0.1f, 1.0});
    band.Hit(Drum::WoodBlockLow, Grid(v1.start, v1.end, 2.0), {0.8f}, {0.16f, -0.5f, 0.1f, 1.0});
    band.Hit(Drum::WoodBlock, Grid(v2.start, v2.end, 2.0, 1.0), {0.8f}, {0.14f, -0.5f, 0.1f, 1.0});
    band.Hit(Drum::WoodBlockLow, Grid(v2.start, v2.end, 2.0), {0.8f}, {0.14f, -0.5f, 0.1f, 1.0});
    for (const Passage* p : {&c1, &c2}) {
        band.Hit(Drum::Kick, Grid(p->start, p->end, 2.0), {1.0f}, {0.42f, 0.0f, 0.02f, 1.0});
        band.Hit(Drum::Brush, Grid(p->start, p->end, 2.0, 1.0), {1.0f}, {0.16f, 0.1f, 0.15f, 1.0});
    }
    band.Hit(Drum::Triangle, {v1.start, c1.start, v2.start, c2.start, tagEnd}, {1.0f}, {0.16f, 0.6f, 0.3f, 1.0});
    band.Hit(Drum::Kick, {tagEnd}, {1.0f}, {0.5f, 0.0f, 0.05f, 1.0});

    return Finish(band, band.SecondsAt(end) + 1.6, 0.9f);
}

StereoTrack WorkshopTrack()
{
    const Carol carol = DeckTheHalls();
    const CarolSection& verse = carol.sections[0];
    Band band(kRate, 132.0, 3);

    // Two bars of accompaniment, three verses with growing forces, and a closing bar on the tonic.
    const double introEnd = 8;
    const Passage v1 = Place(carol, verse, introEnd);
    const Passage v2 = Place(carol, verse, v1.end);
    const Passage v3 = Place(carol, verse, v2.end, true);
    const double end = v3.end + 4;

    const std::vector<ChordSpan> chords =
        ChordChart(Between(v1.chords, introEnd, introEnd + 8, -introEnd), {&v1, &v2, &v3}, 4);

    band.Play(Instrument::Pluck, v1.melody, {0.6f, -0.1f, 0.2f, 0.7});
    band.Play(Instrument::Celesta, Octave(v1.melody, 1), {0.16f, 0.35f, 0.3f, 0.9});
    band.Play(Instrument::Glockenspiel, Octave(v2.melody, 1), kBells);
    band.Play(Instrument::Lead, HarmonyBelow(v2.melody, v2.chords), kHarmony);
    band.Play(Instrument::Lead, v3.melody, kMelody);
    band.Play(Instrument::Pluck, HarmonyBelow(v3.melody, v3.chords), kHarmony);
    band.Play(Instrument::Glockenspiel, Octave(v3.melody, 1), {0.14f, 0.3f, 0.3f, 1.0});
    band.Play(Instrument::Glockenspiel, {{v3.end, 4, 77, 0.9f}, {v3.end + 0.5, 4, 81, 0.8f}, {v3.end + 1, 4, 84, 0.9f}},
              kBells);

    band.Play(Instrument::Bass, BassLine(chords, 4, 41), kBass);
    band.Play(Instrument::Keys, OffBeatChords(chords, 4, 57, 70, 0.8), kChordStabs);
    band.Play(Instrument::Strings, PadChords(Between(chords, v2.start, end), 57, 74), kPad);
    band.Play(Instrument::Celesta, Arpeggio(Between(chords, v3.start, v3.end), 0.5, 69, 86), {0.07f, 0.5f, 0.3f, 1.0});

    // The tick-tock of a toy workshop, then brushes and bells as the verses grow.
    band.Hit(Drum::WoodBlock, Grid(0, v3.end, 1.0), {0.9f, 0.6f}, {0.13f, 0.55f, 0.1f, 1.0});
    band.Hit(Drum::WoodBlockLow, Grid(0, v3.end, 1.0, 0.5), {0.5f}, {0.1f, -0.55f, 0.1f, 1.0});
    band.Hit(Drum::Brush, Grid(v2.start, v3.end, 2.0, 1.0), {1.0f}, {0.15f, 0.1f, 0.15f, 1.0});
    band.Hit(Drum::Kick, Grid(v2.start, v3.end, 2.0), {1.0f}, {0.38f, 0.0f, 0.02f, 1.0});
    band.Hit(Drum::SleighBells, Grid(v3.start, v3.end, 0.5), {0.8f, 0.4f}, {0.15f, -0.3f, 0.15f, 1.0});
    band.Hit(Drum::Triangle, {v1.start, v2.start, v3.start, v3.end}, {1.0f}, {0.14f, 0.6f, 0.3f, 1.0});

    return Finish(band, band.SecondsAt(end) + 0.5, 0.8f);
}

StereoTrack FlightTrack()
{
    const Carol carol = WeWishYouAMerryChristmas();
    const CarolSection& verse = carol.sections[0];
    Band band(kRate, 176.0, 4);

    // Four bars of lift-off, four verses (lead, bells, music box, full), and a closing bar.
    const double introEnd = 12;
    const Passage v1 = Place(carol, verse, introEnd);
    const Passage v2 = Place(carol, verse, v1.end);
    const Passage v3 = Place(carol, verse, v2.end);
    const Passage v4 = Place(carol, verse, v3.end, true);
    const double end = v4.end + 3;
    const Melody pickup = ParseMelody(carol.pickup);

    const std::vector<ChordSpan> chords =
        ChordChart(Between(v1.chords, introEnd, introEnd + 12, -introEnd), {&v1, &v2, &v3, &v4}, 3);

    band.Play(Instrument::Lead, Shift(Transpose(pickup.notes, carol.transpose), introEnd - 3), kMelody);
    band.Play(Instrument::Lead, v1.melody, kMelody);
    band.Play(Instrument::Glockenspiel, Octave(v2.melody, 1), kBells);
    band.Play(Instrument::Lead, HarmonyBelow(v2.melody, v2.chords), kHarmony);
    band.Play(Instrument::Pluck, v3.melody, {0.6f, -0.1f, 0.2f, 0.7});
    band.Play(Instrument::Celesta, Octave(v3.melody, 1), {0.2f, 0.35f, 0.3f, 0.9});
    band.Play(Instrument::Brass, v4.melody, kMelody);
    band.Play(Instrument::Pluck, HarmonyBelow(v4.melody, v4.chords), kHarmony);
    band.Play(Instrument::Glockenspiel, Octave(v4.melody, 1), {0.15f, 0.3f, 0.3f, 1.0});
    band.Play(Instrument::Glockenspiel, {{v4.end, 3, 81, 0.9f}, {v4.end + 0.5, 3, 85, 0.8f}, {v4.end + 1, 3, 88, 0.9f}},
              kBells);

    band.Play(Instrument::Bass, BassLine(chords, 3, 40), kBass);
    band.Play(Instrument::Keys, OffBeatChords(Between(chords, 0, v3.start), 3, 57, 69, 0.7), kChordStabs);
    band.Play(Instrument::Keys, OffBeatChords(Between(chords, v4.start, end), 3, 57, 69, 0.7), kChordStabs);
    band.Play(Instrument::Celesta, Arpeggio(Between(chords, 0, introEnd), 0.5, 64, 81), {0.14f, 0.45f, 0.35f, 1.0});
    band.Play(Instrument::Celesta, Arpeggio(Between(chords, v3.start, v3.end), 0.5, 64, 81), {0.1f, 0.45f, 0.35f, 1.0});
    band.Play(Instrument::Strings, PadChords(Between(chords, 0, introEnd), 57, 73), kPad);
    band.Play(Instrument::Strings, PadChords(Between(chords, v2.start, v3.start), 57, 73), kPad);
    band.Play(Instrument::Strings, PadChords(Between(chords, v4.start, end), 57, 73), kPad);

    // Sleigh bells carry the flight; a kick marks each bar and the triangle each verse.
    band.Hit(Drum::SleighBells, Grid(introEnd - 3, v3.start, 1.0), {0.9f, 0.55f, 0.6f}, {0.2f, -0.35f, 0.15f, 1.0});
    band.Hit(Drum::SleighBells, Grid(v4.start, v4.end, 0.5), {0.9f, 0.4f, 0.6f, 0.4f, 0.6f, 0.4f},
             {0.2f, -0.35f, 0.15f, 1.0});
    band.Hit(Drum::Shaker, Grid(v3.start, v3.end, 0.5), {0.7f, 0.4f}, {0.1f, 0.35f, 0.1f, 1.0});
    band.Hit(Drum::Kick, Grid(v1.start, v3.start, 3.0), {1.0f}, {0.4f, 0.0f, 0.02f, 1.0});
    band.Hit(Drum::Kick, Grid(v4.start, v4.end, 3.0), {1.0f}, {0.42f, 0.0f, 0.02f, 1.0});
    band.Hit(Drum::Brush, Grid(v4.start, v4.end, 3.0, 1.0), {0.8f, 0.6f}, {0.12f, 0.1f, 0.15f, 1.0});
    band.Hit(Drum::Triangle, {0.0, v1.start, v2.start, v3.start, v4.start, v4.end}, {1.0f}, {0.14f, 0.6f, 0.3f, 1.0});

    return Finish(band, band.SecondsAt(end) + 0.5, 0.85f);
}

}  // namespace mediagen
