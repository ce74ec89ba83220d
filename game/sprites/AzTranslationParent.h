// Base of everything that can carry children: a child's position is passed through its
// parent's Translate before it is used.
#pragma once

#include "AzPoint.h"

#include <cstdint>

class AzTranslationParent {
public:
    virtual ~AzTranslationParent() = default;

    // Maps a point through this object; each kind of parent has its own rule.
    virtual AzPoint Translate(int32_t x, int32_t y) = 0;
    // The parent is not owned and must outlive this object's use of it; null for none.
    // A parent that would close a loop is ignored.
    virtual AzTranslationParent* SetParent(AzTranslationParent* parent);

    AzTranslationParent* GetParent() const { return mParent; }

protected:
    AzTranslationParent() = default;
    AzTranslationParent(const AzTranslationParent&) = default;
    AzTranslationParent& operator=(const AzTranslationParent&) = default;

    // The rule shared by sprites and rectangles: without a parent the point is moved by
    // the position; with one, the given point is dropped and the result is the parent's
    // Translate of the position plus the position once more. The acts' collision boxes
    // are laid out against exactly this, so the double position is kept.
    AzPoint TranslateByPosition(int32_t x, int32_t y, int32_t positionX, int32_t positionY);

    AzTranslationParent* mParent = nullptr;
};
