// The high-score screen: list, name entry, or straight back to the menu.
#include "GlHighScore.h"

#include "GlFrameTiming.h"
#include "GlHeldKey.h"
#include "GlMenuMain.h"
#include "GlScreenState.h"
#include "PlayerRecord.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawBobTextCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlKeys.h"

#include <algorithm>
#include <string>

namespace {

constexpr float kBackgroundDepth = 1000.0f;
constexpr float kCoinDepth = 200.0f;
constexpr float kTextDepth = 8.0f;
constexpr int32_t kCentreX = 320;
constexpr int32_t kNameX = 100;
constexpr int32_t kScoreX = 540;
constexpr int32_t kFirstRowY = 150;
constexpr int32_t kRowStep = 50;
constexpr int32_t kFirstRowExtra = 10; // the winner's row stands apart
constexpr int32_t kCoinY = 40;
constexpr int32_t kLeftCoinX = 138;
constexpr int32_t kRightCoinX = 454;
constexpr int32_t kCoinFramesPerSecond = 15;

} // namespace

GlHighScore::GlHighScore() = default;

GlHighScore::~GlHighScore() = default;

void GlHighScore::Load()
{
    az::SetPaletteFromFile("Pallettes\\NS_pallette.bmp");
    for (GlAlphabets::Font font : {GlAlphabets::kFontA, GlAlphabets::kFontB, GlAlphabets::kFontC})
        mFonts.Load(font);
    mBackground.reset(az::LoadBlitterObject("menus\\highscore_bg.bmp"));
    mCoin.reset(az::LoadBobSprite("menus\\score_coin.spx"));

    LoadHighScoreList();

    mMode = Mode::List;
    const PlayerRecord& player = CurrentPlayer();
    if (player.gameFinished)
        mMode = mTable.IsHighScore(player.score) ? Mode::NameEntry : Mode::NoHighScore;

    mNameEntry.Clear();
    GlIgnoreHeldKey(mKeys, Vl::kVK_Return);
}

void GlHighScore::LoadHighScoreList()
{
    mTable.LoadHighScoreList();
    CutShownNames();
}

bool GlHighScore::WriteHighScoreListToDisk()
{
    return mTable.WriteHighScoreListToDisk();
}

bool GlHighScore::RunFrame()
{
    mKeys.BeginFrame();
    if (mMode == Mode::NoHighScore) {
        gNextScreen = new GlMenuMain();
        return true;
    }

    gDrawQueue.push(new AzDrawBobCommand(kBackgroundDepth, mBackground.get(), 0, 0));
    mFonts.QueueText(kTextDepth, "High Score", GlAlphabets::kFontA, kCentreX, 40);

    if (mMode == Mode::List)
        RunList();
    else
        RunNameEntry();

    mKeys.EndFrame();
    return true;
}

void GlHighScore::RunList()
{
    if (mKeys.KeyPressed(Vl::kVK_Return))
        gNextScreen = new GlMenuMain();

    const std::vector<HighScoreEntry>& entries = mTable.Entries();
    const size_t shown = std::min(entries.size(), mShownNames.size());
    int32_t y = kFirstRowY;
    for (size_t i = 0; i < shown; ++i) {
        // The winner in B, the others in C.
        const GlAlphabets::Font font = i == 0 ? GlAlphabets::kFontB : GlAlphabets::kFontC;
        mFonts.QueueText(kTextDepth, mShownNames[i], font, kNameX, y, AzDrawBobTextCommand::kAlignLeft);
        mFonts.QueueText(kTextDepth, std::to_string(entries[i].score), font, kScoreX, y,
                         AzDrawBobTextCommand::kAlignRight);
        if (i == 0)
            y += kFirstRowExtra;
        y += kRowStep;
        QueueCoins();
    }
}

void GlHighScore::CutShownNames()
{
    mShownNames.clear();
    const std::vector<HighScoreEntry>& entries = mTable.Entries();
    for (size_t i = 0; i < entries.size() && i < GlHighScoreTable::kShownEntries; ++i)
        mShownNames.push_back(GlNameEntry::CutToWidth(entries[i].name, mFonts.Get(GlAlphabets::kFontC)));
}

void GlHighScore::QueueCoins()
{
    if (!mCoin || mCoin->GetFrameCount() <= 0)
        return;
    const int32_t frames = mCoin->GetFrameCount();
    const int32_t frame = AnimFrameIndex(frames, kCoinFramesPerSecond, 0);
    // The right coin spins the same way mirrored in time.
    gDrawQueue.push(new AzDrawBobSpriteCommand(kCoinDepth, mCoin.get(), kLeftCoinX, kCoinY, frame));
    gDrawQueue.push(new AzDrawBobSpriteCommand(kCoinDepth, mCoin.get(), kRightCoinX, kCoinY, frames - 1 - frame));
}

void GlHighScore::RunNameEntry()
{
    mFonts.QueueText(kTextDepth, "You Got a High Score!", GlAlphabets::kFontC, kCentreX, 100);
    mFonts.QueueText(kTextDepth, "Enter Your Name", GlAlphabets::kFontC, kCentreX, 155);
    mFonts.QueueText(kTextDepth, mNameEntry.GetName(), GlAlphabets::kFontC, kCentreX, 206);

    switch (mNameEntry.RunKeys(mKeys)) {
    case GlNameEntry::KeyResult::EnterPressed: {
        mMode = Mode::List;
        if (mNameEntry.GetName().empty())
            break;
        const PlayerRecord& player = CurrentPlayer();
        mTable.Add(HighScoreEntry{mNameEntry.GetName(), player.level, player.score, player.deliveredCount});
        WriteHighScoreListToDisk();
        CutShownNames();
        break;
    }
    case GlNameEntry::KeyResult::EnterHeld:
        break;
    case GlNameEntry::KeyResult::Typing:
        mNameEntry.LimitWidth(mFonts.Get(GlAlphabets::kFontC));
        break;
    }
}
