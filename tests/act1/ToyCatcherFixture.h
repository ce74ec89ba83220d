// A toy catcher round driven frame by frame outside the main loop, on the built media,
// with the values a program run shares put back to their start.
#pragma once

#include "ScreenFixture.h"

#include "GlRandom.h"
#include "GlSnowmobile.h"
#include "GlTCGift.h"
#include "GlTCPenguin.h"
#include "GlTCSnowball.h"
#include "GlToyCatcher.h"

#include "VlFile.h"

#include <string>

#ifndef SKYRUN_DIST_DIR
#error "SKYRUN_DIST_DIR names the built install tree"
#endif

class ToyCatcherFixture : public ScreenFixture {
protected:
    static constexpr uint32_t kMsPerFrame = 17;

    void SetUp() override
    {
        ScreenFixture::SetUp();
        VlSetMediaPath(std::string(SKYRUN_DIST_DIR) + "/_media");
        GlResetRandom();
        GlToyCatcher::SharedValues() = {};
        GlSnowmobile::SharedValues() = {};
        GlTCPenguin::SharedValues() = {};
    }

    // A round whose timers never spawn anything: the test adds the actors it wants.
    GlToyCatcher& StartQuietRound()
    {
        mQuiet = true;
        GlToyCatcher& round = StartRound();
        // The first two frames share the load's time stamp: nothing moves in them.
        Frames(2);
        return round;
    }

    GlToyCatcher& StartRound()
    {
        mRound = new GlToyCatcher();
        Start(mRound);
        return *mRound;
    }

    // One frame of the round; a quiet round's spawn timers are held at the frame time.
    void Step()
    {
        if (mQuiet) {
            uint32_t now = 0;
            lrGetFlipTime(&now);
            GlToyCatcher::SharedValues().lastGiftSpawn = now;
            GlToyCatcher::SharedValues().lastPenguinSpawn = now;
        }
        Frame(kMsPerFrame);
    }

    void Frames(int count)
    {
        for (int i = 0; i < count; ++i)
            Step();
    }

    // Runs frames until the actor is no longer in the round's list; the frames it took, or -1.
    int FramesUntilGone(const GlGameObject* actor, int limit = 2000)
    {
        for (int frame = 1; frame <= limit; ++frame) {
            Step();
            if (!Contains(actor))
                return frame;
        }
        return -1;
    }

    bool Contains(const GlGameObject* actor) const
    {
        for (const GlGameObject* each : mRound->Actors().Actors()) {
            if (each == actor)
                return true;
        }
        return false;
    }

    // An item of a kind and look that falls from the upper belt.
    GlTCGift* AddFallingItem(GlTCGift::Kind kind, GlTCGift::Look look, float x, float y, int32_t fallPoint = 300)
    {
        auto* item = new GlTCGift(mRound, {kind, look, true, fallPoint});
        item->SetPlace(x, y, GlTCGift::kFalling);
        mRound->Actors().Append(item);
        return item;
    }

    // Where an item's x must be for its catch point to sit on screen x `middle`.
    float ItemXFor(const GlTCGift& item, float middle) const
    {
        return middle - static_cast<float>(item.BoxAt(0.0f, 0.0f).GetX()) - 1.0f;
    }

    int HeardCount(const std::string& name) const
    {
        int count = 0;
        for (const auto& play : mAudio.Plays()) {
            if (play.label.find(name) != std::string::npos)
                ++count;
        }
        return count;
    }

    GlToyCatcher* mRound = nullptr;
    bool mQuiet = false;
};
