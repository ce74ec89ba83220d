// Enhanced metafile encoder: one brush or pen per shape, created, used in a path bracket and deleted.
#include "VectorPicture.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mediagen {

namespace {

// Logical units per pixel: keeps curves smooth in whole-number coordinates.
constexpr int kSub = 16;

class EmfSink {
public:
    std::vector<uint8_t> bytes;
    uint32_t records = 0;

    void Begin(uint32_t type)
    {
        mStart = bytes.size();
        U32(type);
        U32(0);
    }
    void End()
    {
        while ((bytes.size() - mStart) % 4) bytes.push_back(0);
        const uint32_t size = static_cast<uint32_t>(bytes.size() - mStart);
        std::memcpy(&bytes[mStart + 4], &size, 4);
        ++records;
    }
    void U32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void I32(int32_t v) { U32(static_cast<uint32_t>(v)); }
    void Record(uint32_t type, std::initializer_list<int32_t> values)
    {
        Begin(type);
        for (int32_t v : values) I32(v);
        End();
    }

private:
    size_t mStart = 0;
};

int32_t L(double v) { return static_cast<int32_t>(std::lround(v * kSub)); }
uint32_t ColourRef(VecColour c) { return c.r | (c.g << 8) | (c.b << 16); }

void EmitPath(EmfSink& s, const VecPath& path)
{
    s.Record(59, {}); // BEGINPATH
    size_t i = 0;
    while (i < path.size()) {
        const VecSeg& seg = path[i];
        switch (seg.type) {
        case VecSeg::Move: s.Record(27, {L(seg.p[0].x), L(seg.p[0].y)}); ++i; break;
        case VecSeg::Line: s.Record(54, {L(seg.p[0].x), L(seg.p[0].y)}); ++i; break;
        case VecSeg::Close: s.Record(61, {}); ++i; break;
        case VecSeg::Curve: {
            size_t j = i;
            while (j < path.size() && path[j].type == VecSeg::Curve) ++j;
            s.Begin(5); // POLYBEZIERTO
            s.I32(0); s.I32(0); s.I32(-1); s.I32(-1); // bounds: none given
            s.U32(static_cast<uint32_t>((j - i) * 3));
            for (size_t k = i; k < j; ++k)
                for (const VecPt& p : path[k].p) { s.I32(L(p.x)); s.I32(L(p.y)); }
            s.End();
            i = j;
            break;
        }
        }
    }
    s.Record(60, {}); // ENDPATH
}

} // namespace

std::vector<uint8_t> EncodeEmf(const VectorPicture& picture)
{
    EmfSink s;
    const int w = std::max(1, picture.width), h = std::max(1, picture.height);
    // Header: a 96-dpi reference device of 1920 x 1440 pixels, 508 x 381 mm.
    s.Begin(1);
    s.I32(0); s.I32(0); s.I32(w - 1); s.I32(h - 1);                   // bounds, pixels
    s.I32(0); s.I32(0);
    s.I32(static_cast<int32_t>(std::lround(w * 2540.0 / 96)));        // frame, 0.01 mm
    s.I32(static_cast<int32_t>(std::lround(h * 2540.0 / 96)));
    s.U32(0x464D4520);                                                // " EMF"
    s.U32(0x10000);                                                   // version
    s.U32(0);                                                         // bytes, patched below
    s.U32(0);                                                         // records, patched below
    s.U32(3);                                                         // handles (16-bit) + reserved
    s.U32(0); s.U32(0); s.U32(0);                                     // description, palette
    s.I32(1920); s.I32(1440); s.I32(508); s.I32(381);                 // device pixels and millimetres
    s.U32(0); s.U32(0); s.U32(0);                                     // pixel format, OpenGL
    s.I32(508000); s.I32(381000);                                     // device micrometres
    s.End();

    s.Record(17, {8});                       // SETMAPMODE anisotropic
    s.Record(9, {w * kSub, h * kSub});       // SETWINDOWEXTEX
    s.Record(11, {w, h});                    // SETVIEWPORTEXTEX
    s.Record(18, {1});                       // SETBKMODE transparent
    int fillMode = 0;
    for (const VecOp& op : picture.ops) {
        const int mode = op.winding ? 2 : 1;
        if ((op.kind == VecOp::Fill || op.kind == VecOp::PushClip) && mode != fillMode) {
            s.Record(19, {mode});            // SETPOLYFILLMODE
            fillMode = mode;
        }
        switch (op.kind) {
        case VecOp::Fill:
            s.Record(39, {1, 0, static_cast<int32_t>(ColourRef(op.colour)), 0}); // CREATEBRUSHINDIRECT
            s.Record(37, {1});
            s.Record(37, {static_cast<int32_t>(0x80000008u)});                     // NULL_PEN
            EmitPath(s, op.path);
            s.Record(62, {0, 0, -1, -1});                                         // FILLPATH
            s.Record(37, {static_cast<int32_t>(0x80000000u)});                     // WHITE_BRUSH
            s.Record(40, {1});
            break;
        case VecOp::Stroke: {
            const uint32_t cap = op.cap == 0 ? 0x200 : op.cap == 2 ? 0x100 : 0;
            const uint32_t join = op.join == 0 ? 0x2000 : op.join == 2 ? 0x1000 : 0;
            s.Begin(95); // EXTCREATEPEN
            s.U32(2);
            s.U32(0); s.U32(0); s.U32(0); s.U32(0);
            s.U32(0x10000 | cap | join);
            s.U32(static_cast<uint32_t>(std::max<long>(1, std::lround(op.width * kSub))));
            s.U32(0); s.U32(ColourRef(op.colour)); s.U32(0); s.U32(0);
            s.End();
            s.Record(37, {2});
            s.Record(37, {static_cast<int32_t>(0x80000005u)});                     // NULL_BRUSH
            EmitPath(s, op.path);
            s.Record(64, {0, 0, -1, -1});                                         // STROKEPATH
            s.Record(37, {static_cast<int32_t>(0x80000007u)});                     // BLACK_PEN
            s.Record(40, {2});
            break;
        }
        case VecOp::PushClip:
            s.Record(33, {});                                                     // SAVEDC
            EmitPath(s, op.path);
            s.Record(67, {1});                                                    // SELECTCLIPPATH and
            break;
        case VecOp::PopClip:
            s.Record(34, {-1});                                                   // RESTOREDC
            fillMode = 0;
            break;
        }
    }
    s.Record(14, {0, 16, 20});                                                    // EOF
    const uint32_t total = static_cast<uint32_t>(s.bytes.size());
    std::memcpy(&s.bytes[48], &total, 4);
    std::memcpy(&s.bytes[52], &s.records, 4);
    return s.bytes;
}

} // namespace mediagen
