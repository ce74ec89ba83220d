// The 51 catalogue items: what each one shows, its size and the format it is written in.
#include "ClipArtCatalogue.h"

#include "CardFolk.h"
#include "CardScenes.h"
#include "GiftArt.h"
#include "GlimmerArt.h"
#include "PenguinArt.h"
#include "SleighArt.h"
#include "SnowmobileArt.h"
#include "StoryPresent.h"
#include "VillageArt.h"
#include "FrontDecor.h"

namespace mediagen {

namespace {

// Backgrounds are 5520 twips high at their natural size, the canvas's full height at its first scale.
constexpr int kSceneWidth = 584;
constexpr int kSceneHeight = 368;

using Draw = void (*)(cairo_t*, double, double);

template <GlimmerPose pose, GlimmerView view, int phase100, bool left>
void GlimmerItem(cairo_t* cr, double w, double h)
{
    DrawGlimmer(cr, {w / 2, h - 6, 1.2, left}, {pose, view, phase100 / 100.0, false});
}

void GlimmerLookingBack(cairo_t* cr, double w, double h)
{
    DrawGlimmer(cr, {w / 2, h - 6, 1.2, false}, {GlimmerPose::Stand, GlimmerView::Side, 0.0, false, true});
}

CardElfLook Pupkin()
{
    CardElfLook look;
    look.tunic = pal::kRed[8];
    look.tunicShade = pal::kRed[5];
    look.hat = pal::kGreen[8];
    look.hair = pal::kOrange[3];
    return look;
}

CardElfLook Tam()
{
    CardElfLook look;
    look.girl = true;
    look.tunic = pal::kBlue[5];
    look.tunicShade = pal::kBlue[3];
    look.hat = pal::kRed[9];
    look.hair = pal::kGold[8];
    return look;
}

void TobinSnowman(cairo_t* cr, double w, double h)
{
    DrawSnowman(cr, {w * 0.68, h - 4, 0.9, false});
    CardElfLook look;
    look.handRight = {30, -58};
    look.handLeft = {-20, -40};
    DrawCardElf(cr, {w * 0.28, h - 4, 1.2, false}, look);
}

void PupkinGift(cairo_t* cr, double w, double h)
{
    CardElfLook look = Pupkin();
    look.handLeft = {-16, -40};
    look.handRight = {16, -40};
    DrawCardElf(cr, {w / 2, h - 4, 1.25, false}, look);
    DrawGift(cr, {w / 2, h - 42, 1.0, false}, {GiftWrap::YellowRed, GiftPattern::Dots, 34, 24, 0});
}

void CandyElf(cairo_t* cr, double w, double h)
{
    DrawCandyCane(cr, {w * 0.74, h - 4, 0.95, true});
    CardElfLook look;
    look.tunic = pal::kLime[5];
    look.tunicShade = pal::kLime[3];
    look.hat = pal::kPink[4];
    look.handRight = {28, -74};
    look.handLeft = {-22, -40};
    look.hatSwing = 0.6;
    DrawCardElf(cr, {w * 0.36, h - 4, 1.2, false}, look);
    DrawCandyCane(cr, {w * 0.16, h - 12, 0.28, false});
}

void TamInSnow(cairo_t* cr, double w, double h)
{
    CardElfLook look = Tam();
    look.sitting = true;
    look.handLeft = {-28, -62};
    look.handRight = {34, -58};
    DrawCardElf(cr, {w * 0.42, h - 14, 1.2, false}, look);
    SmoothPath(cr, {{4, h}, {20, h - 20}, {w / 2, h - 26}, {w - 20, h - 20}, {w - 4, h}});
    FillOutlined(cr, pal::kSnow[14], pal::kSnow[7]);
    DrawSnowball(cr, w * 0.82, h - 30, 9);
}

void JudgeElf(cairo_t* cr, double w, double h)
{
    CardElfLook look;
    look.tunic = pal::kPurple[4];
    look.tunicShade = pal::kPurple[2];
    look.hat = pal::kGrey[3];
    look.hair = pal::kGrey[12];
    look.glasses = true;
    look.handLeft = {-18, -44};
    look.handRight = {20, -48};
    DrawCardElf(cr, {w / 2, h - 4, 1.25, false}, look);
    DrawGift(cr, {w / 2 + 4, h - 46, 1.0, false}, {GiftWrap::GreenRed, GiftPattern::Stripes, 36, 26, 0});
}

void IvyDecoration(cairo_t* cr, double w, double h)
{
    CardElfLook look;
    look.girl = true;
    look.tunic = pal::kGreen[6];
    look.tunicShade = pal::kGreen[4];
    look.hat = pal::kGold[11];
    look.hair = pal::kFur[2];
    look.handRight = {26, -92};
    look.handLeft = {-24, -50};
    DrawCardElf(cr, {w * 0.45, h - 4, 1.2, false}, look);
    const double bx = w * 0.45 + 26 * 1.2, by = h - 4 - 92 * 1.2 - 14;
    cairo_move_to(cr, bx, by - 14);
    cairo_line_to(cr, bx, by);
    StrokeOnly(cr, pal::kGold[8], 2);
    CirclePath(cr, bx, by + 12, 12);
    FillOutlined(cr, pal::kRed[10], pal::kBlack);
    CirclePath(cr, bx - 4, by + 8, 3);
    FillOnly(cr, pal::kWhite);
    cairo_rectangle(cr, bx - 4, by - 2, 8, 4);
    FillOutlined(cr, pal::kGold[11], pal::kBlack, 1.0);
}

void PupkinSnowman(cairo_t* cr, double w, double h)
{
    CirclePath(cr, w * 0.3, h - 34, 30);
    FillOutlined(cr, pal::kSnow[14], pal::kBlack);
    CirclePath(cr, w * 0.3, h - 78, 20);
    FillOutlined(cr, pal::kSnow[15], pal::kBlack);
    CardElfLook look = Pupkin();
    look.handLeft = {-36, -66};
    look.handRight = {-30, -80};
    look.hatSwing = -0.4;
    DrawCardElf(cr, {w * 0.72, h - 4, 1.2, false}, look);
    DrawSnowball(cr, w * 0.72 - 36, h - 4 - 96, 11);
}

void TamPlaying(cairo_t* cr, double w, double h)
{
    CardElfLook look = Tam();
    look.handRight = {24, -100};
    look.handLeft = {-26, -44};
    look.hatSwing = -0.3;
    DrawCardElf(cr, {w * 0.4, h - 4, 1.2, false}, look);
    DrawSnowball(cr, w * 0.4 + 24 * 1.2, h - 4 - 100 * 1.2 - 4, 9);
    DrawSnowball(cr, w * 0.82, h * 0.3, 7);
    DrawSnowball(cr, w * 0.9, h * 0.18, 5);
}

void OsricGifts(cairo_t* cr, double w, double h)
{
    CardElfLook look;
    look.tunic = pal::kOrange[4];
    look.tunicShade = pal::kOrange[2];
    look.hat = pal::kBlue[4];
    look.handLeft = {-20, -52};
    look.handRight = {22, -52};
    DrawCardElf(cr, {w / 2, h - 4, 1.15, false}, look);
    const GiftWrap wraps[] = {GiftWrap::RedGold, GiftWrap::BlueSilver, GiftWrap::GreenRed, GiftWrap::PinkWhite};
    for (int i = 0; i < 4; ++i)
        DrawGift(cr, {w / 2 + (i % 2 ? 4 : -3), h - 54 - i * 30, 1.0, false},
                 {wraps[i], i % 2 ? GiftPattern::Stripes : GiftPattern::Dots, 44.0 - i * 5, 24, 0});
}

void BandElf(cairo_t* cr, double w, double h)
{
    CardElfLook look;
    look.tunic = pal::kRed[9];
    look.tunicShade = pal::kRed[6];
    look.hat = pal::kGreen[9];
    look.handLeft = {-30, -56};
    look.handRight = {28, -84};
    DrawCardElf(cr, {w / 2, h - 4, 1.15, false}, look);
    const double cx = w / 2, cy = h - 70;
    // Drum, cymbals and a horn.
    cairo_rectangle(cr, cx - 24, cy - 14, 48, 30);
    FillOutlined(cr, pal::kBlue[4], pal::kBlack);
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, cx - 24 + i * 12, cy - 14);
        cairo_line_to(cr, cx - 18 + i * 12, cy + 16);
        StrokeOnly(cr, pal::kGold[11], 2);
    }
    EllipsePath(cr, cx, cy - 14, 24, 5);
    FillOutlined(cr, pal::kWhite, pal::kBlack);
    cairo_move_to(cr, cx + 28 * 1.15, h - 4 - 84 * 1.15);
    cairo_line_to(cr, cx + 58, h - 4 - 100 * 1.15);
    StrokeOutlined(cr, 4, pal::kGold[10], pal::kBlack);
    PolygonPath(cr, {{cx + 56, h - 4 - 100 * 1.15}, {cx + 72, h - 4 - 118 * 1.15}, {cx + 76, h - 4 - 92 * 1.15}});
    FillOutlined(cr, pal::kGold[12], pal::kBlack);
    cairo_move_to(cr, cx - 30 * 1.15, h - 4 - 56 * 1.15);
    cairo_line_to(cr, cx - 44, cy - 34);
    StrokeOnly(cr, pal::kFur[2], 3);
    CirclePath(cr, cx - 44, cy - 36, 5);
    FillOutlined(cr, pal::kRed[9], pal::kBlack, 1.2);
}

