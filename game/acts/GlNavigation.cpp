// The navigation globe: the tour's flags on four faces, the selection's zoom, the spin, and the way to the next city.
#include "GlNavigation.h"

#include "CityEntry.h"
#include "GlCityListReader.h"
#include "GlCityTour.h"
#include "GlFrameTiming.h"
#include "GlScreenRegistry.h"
#include "GlScreenState.h"
#include "PlayerRecord.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlChannelPack.h"
#include "VlFile.h"
#include "VlKeys.h"
#include "VlLog.h"
#include "VlSound.h"
#include "VlSoundChannel.h"
#include "lrDisplay.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace {

constexpr const char* kCityListName = "navig\\config.txt";
constexpr std::size_t kMaxCityListBytes = 1 << 20;

constexpr float kBackgroundDepth = 10000.0f;
constexpr float kGlobeDepth = 5000.0f;
constexpr float kSnowCloudDepth = 4000.0f;
constexpr float kFlagDepth = 2000.0f;
constexpr float kCornerRingDepth = 2000.0f;
constexpr float kPictureDepth = 2001.0f;
constexpr float kArrowDepth = 1000.0f;
constexpr float kTextDepth = 10.0f;

constexpr int32_t kGlobeX = 208, kGlobeY = 144;
constexpr int32_t kSnowCloudX = 290, kSnowCloudY = 109;
constexpr int32_t kGoLeftX = 141, kGoLeftY = 255;
constexpr int32_t kGoRightX = 457, kGoRightY = 261;
constexpr int32_t kNameX = 320, kNameY = 10, kDescriptionY = 50;

struct Place {
    int32_t x, y;
};
constexpr std::array<Place, 4> kCornerRings = {{{89, 153}, {474, 153}, {92, 343}, {474, 343}}};
constexpr std::array<Place, 4> kDeliveredIcons = {{{101, 175}, {486, 175}, {101, 364}, {486, 364}}};

constexpr int32_t kFlagRate = 12;
constexpr int32_t kSpinRate = 12;
constexpr int32_t kSpinCloudRate = 4;
constexpr int32_t kZoomRate = 20;
constexpr int32_t kLeaveTicks = 4;
constexpr int32_t kArriveTicks = 7;
constexpr int32_t kFullPicture = 6;

bool sCityDataTried = false;
GlNavigation::SelectionMotion sMotion;

uint32_t FrameTime()
{
    uint32_t now = 0;
    lrGetFlipTime(&now);
    return now;
}

Vl::Sound* LoadSound(const char* name)
{
    Vl::Sound* sound = nullptr;
    Vlu::SoundCreateAndLoad(&sound, name);
    return sound;
}

void ReleaseSound(Vl::Sound*& sound)
{
    if (sound)
        sound->Release();
    sound = nullptr;
}

void PlayOnPack(Vl::Sound* sound, bool loop = false)
{
    if (gChannelPack && sound)
        gChannelPack->Play(sound, 0, true, loop);
}

void PlayVoice(Vl::Sound* sound)
{
    if (gChannel1 && sound)
        gChannel1->Play(sound, false);
}

void QueueSprite(float depth, AzBobSprite* sprite, int32_t x, int32_t y, int32_t frame)
{
    if (sprite)
        gDrawQueue.push(new AzDrawBobSpriteCommand(depth, sprite, x, y, frame));
}

int32_t WrapFrame(int32_t frame)
{
    const int32_t count = GlCityTour::kGlobeFrames;
    return ((frame % count) + count) % count;
}

// Reads the list's text; false after logging why.
bool ReadCityListText(std::string& text)
{
    Vl::File* file = nullptr;
    if (VlFileCreate(&file, Vl::kF_FromMedia, kCityListName) != VlOk || file == nullptr) {
        azLog() << "GlNavigation::LoadCityData - VlFileCreate failed.  Returning NULL object. " << kCityListName
                << "\n"
                << std::flush;
        return false;
    }
    std::string path;
    file->GetFullName(path);
    file->Release();
    std::ifstream in(path, std::ios::in | std::ios::binary);
    if (!in) {
        azLog() << "GlNavigation::LoadCityData - Configfile in fail state after construction.\n" << std::flush;
        return false;
    }
    text.clear();
    char buffer[4096];
    while (text.size() < kMaxCityListBytes && in.read(buffer, sizeof buffer).gcount() > 0)
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxCityListBytes)
        text.resize(kMaxCityListBytes);
    return true;
}

} // namespace

