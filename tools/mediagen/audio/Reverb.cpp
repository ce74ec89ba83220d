// Reverb tanks with the delay lengths of the classic public-domain design, scaled to the sample rate.
#include "Reverb.h"

#include <algorithm>

namespace mediagen {
namespace {

const int kCombLengths[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
const int kAllPassLengths[4] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kInputGain = 0.015f;

std::size_t Scaled(int length, int rate)
{
    return static_cast<std::size_t>(std::max(8, length * rate / 44100));
}

}  // namespace

Reverb::Reverb(int sampleRate, double roomSize, double damping)
    : mFeedback(0.7 + 0.28 * std::clamp(roomSize, 0.0, 1.0)), mDamp(0.4 * std::clamp(damping, 0.0, 1.0)),
      mRate(sampleRate)
{
    for (int side = 0; side < 2; ++side) {
        Tank& tank = side == 0 ? mLeft : mRight;
        const int spread = side == 0 ? 0 : kStereoSpread;
        for (int length : kCombLengths) {
            Comb comb;
            comb.line.assign(Scaled(length + spread, sampleRate), 0.0f);
            tank.combs.push_back(comb);
        }
        for (int length : kAllPassLengths) {
            AllPass pass;
            pass.line.assign(Scaled(length + spread, sampleRate), 0.0f);
            tank.allPasses.push_back(pass);
        }
    }
}

float Reverb::Run(Tank& tank, float input)
{
    float out = 0.0f;
    for (Comb& comb : tank.combs) {
        const float delayed = comb.line[comb.pos];
        comb.store = static_cast<float>(delayed * (1.0 - mDamp) + comb.store * mDamp);
        comb.line[comb.pos] = static_cast<float>(input + comb.store * mFeedback);
        if (++comb.pos == comb.line.size())
            comb.pos = 0;
        out += delayed;
    }
    for (AllPass& pass : tank.allPasses) {
        const float delayed = pass.line[pass.pos];
        pass.line[pass.pos] = out + delayed * 0.5f;
        if (++pass.pos == pass.line.size())
            pass.pos = 0;
        out = delayed - out;
    }
    return out;
}

void Reverb::Process(const std::vector<float>& input, float wet, std::vector<float>& left, std::vector<float>& right,
                     double tailSeconds)
{
    const std::size_t total = input.size() + static_cast<std::size_t>(tailSeconds * mRate);
    if (left.size() < total)
        left.resize(total, 0.0f);
    if (right.size() < total)
        right.resize(total, 0.0f);
    for (std::size_t i = 0; i < total; ++i) {
        const float in = (i < input.size() ? input[i] : 0.0f) * kInputGain;
        left[i] += Run(mLeft, in) * wet;
        right[i] += Run(mRight, in) * wet;
    }
}

void Reverb::ProcessMono(AudioBuffer& buffer, float wet, double tailSeconds)
{
    const std::vector<float> dry = buffer.Samples();
    std::vector<float> left;
    std::vector<float> right;
    Process(dry, wet * 0.5f, left, right, tailSeconds);
    buffer.Resize(left.size());
    for (std::size_t i = 0; i < left.size(); ++i)
        buffer[i] += left[i] + right[i];
}

}  // namespace mediagen
