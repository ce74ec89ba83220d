// The built story media: each scene's pictures are drawn in its own palette, the shared black
// pictures stay black under every scene palette, and every sprite has the frames its timeline asks for.
#include "MediaReader.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using mediatest::Colour;
using mediatest::MediaFile;
using mediatest::ReadBmp;
using mediatest::ReadSpx;

struct Scene {
    const char* palette;
    std::vector<const char*> pictures; // quantized against the scene's palette
};

const std::vector<Scene>& Scenes()
{
    static const std::vector<Scene> scenes = {
        {"cutscenes\\pass1\\pass_1_Pallette.bmp",
         {"cutscenes\\pass1\\bg_pass01.bmp", "cutscenes\\pass1\\mask.bmp", "cutscenes\\pass1\\house_mask.bmp",
          "cutscenes\\pass1\\tracks.bmp"}},
        {"cutscenes\\pass2\\NS_Pallette_Pass_02.bmp",
         {"cutscenes\\pass2\\pass2_bg.bmp", "cutscenes\\pass2\\moon.bmp", "cutscenes\\pass2\\chimney_bg.bmp"}},
        {"cutscenes\\fail1\\NS_Pallette_Pass_02.bmp",
         {"cutscenes\\fail1\\black.bmp", "cutscenes\\fail1\\tobin_shadow.bmp", "cutscenes\\fail1\\bramble_shadow.bmp",
          "cutscenes\\fail1\\bramble.bmp", "cutscenes\\fail1\\tobin_sad.bmp", "cutscenes\\fail1\\osric_shadow.bmp"}},
        {"cutscenes\\fail2\\NS_Pallette_Fail_02.bmp",
         {"cutscenes\\fail2\\fail_pose.bmp", "cutscenes\\fail2\\reflection.bmp"}},
        {"cutscenes\\gameover\\game_over_Pallette.bmp",
         {"cutscenes\\gameover\\bg.bmp", "cutscenes\\gameover\\black.bmp", "cutscenes\\gameover\\white_out.bmp"}},
        {"cutscenes\\setup1\\setup_01_pallette.bmp", {"cutscenes\\setup1\\workshop.bmp"}},
        {"cutscenes\\setup2\\setup_2_pall.bmp", {"cutscenes\\setup2\\field.bmp"}},
        {"cutscenes\\celebration\\BG_02_8bit.bmp", {"cutscenes\\celebration\\BG_02_8bit.bmp"}},
    };
    return scenes;
}

TEST(StoryMediaTest, EveryPictureIsDrawnInItsScenesPalette)
{
    const Colour black{0, 0, 0};
    for (const Scene& scene : Scenes()) {
        SCOPED_TRACE(scene.palette);
        const std::vector<Colour> palette = ReadBmp(MediaFile(scene.palette)).colours;
        ASSERT_EQ(palette.size(), 256u);
        // Outlines, the clear colour and the colour key are the same in every palette of the game.
        EXPECT_EQ(palette[0], black);
        EXPECT_EQ(palette[255], black);
        EXPECT_EQ(palette[254], (Colour{255, 0, 255}));
        for (const char* name : scene.pictures) {
            SCOPED_TRACE(name);
            EXPECT_EQ(ReadBmp(MediaFile(name)).colours, palette);
        }
        // The letterbox bars and the backdrop are shared by all scenes: black under each palette.
        for (const char* shared : {"cutscenes\\black.bmp", "fullblack.bmp"}) {
            const mediatest::Picture picture = ReadBmp(MediaFile(shared));
            const std::set<uint8_t> used(picture.pixels.begin(), picture.pixels.end());
            for (uint8_t index : used)
                EXPECT_EQ(palette[index], black) << shared << " index " << int(index);
        }
    }
}

struct SpriteNeed {
    const char* name;
    size_t frames; // the highest sprite frame a timeline shows, plus one
};

TEST(StoryMediaTest, SpritesHaveEveryFrameTheTimelinesShow)
{
    const SpriteNeed needs[] = {
        {"cutscenes\\pass1\\snow2.spx", 9},          {"cutscenes\\pass1\\flag_wave.spx", 5},
        {"cutscenes\\pass1\\sled.spx", 16},          {"cutscenes\\pass1\\sled2.spx", 28},
        {"cutscenes\\pass1\\sled03.spx", 7},         {"cutscenes\\pass1\\snow_splash.spx", 17},
        {"cutscenes\\pass2\\right_blink.spx", 2},    {"cutscenes\\pass2\\left_blink.spx", 2},
        {"cutscenes\\pass2\\chimney.spx", 6},        {"cutscenes\\pass2\\present2_fall.spx", 3},
        {"cutscenes\\pass2\\sleigh.spx", 2},         {"cutscenes\\pass2\\santa.spx", 2},
        {"cutscenes\\pass2\\present_fall.spx", 6},   {"cutscenes\\pass2\\throw.spx", 11},
        {"cutscenes\\pass2\\hat.spx", 5},            {"cutscenes\\pass2\\sac.spx", 2},
        {"cutscenes\\pass2\\reins.spx", 5},          {"cutscenes\\pass2\\reins02.spx", 5},
        {"cutscenes\\fail1\\try_again.spx", 9},      {"cutscenes\\fail1\\tobin_blink.spx", 5},
        {"cutscenes\\fail1\\osric.spx", 3},          {"cutscenes\\fail1\\smoke.spx", 6},
        {"cutscenes\\fail2\\nose_glow.spx", 4},      {"cutscenes\\fail2\\blink.spx", 4},
        {"cutscenes\\fail2\\tail.spx", 8},           {"cutscenes\\fail2\\scratch.spx", 6},
        {"cutscenes\\fail2\\try_again.spx", 9},      {"cutscenes\\gameover\\lightningbolt.spx", 4},
        {"cutscenes\\gameover\\stormy.spx", 9},      {"cutscenes\\gameover\\castle_bright.spx", 1},
        {"cutscenes\\gameover\\flash01.spx", 2},
    };
    for (const SpriteNeed& need : needs) {
        SCOPED_TRACE(need.name);
        const mediatest::Sprite sprite = ReadSpx(MediaFile(need.name));
        EXPECT_GE(sprite.frames.size(), need.frames);
        // Frames that animate must differ: a sprite whose frames are all alike does not move.
        if (need.frames > 1) {
            bool moves = false;
            for (size_t i = 1; i < sprite.frames.size() && !moves; ++i)
                moves = sprite.frames[i].pixels != sprite.frames[0].pixels || sprite.path[i] != sprite.path[0];
            EXPECT_TRUE(moves);
        }
    }
}

} // namespace
