// Writes the four bitmap alphabets and their description files.
#include "MediaGenerator.h"
#include "SpxWriter.h"
#include "art/FrontLettering.h"
#include "paint/GamePalette.h"

#include <string>
#include <vector>

namespace {

using namespace mediagen;

// Every printable character, so any name, city or credit line can be shown. The blank sits
// in the middle of the line: a blank at its end is too easily lost by an editor.
const char kMenuCharacters[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 .,!?'\"-:;=+&()/\\#%@*<>[]{}_|$^`~";
const char kCounterCharacters[] = "0123456789= +-x:/";

// A and B share one shape: B is the highlight drawn over A at the same centred place.
const LetterShape kMenuShape{"DejaVu Sans Bold", 32.0, 2.5, 1, 2};
const LetterShape kListShape{"DejaVu Sans Bold", 22.0, 2.0, 1, 1};
const LetterShape kCounterShape{"DejaVu Sans Bold", 37.0, 3.0, 1, 2};

const LetterColours kMenuColours{
    {pal::kWhite, pal::kSnow[14], pal::kSnow[12], pal::kSnow[10], pal::kBlue[6], pal::kBlue[5]},
    pal::kNightSky[2], pal::kBlack};
const LetterColours kHighlightColours{
    {pal::kGold[15], pal::kGold[13], pal::kGold[12], pal::kGold[10], pal::kOrange[4], pal::kOrange[3]},
    pal::kRed[1], pal::kBlack};
const LetterColours kListColours = kMenuColours;
const LetterColours kCounterColours{
    {pal::kWhite, pal::kRed[14], pal::kRed[12], pal::kRed[10], pal::kRed[8], pal::kRed[6]},
    pal::kRed[0], pal::kBlack};

void WriteAlphabet(const OutputTree& out, const char* spriteName, const std::string& characters,
                   const LetterShape& shape, const LetterColours& colours)
{
    std::vector<SpxFrame> frames;
    for (IndexedImage& letter : DrawLetters(characters, shape, colours)) frames.push_back({std::move(letter), 0, 0});
    WriteOrThrow(out.MediaPath(spriteName), EncodeSpx(frames));
}

void WriteDescription(const OutputTree& out, const char* descriptionName, const std::string& characters)
{
    const std::string line = characters + "\n";
    WriteOrThrow(out.MediaPath(descriptionName), std::vector<uint8_t>(line.begin(), line.end()));
}

void WriteFonts(const OutputTree& out)
{
    WriteDescription(out, "Alphabets\\FontABC.desc", kMenuCharacters);
    WriteDescription(out, "Alphabets\\FontE.desc", kCounterCharacters);
    WriteAlphabet(out, "Alphabets\\Font_A.spx", kMenuCharacters, kMenuShape, kMenuColours);
    WriteAlphabet(out, "Alphabets\\Font_B.spx", kMenuCharacters, kMenuShape, kHighlightColours);
    WriteAlphabet(out, "Alphabets\\Font_C.spx", kMenuCharacters, kListShape, kListColours);
    WriteAlphabet(out, "Alphabets\\Font_E.spx", kCounterCharacters, kCounterShape, kCounterColours);
}

const RegisterGenerator kReg("front-fonts", &WriteFonts);

} // namespace
