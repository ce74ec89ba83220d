// Note synthesis: subtractive voices (lead, brass, strings), additive bells, plucked strings
// after Karplus and Strong, and a two-operator electric piano.
#include "Instruments.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Biquad.h"
#include "FastSine.h"
#include "Envelope.h"
#include "Noise.h"
#include "OnePole.h"
#include "Oscillator.h"

namespace mediagen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

double VibratoAt(double t, double delay, double rate, double depth)
{
    if (t < delay)
        return 0.0;
    const double ramp = std::min(1.0, (t - delay) / 0.25);
    return ramp * depth * FastSine::OfCycles(rate * t);
}

AudioBuffer Reed(int rate, const NoteRequest& note, double sawShare, double brightness, double attack)
{
    const double release = 0.12;
    AudioBuffer out = AudioBuffer::Seconds(rate, note.seconds + release);
    const Envelope env = Envelope::Adsr(attack, 0.15, 0.78, release, note.seconds);
    Noise noise(note.seed);
    Oscillator body(Wave::Triangle, rate, noise.Uniform());
    Oscillator edge(Wave::Saw, rate, noise.Uniform());
    Oscillator twin(Wave::Saw, rate, noise.Uniform());
    Biquad tone(Biquad::Kind::LowPass, rate, 2000.0, 0.8);
    Biquad breath(Biquad::Kind::BandPass, rate, note.frequency * 2.0, 1.5);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double f = note.frequency * (1.0 + VibratoAt(t, 0.18, 5.3, 0.0045));
        const double e = env.At(t);
        if (i % 32 == 0)
            tone.Set(std::min(rate * 0.45, note.frequency * brightness + 900.0 * e + 400.0), 0.8);
        double s = (1.0 - sawShare) * body.Next(f) + sawShare * 0.5 * (edge.Next(f * 1.0025) + twin.Next(f * 0.9975));
        s = tone.Process(static_cast<float>(s));
        const double puff = std::max(0.0, 1.0 - t / 0.07);
        s += breath.Process(noise.White()) * (0.05 + 0.25 * puff);
        out[i] = static_cast<float>(s * e * note.velocity);
    }
    return out;
}

struct Partial {
    double ratio;
    double amplitude;
    double sixtyDb;
};

AudioBuffer Bars(int rate, const NoteRequest& note, const std::vector<Partial>& partials, double ringScale,
                 double strike)
{
    const double pitchScale = std::clamp(std::pow(523.25 / note.frequency, 0.4), 0.4, 2.0);
    double longest = 0.0;
    for (const Partial& p : partials)
        longest = std::max(longest, p.sixtyDb * pitchScale * ringScale);
    // Bells ring past the written note, but are damped once it is long over, as a player would.
    const double length = std::min(longest, note.seconds + 1.2) + 0.05;
    AudioBuffer out = AudioBuffer::Seconds(rate, length);
    Noise noise(note.seed);
    for (const Partial& p : partials) {
        const double f = note.frequency * p.ratio;
        if (f >= rate * 0.45)
            continue;
        const double phase = noise.Uniform();
        const double t60 = p.sixtyDb * pitchScale * ringScale;
        // A damped sine by recurrence: cheaper than a sine call per sample, and exact enough for a few seconds.
        const double step = kTwoPi * f / rate;
        const double decay = std::exp(-6.907755 / (t60 * rate));
        const double k = 2.0 * std::cos(step) * decay;
        double y1 = std::sin(kTwoPi * phase - step) / decay;
        double y2 = std::sin(kTwoPi * phase - 2.0 * step) / (decay * decay);
        const std::size_t attackSamples = static_cast<std::size_t>(0.0015 * rate);
        for (std::size_t i = 0; i < out.Size(); ++i) {
            const double y = k * y1 - decay * decay * y2;
            y2 = y1;
            y1 = y;
            const double attack = i < attackSamples ? static_cast<double>(i) / attackSamples : 1.0;
            out[i] += static_cast<float>(p.amplitude * attack * y);
        }
    }
    Biquad click(Biquad::Kind::HighPass, rate, 3000.0, 0.7);
    const std::size_t clickLength = std::min(out.Size(), static_cast<std::size_t>(0.004 * rate));
    for (std::size_t i = 0; i < clickLength; ++i)
        out[i] += click.Process(noise.White()) * static_cast<float>(strike * (1.0 - static_cast<double>(i) / clickLength));
    const std::size_t fade = std::min(out.Size(), static_cast<std::size_t>(0.05 * rate));
    for (std::size_t i = 0; i < fade; ++i)
        out[out.Size() - 1 - i] *= static_cast<float>(i) / fade;
    out.Scale(note.velocity);
    return out;
}

