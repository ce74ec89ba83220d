// The CD player: plays one audio track of the CD, once or looping, through the host's CD drive.
#pragma once

#include "VlBase.h"

#include <cstdint>

namespace Vl {

class Redbook : public Base {
public:
    // Slots the game never calls are kept so the interface stays whole; on
    // this platform they answer fixed values and do nothing.
    virtual VlResult GetDriveCount(uint32_t* count) = 0; // always 1
    virtual VlResult GetDriveIndex(uint32_t* index) = 0; // always 1
    // Plays the track alone, or to the end of the disc when it is the last one.
    virtual VlResult Play(uint32_t track, bool loop) = 0;
    virtual VlResult Stop() = 0;
    virtual VlResult Pause() = 0;  // no effect
    virtual VlResult Resume() = 0; // no effect
    virtual VlResult IsReady(bool* ready) = 0; // always true
    virtual VlResult IsPaused(bool* paused) = 0;
    virtual VlResult SetVolume(uint32_t left, uint32_t right) = 0; // no effect
    virtual VlResult SetPosition(uint32_t track, uint32_t offset) = 0; // no effect
    // About once a second: a looping track that has stopped starts again.
    virtual VlResult Poll() = 0;

protected:
    Redbook();
};

} // namespace Vl

// On success *player holds a new player (count 1) that has opened the drive.
VlResult VlRedbookCreate(Vl::Redbook** player);
