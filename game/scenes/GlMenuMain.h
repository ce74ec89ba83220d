// The main menu: start a game, the card program, high scores, credits, quit with a Yes/No question.
#pragma once

#include "GlAlphabets.h"
#include "GlCredits.h"
#include "GlInterfaceRun.h"
#include "GlKeyPress.h"

#include <cstdint>
#include <memory>
#include <string>

class AzBlitterObject;
class AzBobSprite;
class AzSineWave;

namespace Vl {
class Sound;
}

class GlMenuMain : public GlInterfaceRun {
public:
    enum MenuState : int32_t {
        kStateMenu = 0,
        kStateHighScores = 2,
        kStateCredits = 3,
        kStateStartGame = 7,
    };
    enum Item : int32_t {
        kItemStartGame = 0,
        kItemCardwright = 1,
        kItemHighScores = 2,
        kItemCredits = 3,
        kItemQuit = 4,
        kItemCount = 5,
    };
    enum Answer : int32_t { kAnswerNo = 0, kAnswerYes = 1 };

    // The quit question belongs to the class, not to one menu: the menu is
    // made anew on every Escape, and the question must still be there.
    struct QuitConfirmation {
        bool confirming = false;
        int32_t answer = kAnswerNo;
        bool quitting = false;
    };

    GlMenuMain();
    ~GlMenuMain() override;
    bool RunFrame() override;
    void Load() override;

    int32_t GetMenuState() const { return mMenuState; }
    int32_t GetSelection() const { return mSelection; }
    const GlCredits& GetCredits() const { return mCredits; }
    static const QuitConfirmation& GetQuitConfirmation();
    // As at program start; for tests that run several games in one process.
    static void ResetQuitConfirmation();

private:
    void RunMenu();
    void RunItems();
    void RunQuitConfirmation();
    void RunCredits();
    void ChooseItem();
    void LeaveCredits();

    GlAlphabets mFonts;
    std::unique_ptr<AzBlitterObject> mMenuBackground;
    std::unique_ptr<AzBlitterObject> mCreditsPanel;
    std::unique_ptr<AzBlitterObject> mBackdrop;
    std::unique_ptr<AzBobSprite> mHero;
    std::unique_ptr<AzSineWave> mSineWave;
    Vl::Sound* mClickSound = nullptr;
    Vl::Sound* mSelectSound = nullptr;
    Vl::Sound* mQuitSound = nullptr;
    GlKeyPress mKeys;
    GlCredits mCredits;
    int32_t mMenuState = kStateMenu;
    int32_t mSelection = kItemStartGame;
};
