// Band-limited interpolation: reading between samples with a Blackman-windowed sinc kernel.
#include "Resampler.h"

#include <algorithm>
#include <cmath>

namespace mediagen {
namespace {

constexpr double kPi = 3.141592653589793;
constexpr int kHalfTaps = 16;

// Reads the input at a fractional position through a low-pass of the given cutoff (1 = input Nyquist).
double ReadAt(const std::vector<float>& in, double position, double cutoff)
{
    const long centre = static_cast<long>(std::floor(position));
    const int half = static_cast<int>(std::ceil(kHalfTaps / cutoff));
    double sum = 0.0;
    for (long k = centre - half + 1; k <= centre + half; ++k) {
        if (k < 0 || k >= static_cast<long>(in.size()))
            continue;
        const double x = position - k;
        const double arg = x * cutoff;
        const double sinc = std::fabs(arg) < 1e-9 ? 1.0 : std::sin(kPi * arg) / (kPi * arg);
        const double w = x / half;  // -1..1 across the window
        if (std::fabs(w) >= 1.0)
            continue;
        const double window = 0.42 + 0.5 * std::cos(kPi * w) + 0.08 * std::cos(2.0 * kPi * w);
        sum += in[static_cast<std::size_t>(k)] * cutoff * sinc * window;
    }
    return sum;
}

AudioBuffer Interpolate(const AudioBuffer& input, double step, int outRate, std::size_t outLength, double cutoff)
{
    AudioBuffer out(outRate, outLength);
    for (std::size_t i = 0; i < outLength; ++i)
        out[i] = static_cast<float>(ReadAt(input.Samples(), i * step, cutoff));
    return out;
}

}  // namespace

AudioBuffer Resample(const AudioBuffer& input, int newRate)
{
    if (newRate == input.SampleRate())
        return input;
    const double step = static_cast<double>(input.SampleRate()) / newRate;
    const auto length = static_cast<std::size_t>(std::floor(input.Size() / step));
    return Interpolate(input, step, newRate, length, std::min(1.0, 1.0 / step) * 0.95);
}

AudioBuffer ChangeSpeed(const AudioBuffer& input, double factor)
{
    if (factor <= 0.0)
        return input;
    const auto length = static_cast<std::size_t>(std::floor(input.Size() / factor));
    return Interpolate(input, factor, input.SampleRate(), length, std::min(1.0, 1.0 / factor) * 0.95);
}

}  // namespace mediagen
