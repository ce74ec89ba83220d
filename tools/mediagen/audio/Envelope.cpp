// Breakpoint envelopes evaluated by time.
#include "Envelope.h"

#include <algorithm>
#include <cmath>

namespace mediagen {

Envelope::Envelope(std::initializer_list<Point> points) : mPoints(points) {}

Envelope::Envelope(std::vector<Point> points) : mPoints(std::move(points)) {}

Envelope Envelope::Adsr(double attack, double decay, double sustain, double release, double noteLength)
{
    const double held = std::max(noteLength, attack);
    return Envelope({{0.0, 0.0},
                     {attack, 1.0},
                     {std::max(attack + decay, attack), sustain},
                     {held, sustain},
                     {held + release, 0.0}});
}


double Envelope::At(double time) const
{
    if (mPoints.empty())
        return 0.0;
    if (time <= mPoints.front().time)
        return mPoints.front().level;
    for (std::size_t i = 1; i < mPoints.size(); ++i) {
        const Point& a = mPoints[i - 1];
        const Point& b = mPoints[i];
        if (time <= b.time) {
            if (b.time <= a.time)
                return b.level;
            return a.level + (b.level - a.level) * (time - a.time) / (b.time - a.time);
        }
    }
    return mPoints.back().level;
}


double DecayCurve(double time, double sixtyDbTime)
{
    if (time < 0.0)
        return 0.0;
    return std::exp(-6.907755 * time / sixtyDbTime);
}

}  // namespace mediagen