void Vex(cairo_t* cr, double w, double h) { DrawFox(cr, {w / 2 - 10, h - 4, 1.3, false}); }
void Quarn(cairo_t* cr, double w, double h) { DrawPolarBear(cr, {w / 2 - 8, h - 4, 1.1, false}); }
void Lila(cairo_t* cr, double w, double h) { DrawGirl(cr, {w / 2, h - 4, 1.3, false}); }
void Frostine(cairo_t* cr, double w, double h) { DrawFrostine(cr, {w / 2 - 10, h - 4, 1.05, false}, false); }
void Santa(cairo_t* cr, double w, double h) { DrawSanta(cr, {w / 2 - 6, h - 4, 1.05, false}, true); }
void MrsClaus(cairo_t* cr, double w, double h) { DrawMrsClaus(cr, {w / 2, h - 4, 1.1, false}); }
void FrostineFlying(cairo_t* cr, double w, double h) { DrawFrostine(cr, {w * 0.44, h * 0.5, 0.95, false}, true); }
void Flyer(cairo_t* cr, double w, double h) { DrawPenguin(cr, {w / 2, h / 2, 2.4, false}, {PenguinPose::Fly, 0.25}); }
void Sprite(cairo_t* cr, double w, double h) { DrawSnowSprite(cr, {w / 2, h / 2 + 4, 1.4, false}); }
void Horace(cairo_t* cr, double w, double h) { DrawWalrus(cr, {w / 2 + 8, h - 4, 1.05, false}); }

