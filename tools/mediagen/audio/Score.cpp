// Parsing of melody and chord texts, and small score transformations.
#include "Score.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace mediagen {
namespace {

int PitchClass(char letter)
{
    switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return -1;
    }
}

double ParseLength(const std::string& text, const std::string& token)
{
    std::size_t used = 0;
    double value = 0.0;
    try {
        value = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !(value > 0.0))
        throw std::invalid_argument("bad length in '" + token + "'");
    return value;
}

// Reads a root such as "F#" from the front; answers the pitch class and how many characters it took.
int ReadRoot(const std::string& token, std::size_t& used)
{
    if (token.empty())
        return -1;
    int pc = PitchClass(token[0]);
    if (pc < 0)
        return -1;
    used = 1;
    if (token.size() > 1 && (token[1] == '#' || token[1] == 'b')) {
        pc = (pc + (token[1] == '#' ? 1 : 11)) % 12;
        used = 2;
    }
    return pc;
}

std::vector<int> Quality(const std::string& name, const std::string& token)
{
    if (name.empty()) return {0, 4, 7};
    if (name == "m") return {0, 3, 7};
    if (name == "7") return {0, 4, 7, 10};
    if (name == "m7") return {0, 3, 7, 10};
    if (name == "maj7") return {0, 4, 7, 11};
    if (name == "6") return {0, 4, 7, 9};
    if (name == "dim") return {0, 3, 6};
    if (name == "sus4") return {0, 5, 7};
    throw std::invalid_argument("unknown chord '" + token + "'");
}

std::vector<std::string> Bars(const std::string& text)
{
    std::vector<std::string> bars;
    std::string current;
    for (char c : text) {
        if (c == '|') {
            bars.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (current.find_first_not_of(" \t\n") != std::string::npos)
        bars.push_back(current);
    return bars;
}

}  // namespace

Melody ParseMelody(const std::string& text)
{
    Melody melody;
    double length = 1.0;
    for (const std::string& barText : Bars(text)) {
        std::istringstream words(barText);
        std::string token;
        double barBeats = 0.0;
        while (words >> token) {
            const std::size_t colon = token.find(':');
            const std::string pitch = token.substr(0, colon);
            if (colon != std::string::npos)
                length = ParseLength(token.substr(colon + 1), token);
            if (pitch != "R") {
                std::size_t used = 0;
                const int pc = ReadRoot(pitch, used);
                if (pc < 0 || used >= pitch.size() || pitch.size() - used != 1 || pitch[used] < '0' || pitch[used] > '8')
                    throw std::invalid_argument("bad note '" + token + "'");
                // B#/Cb cross the octave line: the octave digit belongs to the letter.
                const int letterClass = PitchClass(pitch[0]);
                const int octave = pitch[used] - '0';
                const int midi = 12 * (octave + 1) + letterClass + (pc - letterClass + 18) % 12 - 6;
                melody.notes.push_back({melody.beats, length, midi, 1.0f});
            }
            melody.beats += length;
            barBeats += length;
        }
        melody.bars.push_back(barBeats);
    }
    return melody;
}

std::vector<ChordSpan> ParseChords(const std::string& text, double beatsPerBar)
{
    std::vector<ChordSpan> chords;
    double barStart = 0.0;
    for (const std::string& barText : Bars(text)) {
        std::istringstream words(barText);
        std::string token;
        std::vector<ChordSpan> bar;
        std::vector<bool> sized;
        double given = 0.0;
        while (words >> token) {
            const std::size_t colon = token.find(':');
            const std::string name = token.substr(0, colon);
            ChordSpan span;
            if (name != "N") {
                std::size_t used = 0;
                span.root = ReadRoot(name, used);
                if (span.root < 0)
                    throw std::invalid_argument("unknown chord '" + token + "'");
                span.intervals = Quality(name.substr(used), token);
            }
            if (colon != std::string::npos) {
                span.beats = ParseLength(token.substr(colon + 1), token);
                given += span.beats;
            }
            sized.push_back(colon != std::string::npos);
            bar.push_back(span);
        }
        int unsized = 0;
        for (bool s : sized)
            unsized += s ? 0 : 1;
        double at = barStart;
        for (std::size_t i = 0; i < bar.size(); ++i) {
            if (!sized[i])
                bar[i].beats = (beatsPerBar - given) / unsized;
            bar[i].beat = at;
            at += bar[i].beats;
            chords.push_back(bar[i]);
        }
        barStart += bar.empty() ? beatsPerBar : std::max(at - barStart, 0.0);
    }
    return chords;
}

std::vector<double> ChordBars(const std::string& text, double beatsPerBar)
{
    std::vector<double> lengths;
    for (const std::string& barText : Bars(text)) {
        std::vector<ChordSpan> one = ParseChords(barText, beatsPerBar);
        double sum = 0.0;
        for (const ChordSpan& c : one)
            sum += c.beats;
        lengths.push_back(one.empty() ? beatsPerBar : sum);
    }
    return lengths;
}

std::string CheckBars(const std::vector<double>& bars, double beatsPerBar)
{
    std::string problems;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (std::fabs(bars[i] - beatsPerBar) > 1e-6)
            problems += "bar " + std::to_string(i + 1) + " has " + std::to_string(bars[i]) + " beats; ";
    }
    return problems;
}

std::vector<ScoreNote> Transpose(std::vector<ScoreNote> notes, int semitones)
{
    for (ScoreNote& n : notes)
        n.midi += semitones;
    return notes;
}

std::vector<ScoreNote> Shift(std::vector<ScoreNote> notes, double beats)
{
    for (ScoreNote& n : notes)
        n.beat += beats;
    return notes;
}

std::vector<ChordSpan> Transpose(std::vector<ChordSpan> chords, int semitones)
{
    for (ChordSpan& c : chords) {
        if (c.root >= 0)
            c.root = ((c.root + semitones) % 12 + 12) % 12;
    }
    return chords;
}

std::vector<ChordSpan> Shift(std::vector<ChordSpan> chords, double beats)
{
    for (ChordSpan& c : chords)
        c.beat += beats;
    return chords;
}

void Append(std::vector<ScoreNote>& to, const std::vector<ScoreNote>& notes)
{
    to.insert(to.end(), notes.begin(), notes.end());
}

void Append(std::vector<ChordSpan>& to, const std::vector<ChordSpan>& chords)
{
    to.insert(to.end(), chords.begin(), chords.end());
}

const ChordSpan* ChordAt(const std::vector<ChordSpan>& chords, double beat)
{
    for (const ChordSpan& c : chords) {
        if (beat >= c.beat - 1e-9 && beat < c.beat + c.beats - 1e-9)
            return c.root >= 0 ? &c : nullptr;
    }
    return nullptr;
}

std::vector<int> ChordTones(const ChordSpan& chord, int low, int high)
{
    std::vector<int> tones;
    if (chord.root < 0)
        return tones;
    for (int midi = low; midi <= high; ++midi) {
        const int rel = ((midi - chord.root) % 12 + 12) % 12;
        for (int interval : chord.intervals) {
            if (interval % 12 == rel) {
                tones.push_back(midi);
                break;
            }
        }
    }
    return tones;
}

}  // namespace mediagen
