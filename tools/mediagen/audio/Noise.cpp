// Xorshift noise with a fixed seed, and a three-pole pink filter.
#include "Noise.h"

namespace mediagen {

Noise::Noise(std::uint32_t seed) : mState(0x9E3779B97F4A7C15ull ^ (static_cast<std::uint64_t>(seed) * 0xBF58476D1CE4E5B9ull))
{
    if (mState == 0)
        mState = 1;
    for (int i = 0; i < 8; ++i)
        Uniform();
}

double Noise::Uniform()
{
    mState ^= mState << 13;
    mState ^= mState >> 7;
    mState ^= mState << 17;
    return static_cast<double>(mState >> 11) * (1.0 / 9007199254740992.0);
}

float Noise::White()
{
    return static_cast<float>(Uniform() * 2.0 - 1.0);
}

float Noise::Pink()
{
    const double white = White();
    mPink[0] = 0.99765 * mPink[0] + white * 0.0990460;
    mPink[1] = 0.96300 * mPink[1] + white * 0.2965164;
    mPink[2] = 0.57000 * mPink[2] + white * 1.0526913;
    return static_cast<float>((mPink[0] + mPink[1] + mPink[2] + white * 0.1848) * 0.25);
}

int Noise::Below(int bound)
{
    if (bound <= 0)
        return 0;
    return static_cast<int>(Uniform() * bound) % bound;
}

double Noise::Between(double low, double high)
{
    return low + (high - low) * Uniform();
}

}  // namespace mediagen