void Tree(cairo_t* cr, double w, double h) { DrawPineTree(cr, {w / 2, h - 4, 1.0, false}, {h - 30, true, true, 0.3}); }
void Snowman(cairo_t* cr, double w, double h) { DrawSnowman(cr, {w / 2, h - 4, 1.0, false}); }
void Present(cairo_t* cr, double w, double h)
{
    PresentLook look;
    look.width = 80;
    look.height = 56;
    look.paper = pal::kGreen[8];
    look.paperLight = pal::kGreen[10];
    look.paperShade = pal::kGreen[5];
    look.ribbon = pal::kRed[9];
    look.ribbonShade = pal::kRed[6];
    DrawPresent(cr, {w / 2, h - 8, 1.2, false}, look);
}
void CandyCane(cairo_t* cr, double w, double h) { DrawCandyCane(cr, {w / 2 + 6, h - 4, 1.0, false}); }
void Sleigh(cairo_t* cr, double w, double h) { DrawSleigh(cr, {w / 2, h - 4, 1.25, false}, {true, 0}); }
void Stocking(cairo_t* cr, double w, double h) { DrawStocking(cr, {w / 2 - 8, 24, 1.1, false}); }
void Sign(cairo_t* cr, double w, double h) { DrawPoleSign(cr, {w / 2, h - 4, 1.0, false}); }
void Bag(cairo_t* cr, double w, double h) { DrawGiftBag(cr, {w / 2, h - 4, 1.1, false}); }
void Sled(cairo_t* cr, double w, double h) { DrawSled(cr, {w / 2, h - 4, 1.1, false}); }
void Snowmobile(cairo_t* cr, double w, double h)
{
    DrawSnowmobile(cr, {w / 2, h - 4, 1.2, false}, {0, false, 0});
}

template <int style>
void Card(cairo_t* cr, double w, double h) { DrawCardFrame(cr, w, h, style); }

} // namespace

