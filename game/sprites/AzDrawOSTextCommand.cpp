// The system-font text command.
#include "AzDrawOSTextCommand.h"

#include "lrDisplay.h"

AzDrawOSTextCommand::AzDrawOSTextCommand(float depth, const std::string& text, int32_t x, int32_t y)
    : AzDrawCommand(depth), mY(y), mX(x), mText(text)
{
}

void AzDrawOSTextCommand::Execute()
{
    lrDrawText(mX, mY, mText.c_str(), mRed, mGreen, mBlue);
}
