// The bob draw command.
#include "AzDrawBobCommand.h"

#include "AzBlitterObject.h"

AzDrawBobCommand::AzDrawBobCommand(float depth, AzBlitterObject* bob, int32_t x, int32_t y)
    : AzDrawCommand(depth), mX(x), mY(y), mBob(bob), mWhole(true)
{
}

AzDrawBobCommand::AzDrawBobCommand(float depth, AzBlitterObject* bob, int32_t sourceX, int32_t sourceY,
                                   int32_t width, int32_t height, int32_t x, int32_t y)
    : AzDrawCommand(depth), mSourceX(sourceX), mSourceY(sourceY), mWidth(width), mHeight(height), mX(x), mY(y),
      mBob(bob), mWhole(false)
{
}

void AzDrawBobCommand::Execute()
{
    if (!mBob) return;
    if (mWhole)
        mBob->Draw(mX, mY);
    else
        mBob->DrawPart(mSourceX, mSourceY, mWidth, mHeight, mX, mY);
}
