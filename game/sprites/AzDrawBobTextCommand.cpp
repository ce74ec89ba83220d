// Bitmap text layout: width from the alphabet, one glyph after another.
#include "AzDrawBobTextCommand.h"

#include "AzBobAlphabet.h"
#include "AzTranslationParent.h"

AzDrawBobTextCommand::AzDrawBobTextCommand(float depth, const std::string& text, AzBobAlphabet* alphabet, int32_t x,
                                           int32_t y, int32_t alignment, int32_t spacing,
                                           AzTranslationParent* parent)
    : AzDrawCommand(depth), mY(y), mX(x), mText(text), mAlphabet(alphabet), mAlignment(alignment),
      mSpacing(spacing), mParent(parent)
{
}

int32_t AzDrawBobTextCommand::StartX(int32_t x, int32_t textWidth, int32_t letterCount, int32_t alignment,
                                     int32_t spacing)
{
    const uint32_t fullWidth = static_cast<uint32_t>(textWidth) +
                               static_cast<uint32_t>(letterCount) * static_cast<uint32_t>(spacing);
    if (alignment == kAlignRight)
        return static_cast<int32_t>(static_cast<uint32_t>(x) - fullWidth);
    // Halved as an unsigned number, as the text always was placed: a text
    // made narrower than nothing by negative spacing lands far off screen
    // rather than mirrored around x.
    if (alignment == kAlignCentre)
        return static_cast<int32_t>(static_cast<uint32_t>(x) - fullWidth / 2u);
    return x;
}

void AzDrawBobTextCommand::Execute()
{
    if (!mAlphabet)
        return;
    int32_t penX = StartX(mX, mAlphabet->TextWidth(mText), static_cast<int32_t>(mText.size()), mAlignment, mSpacing);
    for (char character : mText) {
        const AzPoint place = mParent ? mParent->Translate(penX, mY) : AzPoint{penX, mY};
        const int32_t advance = mAlphabet->DrawChar(character, place.x, place.y);
        penX = az::WrapAdd(penX, az::WrapAdd(advance, mSpacing));
    }
}