GlNavigation::GlNavigation() = default;

GlNavigation::~GlNavigation()
{
    // A globe that was made but never loaded leaves the entries to the one that was.
    if (mPicturesAttached)
        AttachPictures(false);
    ReleaseSound(mSpaceSound);
    ReleaseSound(mNorthPoleVoice);
    ReleaseSound(mWelcomeVoice);
    ReleaseSound(mNoGiftsVoice);
    ReleaseSound(mSelectSound);
    ReleaseSound(mArrowSound);
    ReleaseSound(mSpinSound);
}

void GlNavigation::ForgetCityData()
{
    sCityDataTried = false;
    sMotion = SelectionMotion();
}

const GlNavigation::SelectionMotion& GlNavigation::GetSelectionMotion()
{
    return sMotion;
}

void GlNavigation::Load()
{
    az::SetPaletteFromFile("navig\\Navigation_Pallette.bmp");
    mBackground.reset(az::LoadBlitterObject("navig\\background.bmp"));
    mGlobe.reset(az::LoadBobSprite("navig\\globe.spx"));
    mSnowCloud.reset(az::LoadBobSprite("navig\\snow_cloud.spx"));
    mWhiteFlag.reset(az::LoadBobSprite("navig\\flag_white.spx"));
    mRedFlag.reset(az::LoadBobSprite("navig\\flag_red.spx"));
    mCornerRing.reset(az::LoadBobSprite("navig\\ring.spx"));
    mCityRing.reset(az::LoadBobSprite("navig\\city_ring.spx"));
    mDeliveredGift.reset(az::LoadBobSprite("navig\\3D_Gift03.spx"));
    mArrowLeft.reset(az::LoadBobSprite("navig\\arrow_01.spx"));
    mArrowRight.reset(az::LoadBobSprite("navig\\arrow_02.spx"));
    mFonts.Load(GlAlphabets::kFontA);
    mSpaceSound = LoadSound("navig\\space.wav");
    mNorthPoleVoice = LoadSound("navig\\northpole01.wav");
    mWelcomeVoice = LoadSound("navig\\glim01.wav");
    mNoGiftsVoice = LoadSound("navig\\glim03.wav");
    mSelectSound = LoadSound("navig\\select.wav");
    mArrowSound = LoadSound("navig\\arrow.wav");
    mSpinSound = LoadSound("navig\\spin.wav");

    mActive = true;
    mSpinning = false;
    mFirstFrameDone = false;
    LoadCityData();
    LoadPictures();
    AttachPictures(true);
}

void GlNavigation::LoadCityData()
{
    PlayerRecord& player = CurrentPlayer();
    if (!sCityDataTried) {
        sCityDataTried = true;
        std::string text;
        const bool read = ReadCityListText(text);
        GlCityTour::FillTable(player, read ? GlCityListReader::Read(text, azLog()) : std::vector<CityEntry>());
    }
    GlCityTour::BuildIfEmpty(player, azLog());
    mFace = 1;
    mSelection = 0;
}

void GlNavigation::LoadPictures()
{
    std::vector<std::string> names = {GlCityTour::NorthPole().pictureFile};
    for (const std::vector<CityEntry>& face : CurrentPlayer().tourLists) {
        for (const CityEntry& entry : face) {
            if (GlCityTour::IsCity(entry))
                names.push_back("navig\\" + entry.pictureFile);
        }
    }
    for (const std::string& name : names) {
        if (mPictures.find(name) == mPictures.end())
            mPictures[name].reset(az::LoadBobSprite(name));
    }
}

// The pictures belong to this screen: entries point at them only while it lives.
void GlNavigation::AttachPictures(bool attach)
{
    mPicturesAttached = attach;
    PlayerRecord& player = CurrentPlayer();
    auto pictureOf = [&](const CityEntry& entry) -> AzBobSprite* {
        if (!attach)
            return nullptr;
        const std::string name =
            GlCityTour::IsNorthPole(entry) ? entry.pictureFile : "navig\\" + entry.pictureFile;
        auto found = mPictures.find(name);
        return found == mPictures.end() ? nullptr : found->second.get();
    };
    for (std::vector<CityEntry>& face : player.tourLists) {
        for (CityEntry& entry : face)
            entry.picture = GlCityTour::IsArrow(entry) ? nullptr : pictureOf(entry);
    }
    for (CityEntry& entry : player.cityTable)
        entry.picture = pictureOf(entry);
}

