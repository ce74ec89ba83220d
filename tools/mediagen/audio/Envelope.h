// Amplitude curves over time: breakpoint lines, attack-decay-sustain-release, exponential decay.
#pragma once

#include <initializer_list>
#include <vector>

namespace mediagen {

class Envelope {
public:
    struct Point {
        double time;
        double level;
    };

    // Straight lines between points; before the first and after the last the end levels hold.
    Envelope(std::initializer_list<Point> points);
    explicit Envelope(std::vector<Point> points);

    static Envelope Adsr(double attack, double decay, double sustain, double release, double noteLength);

    double At(double time) const;

private:
    std::vector<Point> mPoints;
};

// A quick exponential fall that reaches about -60 dB after the given time; 1 at time 0.
double DecayCurve(double time, double sixtyDbTime);

}  // namespace mediagen
