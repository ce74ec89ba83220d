// Loading the alphabets from their sprite and description files, and queueing texts in them.
#include "GlAlphabets.h"

#include "AzBobAlphabet.h"
#include "AzDrawQueue.h"

namespace {

struct FontFiles {
    const char* sprite;
    const char* description;
};

const FontFiles kFontFiles[GlAlphabets::kFontCount] = {
    {"Alphabets\\Font_A.spx", "Alphabets\\FontABC.desc"},
    {"Alphabets\\Font_B.spx", "Alphabets\\FontABC.desc"},
    {"Alphabets\\Font_C.spx", "Alphabets\\FontABC.desc"},
    {"Alphabets\\Font_E.spx", "Alphabets\\FontE.desc"},
};

} // namespace

GlAlphabets::GlAlphabets() = default;

GlAlphabets::~GlAlphabets() = default;

void GlAlphabets::Load(Font font)
{
    mFonts[font] = std::make_unique<AzBobAlphabet>(kFontFiles[font].sprite, kFontFiles[font].description);
}

AzBobAlphabet* GlAlphabets::Get(Font font) const
{
    return mFonts[font].get();
}

void GlAlphabets::QueueText(float depth, const std::string& text, Font font, int32_t x, int32_t y,
                            int32_t alignment) const
{
    gDrawQueue.push(new AzDrawBobTextCommand(depth, text, mFonts[font].get(), x, y, alignment, 0, nullptr));
}
