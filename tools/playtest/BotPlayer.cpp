// Hands each new screen to the bot for its class.
#include "BotPlayer.h"

#include "HeadlessGame.h"

#include "GlScreenState.h"

void BotPlayer::BeforeFrame(HeadlessGame& game)
{
    GlInterfaceRun* screen = game.CurrentScreen();
    if (screen == nullptr)
        return;
    if (screen != mScreen) {
        mScreen = screen;
        mBot = CreateScreenBot(game.CurrentScreenName());
    }
    if (mBot != nullptr)
        mBot->Drive(*screen, game);
}
