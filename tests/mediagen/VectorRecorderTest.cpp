// Cairo drawing recorded as outlines for the metafiles: colours, device-space paths, stroke widths under
// scaling, blends as clipped bands, glows left out; and the two encoders' headers and end records.
#include "VectorPicture.h"
#include "paint/VectorRecorder.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace mediagen;

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at)
{
    uint32_t v = 0;
    std::memcpy(&v, &b[at], 4);
    return v;
}

} // namespace

TEST(VectorRecorder, FillsAndStrokesKeepColourPlaceAndWidth)
{
    VectorRecorder recorder(100, 80);
    cairo_t* cr = recorder.Cr();
    cairo_set_source_rgb(cr, 1, 0, 0);
    cairo_rectangle(cr, 10, 20, 30, 40);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_scale(cr, 2, 2);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 5, 5);
    cairo_line_to(cr, 20, 5);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_set_source_rgba(cr, 0, 1, 0, 0.3); // see-through paint is left out
    cairo_rectangle(cr, 0, 0, 5, 5);
    cairo_fill(cr);
    const VectorPicture picture = recorder.Finish();
    ASSERT_EQ(picture.ops.size(), 2u);
    const VecOp& fill = picture.ops[0];
    EXPECT_EQ(fill.kind, VecOp::Fill);
    EXPECT_EQ(fill.colour.r, 255);
    EXPECT_EQ(fill.colour.b, 0);
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const VecSeg& s : fill.path)
        if (s.type != VecSeg::Close) {
            minX = std::min(minX, s.p[0].x); maxX = std::max(maxX, s.p[0].x);
            minY = std::min(minY, s.p[0].y); maxY = std::max(maxY, s.p[0].y);
        }
    EXPECT_DOUBLE_EQ(minX, 10);
    EXPECT_DOUBLE_EQ(maxX, 40);
    EXPECT_DOUBLE_EQ(minY, 20);
    EXPECT_DOUBLE_EQ(maxY, 60);
    const VecOp& stroke = picture.ops[1];
    EXPECT_EQ(stroke.kind, VecOp::Stroke);
    EXPECT_EQ(stroke.colour.b, 255);
    EXPECT_NEAR(stroke.width, 6, 1e-6); // 3 user units at scale 2
    ASSERT_FALSE(stroke.path.empty());
    EXPECT_NEAR(stroke.path.back().p[0].x, 40, 1e-6); // the path arrives in device space
}

TEST(VectorRecorder, BlendsBecomeClippedBandsAndGlowsAreLeftOut)
{
    VectorRecorder recorder(100, 100);
    cairo_t* cr = recorder.Cr();
    cairo_pattern_t* blend = cairo_pattern_create_linear(0, 0, 0, 100);
    cairo_pattern_add_color_stop_rgb(blend, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(blend, 1, 0, 0, 0.5);
    cairo_set_source(cr, blend);
    cairo_rectangle(cr, 0, 0, 100, 100);
    cairo_fill(cr);
    cairo_pattern_destroy(blend);
    cairo_pattern_t* glow = cairo_pattern_create_radial(50, 50, 2, 50, 50, 20);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 0, 0.8);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1, 1, 0, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, 50, 50, 20, 0, 6.3);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    const VectorPicture picture = recorder.Finish();
    ASSERT_GE(picture.ops.size(), 10u);
    EXPECT_EQ(picture.ops.front().kind, VecOp::PushClip);
    EXPECT_EQ(picture.ops.back().kind, VecOp::PopClip);
    int bands = 0;
    for (const VecOp& op : picture.ops) bands += op.kind == VecOp::Fill;
    EXPECT_GE(bands, 20);
    // Top bands light, bottom bands dark blue.
    EXPECT_GT(picture.ops[2].colour.r, 200);
    EXPECT_LT(picture.ops[picture.ops.size() - 3].colour.r, 40);
}

TEST(VectorEncoders, HeadersAndEndRecords)
{
    VectorPicture picture;
    picture.width = 96;
    picture.height = 48;
    VecOp fill(VecOp::Fill, {{VecSeg::Move, {{0, 0}}}, {VecSeg::Curve, {{10, 0}, {20, 10}, {30, 30}}}, {VecSeg::Close, {}}},
               {10, 20, 30});
    picture.ops.push_back(fill);
    const std::vector<uint8_t> emf = EncodeEmf(picture);
    EXPECT_EQ(U32(emf, 0), 1u);
    EXPECT_EQ(U32(emf, 40), 0x464D4520u);
    EXPECT_EQ(U32(emf, 48), emf.size());
    EXPECT_EQ(U32(emf, 32), 2540u); // frame right: one inch in 0.01 mm
    EXPECT_EQ(U32(emf, emf.size() - 20), 14u);
    const std::vector<uint8_t> wmf = EncodeWmf(picture);
    EXPECT_EQ(U32(wmf, 0), 0x9AC6CDD7u);
    EXPECT_EQ(wmf[14] | (wmf[15] << 8), 96 * 16); // units per inch
    EXPECT_EQ(U32(wmf, 22 + 6) * 2, wmf.size() - 22);
    EXPECT_EQ(wmf[wmf.size() - 2] | (wmf[wmf.size() - 1] << 8), 0); // META_EOF
}