std::vector<CityEntry>& GlNavigation::FaceList()
{
    return CurrentPlayer().tourLists[static_cast<std::size_t>(std::clamp(mFace, 0, 3))];
}

const CityEntry* GlNavigation::GetSelectedEntry() const
{
    const std::vector<CityEntry>& list = CurrentPlayer().tourLists[static_cast<std::size_t>(std::clamp(mFace, 0, 3))];
    if (mSelection < 0 || mSelection >= static_cast<int32_t>(list.size()))
        return nullptr;
    return &list[static_cast<std::size_t>(mSelection)];
}

int32_t GlNavigation::FrameCount(const std::unique_ptr<AzBobSprite>& sprite) const
{
    return sprite ? std::max(sprite->GetFrameCount(), 1) : 1;
}

bool GlNavigation::TourHasCities() const
{
    for (const std::vector<CityEntry>& face : CurrentPlayer().tourLists) {
        if (std::any_of(face.begin(), face.end(), [](const CityEntry& entry) { return GlCityTour::IsCity(entry); }))
            return true;
    }
    return false;
}

int32_t GlNavigation::SpinTarget(int32_t face, bool right)
{
    return right ? (face + 1) % 4 : (face + 3) % 4;
}

int32_t GlNavigation::SpinFrame(int32_t face, bool right, int32_t ticks)
{
    const int32_t start = GlCityTour::FaceFrame(face);
    return WrapFrame(right ? start + ticks : start - ticks);
}

int32_t GlNavigation::ZoomFrame(bool moving, bool leaving, int32_t ticks)
{
    if (!moving)
        return kFullPicture;
    return leaving ? 3 - ticks : ticks;
}

bool GlNavigation::RunFrame()
{
    mKeys.BeginFrame();
    PlayFirstFrameSounds();
    if (mBackground)
        gDrawQueue.push(new AzDrawBobCommand(kBackgroundDepth, mBackground.get(), 0, 0));

    PlayerRecord& player = CurrentPlayer();
    if (!mActive) {
        if (gChannel1 == nullptr || !gChannel1->IsPlaying())
            gNextScreen = GlCreateScreen("GlMission1");
    } else if (player.giftCount < 1) {
        mActive = false;
        PlayVoice(mNoGiftsVoice);
    } else {
        RunChoice();
    }

    // Asked every frame, busy or not, so a key held through a zoom or a spin is not taken as a new press.
    const bool left = mKeys.KeyPressed(Vl::kVK_Left);
    const bool right = !left && mKeys.KeyPressed(Vl::kVK_Right);
    if (mSpinning)
        RunSpin();
    else
        RunFace(left, right);

    mKeys.EndFrame();
    return true;
}

void GlNavigation::PlayFirstFrameSounds()
{
    if (mFirstFrameDone)
        return;
    mFirstFrameDone = true;
    PlayOnPack(mSpaceSound, true);
    if (CurrentPlayer().giftCount > 0)
        PlayOnPack(mWelcomeVoice);
}

void GlNavigation::RunChoice()
{
    if (!mKeys.KeyPressed(Vl::kVK_Space) && !mKeys.KeyPressed(Vl::kVK_Return))
        return;
    std::vector<CityEntry>& list = FaceList();
    if (mSelection < 0 || mSelection >= static_cast<int32_t>(list.size()))
        return;
    CityEntry& entry = list[static_cast<std::size_t>(mSelection)];
    // Without a city list there is nowhere to fly: any choice goes home.
    if (GlCityTour::IsNorthPole(entry) || !TourHasCities()) {
        mActive = false;
        PlayVoice(mNorthPoleVoice);
        return;
    }
    if (!GlCityTour::IsCity(entry) || entry.done)
        return;
    PlayerRecord& player = CurrentPlayer();
    player.chosenCityNumber = entry.cityNumber;
    player.chosenEntry = &entry;
    gNextScreen = GlCreateScreen("GlMission3");
}

