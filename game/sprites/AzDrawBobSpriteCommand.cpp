// The sprite frame draw command.
#include "AzDrawBobSpriteCommand.h"

#include "AzBobSprite.h"

AzDrawBobSpriteCommand::AzDrawBobSpriteCommand(float depth, AzBobSprite* sprite, int32_t x, int32_t y,
                                               int32_t frame)
    : AzDrawCommand(depth), mX(x), mY(y), mSprite(sprite), mFrame(frame), mAtGivenPlace(true)
{
}

AzDrawBobSpriteCommand::AzDrawBobSpriteCommand(float depth, AzBobSprite* sprite, int32_t frame)
    : AzDrawCommand(depth), mX(0), mY(0), mSprite(sprite), mFrame(frame), mAtGivenPlace(false)
{
}

void AzDrawBobSpriteCommand::Execute()
{
    if (!mSprite) return;
    if (mAtGivenPlace)
        mSprite->DrawFrame(mFrame, mX, mY);
    else
        mSprite->DrawFrame(mFrame);
}