// brightness: the pluck's noise keeps overtones up to about this many times the fundamental.
AudioBuffer PluckedString(int rate, const NoteRequest& note, double brightness, double sixtyDb, double release)
{
    const double ring = std::min(sixtyDb, note.seconds + release);
    const std::size_t total = static_cast<std::size_t>((ring + release) * rate);
    const double period = static_cast<double>(rate) / note.frequency;
    const std::size_t excite = std::min(total, static_cast<std::size_t>(std::ceil(period)) + 1);
    std::vector<double> y(total, 0.0);
    Noise noise(note.seed);
    OnePole soften(rate, std::min(9000.0, note.frequency * brightness));
    double mean = 0.0;
    for (std::size_t i = 0; i < excite; ++i) {
        y[i] = soften.LowPass(noise.White());
        mean += y[i];
    }
    for (std::size_t i = 0; i < excite; ++i)
        y[i] -= mean / static_cast<double>(excite);
    // Each trip round the loop loses the same share, so the note falls 60 dB in sixtyDb seconds;
    // the two-point average adds half a sample to the loop, so the read sits half a sample closer.
    const double loss = std::pow(10.0, -3.0 / (sixtyDb * note.frequency));
    const double delay = period - 0.5;
    auto readAt = [&y](double pos) {
        const auto a = static_cast<std::size_t>(pos);
        const double frac = pos - static_cast<double>(a);
        return y[a] * (1.0 - frac) + y[a + 1] * frac;
    };
    for (std::size_t n = excite; n < total; ++n) {
        const double pos = static_cast<double>(n) - delay;
        y[n] = loss * 0.5 * (readAt(pos) + readAt(pos - 1.0));
    }
    AudioBuffer out(rate, total);
    // The pick's scrape is rounded off; what remains is the string.
    Biquad body(Biquad::Kind::LowPass, rate, std::min(7000.0, note.frequency * brightness * 0.8 + 300.0), 0.7);
    for (std::size_t i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double damp = t > ring ? std::max(0.0, 1.0 - (t - ring) / release) : 1.0;
        out[i] = static_cast<float>(body.Process(static_cast<float>(y[i])) * damp * note.velocity);
    }
    return out;
}

AudioBuffer StringPad(int rate, const NoteRequest& note)
{
    const double release = 0.45;
    AudioBuffer out = AudioBuffer::Seconds(rate, note.seconds + release);
    const Envelope env = Envelope::Adsr(0.22, 0.3, 0.85, release, note.seconds);
    Noise noise(note.seed);
    const double detune[3] = {0.9955, 1.0, 1.0047};
    Oscillator saws[3] = {Oscillator(Wave::Saw, rate, noise.Uniform()), Oscillator(Wave::Saw, rate, noise.Uniform()),
                          Oscillator(Wave::Saw, rate, noise.Uniform())};
    Biquad tone(Biquad::Kind::LowPass, rate, std::min(3200.0, note.frequency * 5.0 + 600.0), 0.6);
    Biquad tone2(Biquad::Kind::LowPass, rate, std::min(4200.0, note.frequency * 7.0 + 800.0), 0.6);
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double f = note.frequency * (1.0 + VibratoAt(t, 0.3, 4.8, 0.003));
        double s = 0.0;
        for (int k = 0; k < 3; ++k)
            s += saws[k].Next(f * detune[k]);
        s = tone2.Process(tone.Process(static_cast<float>(s / 3.0)));
        out[i] = static_cast<float>(s * env.At(t) * note.velocity);
    }
    return out;
}

AudioBuffer ElectricPiano(int rate, const NoteRequest& note)
{
    const double release = 0.18;
    const double t60 = std::clamp(3.0 * std::sqrt(261.6 / note.frequency), 0.8, 5.0);
    const double length = std::min(note.seconds, t60) + release;
    AudioBuffer out = AudioBuffer::Seconds(rate, length);
    Noise noise(note.seed);
    const double start = noise.Uniform();
    const double step = note.frequency / rate;  // in turns
    // The brightness, the tine and the body fall away exponentially: kept as running products.
    const double brightFall = std::exp(-1.0 / (0.35 * rate));
    const double tineFall = std::exp(-1.0 / (0.05 * rate));
    const double bodyFall = std::exp(-6.907755 / (t60 * rate));
    double bright = 1.6;
    double tine = 0.12;
    double body = 1.0;
    for (std::size_t i = 0; i < out.Size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double turns = step * static_cast<double>(i);
        const double index = (bright + 0.25) / kTwoPi;
        const double s = FastSine::OfCycles(start + turns + index * FastSine::OfCycles(turns)) +
                         tine * FastSine::OfCycles(turns * 7.0);
        double amp = std::min(1.0, t / 0.002) * body;
        if (t > length - release)
            amp *= std::max(0.0, (length - t) / release);
        out[i] = static_cast<float>(s * amp * note.velocity);
        bright *= brightFall;
        tine *= tineFall;
        body *= bodyFall;
    }
    return out;
}

}  // namespace

AudioBuffer PlayNote(Instrument instrument, int sampleRate, const NoteRequest& note)
{
    switch (instrument) {
    case Instrument::Lead:
        return Reed(sampleRate, note, 0.35, 4.0, 0.03);
    case Instrument::Brass:
        return Reed(sampleRate, note, 0.8, 6.0, 0.045);
    case Instrument::Glockenspiel:
        return Bars(sampleRate, note, {{1.0, 1.0, 1.8}, {2.756, 0.32, 0.7}, {5.404, 0.14, 0.3}, {8.933, 0.06, 0.15}}, 1.0, 0.25);
    case Instrument::Celesta:
        return Bars(sampleRate, note, {{1.0, 1.0, 1.3}, {2.0, 0.28, 0.7}, {3.0, 0.1, 0.4}, {4.16, 0.06, 0.25}}, 1.0, 0.1);
    case Instrument::Pluck:
        return PluckedString(sampleRate, note, 14.0, 1.6, 0.08);
    case Instrument::Bass: {
        AudioBuffer body = PluckedString(sampleRate, note, 7.0, 1.8, 0.07);
        const Envelope env = Envelope::Adsr(0.004, 0.35, 0.55, 0.07, std::min(note.seconds, 1.8));
        Oscillator sub(Wave::Sine, sampleRate);
        for (std::size_t i = 0; i < body.Size(); ++i)
            body[i] += static_cast<float>(0.55 * sub.Next(note.frequency) * env.At(static_cast<double>(i) / sampleRate) * note.velocity);
        return body;
    }
    case Instrument::Strings:
        return StringPad(sampleRate, note);
    case Instrument::Keys:
        return ElectricPiano(sampleRate, note);
    }
    return AudioBuffer(sampleRate);
}

}  // namespace mediagen
