// The main menu and its credits.
#include "GlMenuMain.h"

#include "GlFrameTiming.h"
#include "GlHeldKey.h"
#include "GlHighScore.h"
#include "GlScreenRegistry.h"
#include "GlScreenState.h"
#include "GlSettings.h"
#include "PlayerRecord.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "AzSineWave.h"
#include "VlChannelPack.h"
#include "VlKeys.h"
#include "VlLog.h"
#include "VlRedbook.h"
#include "VlSound.h"
#include "VlSoundChannel.h"

namespace {

constexpr float kBackdropDepth = 10000.0f;
constexpr float kMenuBackgroundDepth = 9999.0f;
constexpr float kHeroDepth = 1000.0f;
constexpr float kCreditsPanelDepth = 1000.0f;
constexpr float kCreditLineDepth = 500.0f;
constexpr float kItemDepth = 10.0f;
constexpr float kHighlightDepth = 9.0f; // in front of the plain item text
constexpr float kCreditsTitleDepth = 8.0f;
constexpr int32_t kCentreX = 320;
constexpr int32_t kHeroX = 523;
constexpr int32_t kHeroY = 347;
constexpr int32_t kHeroFramesPerSecond = 10;
constexpr int32_t kHoldSeconds = 1;
constexpr uint32_t kCreditsTrack = 2;

struct MenuItem {
    const char* text;
    int32_t y;
};

const MenuItem kItems[GlMenuMain::kItemCount] = {
    {"Start Game", 132}, {"Cardwright", 196}, {"High Scores", 261}, {"Credits", 329}, {"Quit", 400},
};

GlMenuMain::QuitConfirmation sQuitConfirmation;

Vl::Sound* LoadSound(const char* name)
{
    Vl::Sound* sound = nullptr;
    // A sound that does not load stays silent: the channels refuse it later.
    Vlu::SoundCreateAndLoad(&sound, name);
    return sound;
}

void ReleaseSound(Vl::Sound*& sound)
{
    if (sound)
        sound->Release();
    sound = nullptr;
}

void PlayOnPack(Vl::Sound* sound)
{
    if (gChannelPack && sound)
        gChannelPack->Play(sound, 0, true, false);
}

} // namespace

GlMenuMain::GlMenuMain() = default;

GlMenuMain::~GlMenuMain()
{
    ReleaseSound(mClickSound);
    ReleaseSound(mSelectSound);
    ReleaseSound(mQuitSound);
}

const GlMenuMain::QuitConfirmation& GlMenuMain::GetQuitConfirmation()
{
    return sQuitConfirmation;
}

void GlMenuMain::ResetQuitConfirmation()
{
    sQuitConfirmation = QuitConfirmation();
}

void GlMenuMain::Load()
{
    az::SetPaletteFromFile("Pallettes\\NS_pallette.bmp");
    for (GlAlphabets::Font font : {GlAlphabets::kFontA, GlAlphabets::kFontB, GlAlphabets::kFontC})
        mFonts.Load(font);
    mMenuBackground.reset(az::LoadBlitterObject("menu_bg.bmp"));
    mCreditsPanel.reset(az::LoadBlitterObject("menus\\black.bmp"));
    mBackdrop.reset(az::LoadBlitterObject("fullblack.bmp"));
    mHero.reset(az::LoadBobSprite("menus\\glim.spx"));
    mClickSound = LoadSound("waves\\menu\\click01.wav");
    mSelectSound = LoadSound("waves\\menu\\click02.wav");
    mQuitSound = LoadSound("waves\\menu\\quit01.wav");
    // Nothing draws through the wave; it is made here as it always was.
    mSineWave = std::make_unique<AzSineWave>(&FrameStepClamped);

    GlIgnoreHeldKey(mKeys, Vl::kVK_Return);
    mCredits = GlCredits();
    mMenuState = kStateMenu;
    mSelection = kItemStartGame;

    CurrentPlayer().ResetForNewGame();
}

bool GlMenuMain::RunFrame()
{
    mKeys.BeginFrame();
    gDrawQueue.push(new AzDrawBobCommand(kBackdropDepth, mBackdrop.get(), 0, 0));

    switch (mMenuState) {
    case kStateMenu:
        RunMenu();
        break;
    case kStateHighScores:
        gNextScreen = new GlHighScore();
        gHoldScreen = true;
        gHoldSeconds = kHoldSeconds;
        break;
    case kStateCredits:
        RunCredits();
        break;
    case kStateStartGame:
        if (GlInterfaceRun* cutscene = GlCreateScreen("GlCutSetup1")) {
            gNextScreen = cutscene;
            gHoldScreen = true;
            gHoldSeconds = kHoldSeconds;
        } else {
            azLog() << "GlMenuMain::RunFrame - no GlCutSetup1 to start a game with.\n" << std::flush;
            mMenuState = kStateMenu;
        }
        break;
    default:
        break;
    }

    mKeys.EndFrame();
    return true;
}

