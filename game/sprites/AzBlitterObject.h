// A bob: one picture held in a display graphic, drawn with the transparent colour key.
#pragma once

#include "lrDisplay.h"

#include <cstdint>

class AzBlitterObject {
public:
    // Without a display the graphic stays null (logged) and the bob draws nothing.
    AzBlitterObject(int32_t width, int32_t height, int flags);
    AzBlitterObject(const AzBlitterObject&) = delete;
    AzBlitterObject& operator=(const AzBlitterObject&) = delete;
    ~AzBlitterObject();

    // Copies width x height bytes, top row first, into the graphic; the display's answer.
    int LoadFromMemory(const uint8_t* pixels);
    void Draw(int32_t x, int32_t y);
    void DrawPart(int32_t sourceX, int32_t sourceY, int32_t width, int32_t height, int32_t x, int32_t y);

    int32_t GetWidth() const { return mWidth; }
    int32_t GetHeight() const { return mHeight; }
    lrGraphic GetGraphic() const { return mGraphic; }

private:
    int32_t mHeight;
    int32_t mWidth;
    lrGraphic mGraphic = nullptr;
};
