// Scene palettes, screen-space canvases and picture encoding for the story scenes.
#include "StoryStage.h"

#include "MediaGenerator.h"
#include "StorySprite.h"
#include "paint/Ink.h"
#include "paint/PictureFile.h"

#include "BmpWriter.h"

#include <algorithm>

namespace mediagen {

Palette ScenePalette(const std::vector<SceneRamp>& ramps)
{
    Palette palette = GamePalette();
    for (const SceneRamp& scene : ramps) {
        const int count = scene.ramp.count;
        for (int i = 0; i < count; ++i) {
            const double t = count > 1 ? double(i) / (count - 1) * double(scene.keys.size() - 1) : 0.0;
            const size_t a = std::min(size_t(t), scene.keys.size() - 2);
            palette[scene.ramp.first + i] = MixRgb(scene.keys[a], scene.keys[a + 1], t - double(a));
        }
    }
    return palette;
}

std::vector<uint8_t> EncodePaletteFile(const Palette& palette)
{
    IndexedImage swatches{128, 128, std::vector<uint8_t>(128 * 128)};
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) swatches.pixels[y * 128 + x] = uint8_t((y / 8) * 16 + x / 8);
    return EncodeBmp8(swatches, palette);
}

Canvas PictureCanvas(int left, int top, int width, int height)
{
    Canvas canvas(width, height);
    cairo_translate(canvas.Cr(), -left, -top);
    return canvas;
}

cairo_t* BeginStageFrame(Canvas& stage)
{
    stage.Clear();
    cairo_t* cr = stage.Cr();
    cairo_identity_matrix(cr);
    cairo_translate(cr, -kStageLeft, 0);
    return cr;
}

void WriteStageSprite(const OutputTree& out, const Palette& palette, const std::string& name, int x, int y,
                      int frames, const std::function<void(cairo_t*, int frame)>& paint)
{
    StorySprite sprite(x, y, palette);
    Canvas stage(kStageWidth, kStageHeight);
    for (int i = 0; i < frames; ++i) {
        cairo_t* cr = BeginStageFrame(stage);
        paint(cr, i);
        sprite.AddFrame(stage, kStageLeft, 0);
    }
    WriteOrThrow(out.MediaPath(name), sprite.Encode());
}

std::vector<uint8_t> EncodeScenePicture(const Canvas& canvas, const Palette& palette, bool soft)
{
    QuantizeOptions options;
    if (soft) {
        options.dither = true;
        options.ditherSpread = 8;
    }
    return EncodeCanvasBmp(canvas, palette, options);
}

Point UserToCanvas(cairo_t* cr, double x, double y)
{
    cairo_user_to_device(cr, &x, &y);
    return {x, y};
}

} // namespace mediagen
