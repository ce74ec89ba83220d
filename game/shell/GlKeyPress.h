// One press per key: a screen's own memory of the key seen down this frame and last frame.
#pragma once

class GlKeyPress {
public:
    // Call at the start of the screen's RunFrame.
    void BeginFrame() { mThisFrameKey = -1; }
    // Call at the end of the screen's RunFrame.
    void EndFrame() { mLastFrameKey = mThisFrameKey; }

    // Only one key is remembered per frame (the last one asked that was down),
    // so with two keys held, the one asked first reports a press again next
    // frame. Menus rely on this being the whole rule.
    bool KeyPressed(int virtualKey);

private:
    int mThisFrameKey = -1;
    int mLastFrameKey = -1;
};