void GlNavigation::RunFace(bool left, bool right)
{
    QueueSprite(kGlobeDepth, mGlobe.get(), kGlobeX, kGlobeY, GlCityTour::FaceFrame(mFace));
    if (mActive && !sMotion.moving)
        ReadFaceKeys(left, right);
    DrawEntries();
    QueueSprite(kSnowCloudDepth, mSnowCloud.get(), kSnowCloudX, kSnowCloudY,
                AnimFrameIndex(FrameCount(mSnowCloud), kFlagRate, 0));
}

void GlNavigation::ReadFaceKeys(bool left, bool right)
{
    const CityEntry* selected = GetSelectedEntry();
    if (selected == nullptr)
        return;
    if (!left && !right)
        return;
    const bool spinArrow = left ? GlCityTour::IsGoLeft(*selected) : GlCityTour::IsGoRight(*selected);
    const bool otherArrow = left ? GlCityTour::IsGoRight(*selected) : GlCityTour::IsGoLeft(*selected);
    const int32_t next = mSelection + (left ? -1 : 1);
    if (spinArrow) {
        mSpinning = true;
        mSpinRight = right;
        mSpinStart = FrameTime();
        PlayOnPack(mSpinSound);
        return;
    }
    // The ends of the list have nothing beyond them: a city sorted outside an arrow stays put.
    if (next < 0 || next >= static_cast<int32_t>(FaceList().size()))
        return;
    sMotion.moving = true;
    sMotion.movingLeft = left;
    sMotion.startTime = FrameTime();
    if (otherArrow) {
        sMotion.leaving = false;
        mSelection = next;
        PlayOnPack(mSelectSound);
    } else {
        sMotion.leaving = true;
    }
}

void GlNavigation::StepSelection(bool left)
{
    const int32_t next = mSelection + (left ? -1 : 1);
    if (next >= 0 && next < static_cast<int32_t>(FaceList().size()))
        mSelection = next;
    const CityEntry* selected = GetSelectedEntry();
    PlayOnPack(selected && GlCityTour::IsArrow(*selected) ? mArrowSound : mSelectSound);
}

void GlNavigation::DrawEntries()
{
    std::vector<CityEntry>& list = FaceList();
    const int32_t flagFrame = AnimFrameIndex(FrameCount(mRedFlag), kFlagRate, 0);
    // Drawing the selection may step it on; the new one shows from the next frame.
    const int32_t selection = mSelection;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (static_cast<int32_t>(i) == selection) {
            const CityEntry& entry = list[i];
            if (GlCityTour::IsGoLeft(entry))
                DrawSelectedArrow(true);
            else if (GlCityTour::IsGoRight(entry))
                DrawSelectedArrow(false);
            else
                DrawSelectedPlace(entry);
            continue;
        }
        const CityEntry& entry = list[i];
        if (GlCityTour::IsNorthPole(entry))
            continue;
        if (GlCityTour::IsGoLeft(entry))
            QueueSprite(kArrowDepth, mArrowLeft.get(), kGoLeftX, kGoLeftY, 0);
        else if (GlCityTour::IsGoRight(entry))
            QueueSprite(kArrowDepth, mArrowRight.get(), kGoRightX, kGoRightY, 0);
        else
            QueueSprite(kFlagDepth, mWhiteFlag.get(), entry.flagX, entry.flagY, flagFrame);
    }
}

void GlNavigation::DrawSelectedArrow(bool goLeft)
{
    sMotion.moving = false;
    AzBobSprite* pulsing = goLeft ? mArrowLeft.get() : mArrowRight.get();
    const int32_t pulse = 1 + AnimFrameIndex(std::max(FrameCount(goLeft ? mArrowLeft : mArrowRight) - 1, 1), kFlagRate, 0);
    QueueSprite(kArrowDepth, pulsing, goLeft ? kGoLeftX : kGoRightX, goLeft ? kGoLeftY : kGoRightY, pulse);
    QueueSprite(kArrowDepth, goLeft ? mArrowRight.get() : mArrowLeft.get(), goLeft ? kGoRightX : kGoLeftX,
                goLeft ? kGoRightY : kGoLeftY, 0);
    const CityEntry& arrow = goLeft ? GlCityTour::GoLeft() : GlCityTour::GoRight();
    DrawName(arrow.name, arrow.description);
}

