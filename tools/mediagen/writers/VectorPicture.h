// A picture as filled and stroked outlines in pixel units: what the metafile writers encode.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace mediagen {

struct VecPt {
    double x, y;
};

struct VecSeg {
    enum Type : uint8_t { Move, Line, Curve, Close };
    Type type;
    VecPt p[3]; // Move/Line use p[0]; Curve uses all three (two controls, then the end)
};

using VecPath = std::vector<VecSeg>;

struct VecColour {
    uint8_t r, g, b;
};

struct VecOp {
    enum Kind : uint8_t { Fill, Stroke, PushClip, PopClip };
    VecOp() = default;
    explicit VecOp(Kind k, VecPath p = {}, VecColour c = {0, 0, 0}, bool w = true)
        : kind(k), path(std::move(p)), colour(c), winding(w) {}
    Kind kind = Fill;
    VecPath path;
    VecColour colour{0, 0, 0};
    bool winding = true;
    double width = 1;   // stroke width in pixels
    int cap = 1;        // 0 butt, 1 round, 2 square
    int join = 1;       // 0 miter, 1 round, 2 bevel
};

// Pixel units at 96 dots per inch: a 96-unit wide picture is one inch wide on paper.
struct VectorPicture {
    int width = 0;
    int height = 0;
    std::vector<VecOp> ops;
};

// An enhanced metafile: paths with Bezier curves, geometric pens, clip paths; frame from the size.
std::vector<uint8_t> EncodeEmf(const VectorPicture& picture);
// A placeable Windows metafile: curves flattened into polygons, gradients (clipped bands) as one colour.
std::vector<uint8_t> EncodeWmf(const VectorPicture& picture);

} // namespace mediagen
