// Outlined bitmap letters for the game's alphabets: one frame per character, all one height.
#pragma once

#include "MediaImage.h"

#include <string>
#include <vector>

namespace mediagen {

// The geometry of a face. Faces drawn with equal shapes measure alike, whatever their colours.
struct LetterShape {
    const char* family = "DejaVu Sans Bold"; // a fontconfig family and style
    double pixelSize = 32.0;                 // the em, in pixels
    double outline = 3.0;                    // outline thickness outside the letter
    int shadowX = 2;                         // drop shadow offset; 0, 0 for none
    int shadowY = 2;
};

// Palette indices of a face.
struct LetterColours {
    std::vector<int> fill; // vertical gradient, from the top of the capitals down to the baseline
    int outline = 0;
    int shadow = 0;
};

// One frame per character of `characters`, in order. All frames share one height and baseline;
// a frame's width is the character's advance, and its ink (outline and shadow included) lies
// wholly inside it, because the game packs frames edge to edge with nothing in between.
std::vector<IndexedImage> DrawLetters(const std::string& characters, const LetterShape& shape,
                                      const LetterColours& colours);

} // namespace mediagen