void GlMenuMain::RunMenu()
{
    gDrawQueue.push(new AzDrawBobCommand(kMenuBackgroundDepth, mMenuBackground.get(), 0, 0));
    if (sQuitConfirmation.confirming)
        RunQuitConfirmation();
    else
        RunItems();
}

void GlMenuMain::RunItems()
{
    for (const MenuItem& item : kItems)
        mFonts.QueueText(kItemDepth, item.text, GlAlphabets::kFontA, kCentreX, item.y);
    if (mHero) {
        // Every frame but the last, on the absolute clock.
        const int32_t frame = AnimFrameIndex(mHero->GetFrameCount() - 1, kHeroFramesPerSecond, 0);
        gDrawQueue.push(new AzDrawBobSpriteCommand(kHeroDepth, mHero.get(), kHeroX, kHeroY, frame));
    }

    if (mKeys.KeyPressed(Vl::kVK_Down)) {
        mSelection = mSelection == kItemCount - 1 ? 0 : mSelection + 1;
        PlayOnPack(mClickSound);
    } else if (mKeys.KeyPressed(Vl::kVK_Up)) {
        mSelection = mSelection == 0 ? kItemCount - 1 : mSelection - 1;
        PlayOnPack(mClickSound);
    } else if (mKeys.KeyPressed(Vl::kVK_Return)) {
        ChooseItem();
        PlayOnPack(mSelectSound);
    }

    const MenuItem& selected = kItems[mSelection];
    mFonts.QueueText(kHighlightDepth, selected.text, GlAlphabets::kFontB, kCentreX, selected.y);
}

void GlMenuMain::ChooseItem()
{
    switch (mSelection) {
    case kItemStartGame:
        mMenuState = kStateStartGame;
        break;
    case kItemCardwright:
        gQuitGame = true;
        gStartCardProgram = true;
        break;
    case kItemHighScores:
        mMenuState = kStateHighScores;
        break;
    case kItemCredits:
        mMenuState = kStateCredits;
        mCredits.Restart();
        if (Settings().PlayCD && gCdPlayer)
            gCdPlayer->Play(kCreditsTrack, false);
        break;
    case kItemQuit:
        sQuitConfirmation.confirming = true;
        sQuitConfirmation.answer = kAnswerNo;
        break;
    default:
        break;
    }
}

void GlMenuMain::RunQuitConfirmation()
{
    QuitConfirmation& confirm = sQuitConfirmation;
    // The game ends only once the goodbye has been heard.
    if (confirm.quitting && !(gChannel1 && gChannel1->IsPlaying()))
        gQuitGame = true;

    mFonts.QueueText(kItemDepth, "Quit?", GlAlphabets::kFontC, kCentreX, 170);
    // The answer stands out in B, the other in A.
    const bool yes = confirm.answer == kAnswerYes;
    mFonts.QueueText(kItemDepth, "Yes", yes ? GlAlphabets::kFontB : GlAlphabets::kFontA, 260, 262);
    mFonts.QueueText(kItemDepth, "No", yes ? GlAlphabets::kFontA : GlAlphabets::kFontB, 380, 262);

    if (confirm.quitting)
        return;
    if (mKeys.KeyPressed(Vl::kVK_Right)) {
        confirm.answer = kAnswerNo;
    } else if (mKeys.KeyPressed(Vl::kVK_Left)) {
        confirm.answer = kAnswerYes;
    } else if (mKeys.KeyPressed(Vl::kVK_Return)) {
        if (confirm.answer == kAnswerNo) {
            confirm.confirming = false;
        } else {
            if (gChannel1 && mQuitSound)
                gChannel1->Play(mQuitSound, false);
            confirm.quitting = true;
        }
    }
}

void GlMenuMain::RunCredits()
{
    // Without the file this frame's credits end here, before the keys are
    // read: only Escape leads back to the menu then.
    if (!mCredits.EnsureLoaded())
        return;

    mFonts.QueueText(kCreditsTitleDepth, "CREDITS", GlAlphabets::kFontA, kCentreX, 40);
    gDrawQueue.push(new AzDrawBobCommand(kCreditsPanelDepth, mCreditsPanel.get(), 0, 50));
    for (int row = 0; row < GlCredits::kVisibleRows; ++row)
        mFonts.QueueText(kCreditLineDepth, mCredits.RowText(row), GlAlphabets::kFontB, kCentreX, mCredits.RowY(row));
    // One line a second, at most one line in a frame.
    mCredits.Advance(FrameStep(1, true));

    if (mKeys.KeyPressed(Vl::kVK_Return) || mKeys.KeyPressed(Vl::kVK_Space))
        LeaveCredits();
}

void GlMenuMain::LeaveCredits()
{
    mMenuState = kStateMenu;
    // Stopped whether or not the music was started: harmless when silent.
    if (gCdPlayer)
        gCdPlayer->Stop();
}
