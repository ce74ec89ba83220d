// Placeable Windows metafile encoder: polygons and polylines only, as the format has no curves or paths.
#include "VectorPicture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mediagen {

namespace {

constexpr int kSub = 16;
constexpr int kCurveSteps = 8;

class WmfSink {
public:
    std::vector<uint8_t> bytes;
    uint32_t largest = 0;

    void Begin(uint16_t function)
    {
        mStart = bytes.size();
        U16(0); U16(0);
        U16(function);
    }
    void End()
    {
        const uint32_t words = static_cast<uint32_t>((bytes.size() - mStart) / 2);
        std::memcpy(&bytes[mStart], &words, 4);
        largest = std::max(largest, words);
    }
    void U16(uint16_t v) { bytes.push_back(v & 0xFF); bytes.push_back(v >> 8); }
    void I16(int v) { U16(static_cast<uint16_t>(static_cast<int16_t>(std::clamp(v, -32768, 32767)))); }
    void U32(uint32_t v) { U16(v & 0xFFFF); U16(v >> 16); }
    void Record(uint16_t function, std::initializer_list<int> words)
    {
        Begin(function);
        for (int v : words) I16(v);
        End();
    }

private:
    size_t mStart = 0;
};

int L(double v) { return static_cast<int>(std::lround(v * kSub)); }

struct Ring {
    std::vector<VecPt> points;
    bool closed = false;
};

std::vector<Ring> Flatten(const VecPath& path)
{
    std::vector<Ring> rings;
    VecPt at{0, 0};
    for (const VecSeg& seg : path) {
        switch (seg.type) {
        case VecSeg::Move:
            rings.push_back({{seg.p[0]}, false});
            at = seg.p[0];
            break;
        case VecSeg::Line:
            if (rings.empty() || rings.back().closed) rings.push_back({{at}, false});
            rings.back().points.push_back(seg.p[0]);
            at = seg.p[0];
            break;
        case VecSeg::Curve: {
            if (rings.empty() || rings.back().closed) rings.push_back({{at}, false});
            for (int i = 1; i <= kCurveSteps; ++i) {
                const double t = double(i) / kCurveSteps, u = 1 - t;
                const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
                rings.back().points.push_back({a * at.x + b * seg.p[0].x + c * seg.p[1].x + d * seg.p[2].x,
                                               a * at.y + b * seg.p[0].y + c * seg.p[1].y + d * seg.p[2].y});
            }
            at = seg.p[2];
            break;
        }
        case VecSeg::Close:
            if (!rings.empty()) {
                rings.back().closed = true;
                at = rings.back().points.front();
            }
            break;
        }
    }
    return rings;
}

void PolyPolygon(WmfSink& s, const std::vector<Ring>& rings)
{
    s.Begin(0x0538);
    s.U16(static_cast<uint16_t>(rings.size()));
    for (const Ring& r : rings) s.U16(static_cast<uint16_t>(r.points.size()));
    for (const Ring& r : rings)
        for (const VecPt& p : r.points) { s.I16(L(p.x)); s.I16(L(p.y)); }
    s.End();
}

void CreateBrush(WmfSink& s, VecColour c, uint16_t style = 0)
{
    s.Begin(0x02FC);
    s.U16(style);
    s.U32(c.r | (c.g << 8) | (c.b << 16));
    s.U16(0);
    s.End();
}

void CreatePen(WmfSink& s, uint16_t style, int width, VecColour c)
{
    s.Begin(0x02FA);
    s.U16(style);
    s.I16(width); s.I16(0);
    s.U32(c.r | (c.g << 8) | (c.b << 16));
    s.End();
}

} // namespace

std::vector<uint8_t> EncodeWmf(const VectorPicture& picture)
{
    const int w = std::max(1, picture.width), h = std::max(1, picture.height);
    WmfSink s;
    // Placeable header: box in logical units, 96 x 16 of them to the inch.
    s.U32(0x9AC6CDD7);
    s.U16(0);
    s.I16(0); s.I16(0); s.I16(w * kSub); s.I16(h * kSub);
    s.U16(96 * kSub);
    s.U32(0);
    uint16_t checksum = 0;
    for (int i = 0; i < 10; ++i) checksum ^= static_cast<uint16_t>(s.bytes[2 * i] | (s.bytes[2 * i + 1] << 8));
    s.U16(checksum);
    const size_t headerAt = s.bytes.size();
    s.U16(1); s.U16(9); s.U16(0x0300);
    s.U32(0);            // size in words, patched below
    s.U16(3);            // objects
    s.U32(0);            // largest record, patched below
    s.U16(0);

    s.Record(0x020B, {0, 0});                   // SETWINDOWORG
    s.Record(0x020C, {h * kSub, w * kSub});     // SETWINDOWEXT
    s.Record(0x0102, {1});                      // SETBKMODE transparent
    CreatePen(s, 5, 0, {0, 0, 0});              // slot 0: no outline
    CreateBrush(s, {0, 0, 0}, 1);               // slot 1: hollow brush
    int fillMode = 0;
    int clipDepth = 0;
    std::vector<VecColour> bandColours;
    VecPath clipPath;
    bool clipWinding = true;

    auto fill = [&](const VecPath& path, VecColour colour, bool winding) {
        const std::vector<Ring> rings = Flatten(path);
        if (rings.empty()) return;
        const int mode = winding ? 2 : 1;
        if (mode != fillMode) { s.Record(0x0106, {mode}); fillMode = mode; }
        CreateBrush(s, colour);                 // slot 2
        s.Record(0x012D, {2});
        s.Record(0x012D, {0});
        PolyPolygon(s, rings);
        s.Record(0x012D, {1});
        s.Record(0x01F0, {2});
    };

    for (const VecOp& op : picture.ops) {
        switch (op.kind) {
        case VecOp::Fill:
            if (clipDepth > 0) bandColours.push_back(op.colour);
            else fill(op.path, op.colour, op.winding);
            break;
        case VecOp::Stroke: {
            if (clipDepth > 0) break;
            const uint16_t cap = op.cap == 0 ? 0x200 : op.cap == 2 ? 0x100 : 0;
            const uint16_t join = op.join == 0 ? 0x2000 : op.join == 2 ? 0x1000 : 0;
            CreatePen(s, cap | join, std::max(1, L(op.width)), op.colour); // slot 2
            s.Record(0x012D, {2});
            s.Record(0x012D, {1});
            for (const Ring& r : Flatten(op.path)) {
                if (r.points.size() < 2) continue;
                s.Begin(r.closed ? 0x0324 : 0x0325);
                s.I16(static_cast<int>(r.points.size()));
                for (const VecPt& p : r.points) { s.I16(L(p.x)); s.I16(L(p.y)); }
                s.End();
            }
            s.Record(0x012D, {0});
            s.Record(0x01F0, {2});
            break;
        }
        case VecOp::PushClip:
            // Clipped work is a blend in bands: the clip shape is filled once in their middle colour.
            if (clipDepth++ == 0) {
                clipPath = op.path;
                clipWinding = op.winding;
                bandColours.clear();
            }
            break;
        case VecOp::PopClip:
            if (clipDepth > 0 && --clipDepth == 0 && !bandColours.empty())
                fill(clipPath, bandColours[bandColours.size() / 2], clipWinding);
            break;
        }
    }
    s.Record(0x0000, {});
    const uint32_t words = static_cast<uint32_t>((s.bytes.size() - headerAt) / 2);
    std::memcpy(&s.bytes[headerAt + 6], &words, 4);
    std::memcpy(&s.bytes[headerAt + 12], &s.largest, 4);
    return s.bytes;
}

} // namespace mediagen
