// An invisible rectangle for collision tests, placed directly or through a parent.
#pragma once

#include "AzTranslationParent.h"

#include <cstdint>

class AzNullRect : public AzTranslationParent {
public:
    AzNullRect() = default;
    AzNullRect(const AzNullRect&) = default;
    AzNullRect& operator=(const AzNullRect&) = default;
    AzNullRect(int32_t x, int32_t y, int32_t width, int32_t height);

    void SetPosition(int32_t x, int32_t y);
    void SetSize(int32_t width, int32_t height);
    // The position, moved by the parent's Translate of it when there is a parent.
    AzPoint GetPosition();
    AzPoint Translate(int32_t x, int32_t y) override;

    int32_t GetX() const { return mX; }
    int32_t GetY() const { return mY; }
    int32_t GetWidth() const { return mWidth; }
    int32_t GetHeight() const { return mHeight; }

private:
    int32_t mX = 0;
    int32_t mY = 0;
    int32_t mWidth = 0;
    int32_t mHeight = 0;
};