void GlNavigation::DrawSelectedPlace(const CityEntry& selected)
{
    // A copy: stepping the selection below must not change what this frame shows.
    const CityEntry entry = selected;
    const int32_t flagFrame = AnimFrameIndex(FrameCount(mRedFlag), kFlagRate, 0);
    if (!GlCityTour::IsNorthPole(entry))
        QueueSprite(kFlagDepth, mRedFlag.get(), entry.flagX, entry.flagY, flagFrame);
    QueueSprite(kPictureDepth, mCityRing.get(), entry.ringX, entry.ringY, flagFrame);

    int32_t zoom = kFullPicture;
    if (sMotion.moving && sMotion.leaving) {
        const int32_t t = AnimFrameIndex(kLeaveTicks, kZoomRate, sMotion.startTime);
        if (t >= 3) {
            sMotion.leaving = false;
            sMotion.startTime = FrameTime();
            StepSelection(sMotion.movingLeft);
        }
        zoom = ZoomFrame(true, true, t);
    } else if (sMotion.moving) {
        const int32_t t = AnimFrameIndex(kArriveTicks, kZoomRate, sMotion.startTime);
        zoom = ZoomFrame(true, false, t);
        if (t >= kFullPicture)
            sMotion.moving = false;
    }

    const std::size_t corner = static_cast<std::size_t>(std::clamp(entry.corner, 0, 3));
    if (entry.done) {
        QueueSprite(kPictureDepth, mDeliveredGift.get(), kDeliveredIcons[corner].x, kDeliveredIcons[corner].y,
                    AnimFrameIndex(FrameCount(mDeliveredGift), kFlagRate, 0));
    } else if (entry.picture) {
        const int32_t frame = std::clamp(zoom, 0, std::max(entry.picture->GetFrameCount() - 1, 0));
        QueueSprite(kPictureDepth, entry.picture, entry.pictureX, entry.pictureY, frame);
    }
    QueueSprite(kCornerRingDepth, mCornerRing.get(), kCornerRings[corner].x, kCornerRings[corner].y,
                AnimFrameIndex(FrameCount(mCornerRing), kFlagRate, 0));
    DrawName(entry.name, entry.description);
}

void GlNavigation::DrawArrows()
{
    QueueSprite(kArrowDepth, mArrowLeft.get(), kGoLeftX, kGoLeftY, 0);
    QueueSprite(kArrowDepth, mArrowRight.get(), kGoRightX, kGoRightY, 0);
}

void GlNavigation::DrawName(const std::string& name, const std::string& description)
{
    mFonts.QueueText(kTextDepth, name, GlAlphabets::kFontA, kNameX, kNameY);
    mFonts.QueueText(kTextDepth, description, GlAlphabets::kFontA, kNameX, kDescriptionY);
}

void GlNavigation::RunSpin()
{
    const uint32_t now = FrameTime();
    const int32_t t = AnimFrameIndex(GlCityTour::kFramesPerFace + 1, kSpinRate, mSpinStart);
    const int32_t target = SpinTarget(mFace, mSpinRight);
    int32_t frame = SpinFrame(mFace, mSpinRight, t);
    // A frame late enough to pass the last tick still lands, rather than turning on.
    const bool pastEnd = now - mSpinStart >= static_cast<uint32_t>(GlCityTour::kFramesPerFace * (1000 / kSpinRate));
    if (frame == GlCityTour::FaceFrame(target) || pastEnd) {
        frame = GlCityTour::FaceFrame(target);
        mFace = target;
        mSpinning = false;
        mSelection = mSpinRight ? static_cast<int32_t>(FaceList().size()) - 1 : 0;
    }
    QueueSprite(kGlobeDepth, mGlobe.get(), kGlobeX, kGlobeY, frame);
    const CityEntry& arrow = mSpinRight ? GlCityTour::GoRight() : GlCityTour::GoLeft();
    DrawName(arrow.name, arrow.description);
    QueueSprite(kSnowCloudDepth, mSnowCloud.get(), kSnowCloudX, kSnowCloudY,
                AnimFrameIndex(FrameCount(mSnowCloud), kSpinCloudRate, 0));
    DrawArrows();
}