const std::vector<ClipArtItem>& ClipArtCatalogue()
{
    using F = ClipFormat;
    constexpr auto S = GlimmerView::Side;
    constexpr auto T = GlimmerView::ThreeQuarter;
    static const std::vector<ClipArtItem> items = {
        {10001, "2001", "Glimmer jumping", F::Emf, 150, 170, &GlimmerItem<GlimmerPose::Cheer, S, 25, false>},
        {10002, "2002", "Glimmer looking back", F::Emf, 150, 170, &GlimmerLookingBack},
        {10003, "2003", "Curious Glimmer", F::Emf, 120, 175, &GlimmerItem<GlimmerPose::Stand, T, 0, false>},
        {10011, "2004", "Glimmer Running", F::Emf, 160, 165, &GlimmerItem<GlimmerPose::Run, S, 30, false>},
        {10012, "2005", "Glimmer with hoof up", F::Emf, 150, 170, &GlimmerItem<GlimmerPose::Wave, S, 25, false>},
        {10021, "2006", "Glimmer bending down", F::Emf, 150, 160, &GlimmerItem<GlimmerPose::Sad, S, 0, false>},
        {10022, "2007", "Glimmer on two hooves", F::Emf, 120, 175, &GlimmerItem<GlimmerPose::Wave, T, 25, false>},
        {10031, "2008", "Glimmer laughing", F::Emf, 130, 175, &GlimmerItem<GlimmerPose::Cheer, T, 25, false>},
        {10032, "2009", "Glimmer leaping", F::Emf, 170, 160, &GlimmerItem<GlimmerPose::Fly, S, 30, false>},
        {10041, "2010", "Glimmer standing", F::Emf, 150, 170, &GlimmerItem<GlimmerPose::Stand, S, 0, false>},
        {10101, "3001", "Tobin building a snowman", F::Emf, 200, 170, &TobinSnowman},
        {10102, "3002", "Pupkin with gift", F::Emf, 120, 165, &PupkinGift},
        {10103, "3003", "Candy Picking Elf", F::Emf, 170, 165, &CandyElf},
        {10111, "3004", "Tam in the snow", F::Wmf, 170, 130, &TamInSnow},
        {10112, "3005", "Judge Elf with gift", F::Emf, 120, 165, &JudgeElf},
        {10121, "3006", "Ivy with tree decoration", F::Emf, 140, 180, &IvyDecoration},
        {10122, "3007", "Pupkin building a snowman", F::Emf, 190, 165, &PupkinSnowman},
        {10131, "3008", "Tam playing with snow", F::Emf, 150, 190, &TamPlaying},
        {10132, "3009", "Osric with a stack of gifts", F::Emf, 120, 200, &OsricGifts},
        {10141, "3010", "One Man Band Elf", F::Emf, 170, 190, &BandElf},
        {10201, "4001", "Vex", F::Emf, 150, 150, &Vex},
        {10202, "4002", "Quarn", F::Emf, 190, 130, &Quarn},
        {10203, "4003", "Lila", F::Emf, 110, 160, &Lila},
        {10211, "4004", "Frostine", F::Emf, 150, 175, &Frostine},
        {10212, "4005", "Santa Claus", F::Emf, 150, 180, &Santa},
        {10221, "4006", "Mrs. Claus", F::Emf, 120, 165, &MrsClaus},
        {10222, "4007", "Frostine flying", F::Emf, 220, 140, &FrostineFlying},
        {10231, "4008", "Flyer", F::Dib, 150, 110, &Flyer},
        {10232, "4009", "Sprite", F::Wmf, 120, 110, &Sprite},
        {10241, "4010", "Horace", F::Emf, 170, 120, &Horace},
        {10301, "5001", "Christmas tree", F::Emf, 130, 180, &Tree},
        {10302, "5002", "Snowman", F::Emf, 120, 165, &Snowman},
        {10303, "5003", "Christmas present", F::Dib, 130, 120, &Present},
        {10311, "5004", "Candy cane", F::Wmf, 70, 130, &CandyCane},
        {10312, "5005", "Santa's sleigh", F::Emf, 190, 125, &Sleigh},
        {10321, "5006", "Christmas stocking", F::Emf, 110, 140, &Stocking},
        {10322, "5007", "North Pole sign", F::Emf, 130, 170, &Sign},
        {10331, "5008", "Bag of gifts", F::Emf, 140, 140, &Bag},
        {10332, "5009", "Sled", F::Wmf, 160, 70, &Sled},
        {10341, "5010", "Snowmobile", F::Emf, 180, 100, &Snowmobile},
        {10401, "6001", "Post Office", F::Emf, kSceneWidth, kSceneHeight, &DrawPostOfficeScene},
        {10402, "6002", "Mountains and trees", F::Dib, kSceneWidth, kSceneHeight, &DrawMountainScene},
        {10403, "6003", "Card 1", F::Emf, kSceneWidth, kSceneHeight, &Card<1>},
        {10404, "6000", "Blank background", F::Wmf, kSceneWidth, kSceneHeight, &DrawBlankBackground},
        {10411, "6004", "Ice Castle", F::Emf, kSceneWidth, kSceneHeight, &DrawIceCastleScene},
        {10412, "6005", "Card 2", F::Emf, kSceneWidth, kSceneHeight, &Card<2>},
        {10421, "6006", "Inside of a room", F::Emf, kSceneWidth, kSceneHeight, &DrawRoomScene},
        {10422, "6007", "Card 3", F::Emf, kSceneWidth, kSceneHeight, &Card<3>},
        {10431, "6008", "The village", F::Emf, kSceneWidth, kSceneHeight, &DrawVillageScene},
        {10432, "6009", "Card 4", F::Emf, kSceneWidth, kSceneHeight, &Card<4>},
        {10441, "6010", "Card 5", F::Emf, kSceneWidth, kSceneHeight, &Card<5>},
    };
    return items;
}

} // namespace mediagen
