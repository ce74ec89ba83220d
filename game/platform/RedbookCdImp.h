// The CD player over the host's CD drive (Vl::Host::cd), speaking its text commands.
#pragma once

#include "VlCdDrive.h"
#include "VlRedbook.h"

#include <string>

namespace Vl {

class RedbookCdImp : public Redbook {
public:
    // Without a drive every command fails quietly and nothing sounds.
    explicit RedbookCdImp(CdDrive* drive);
    ~RedbookCdImp() override;

    VlResult GetDriveCount(uint32_t* count) override;
    VlResult GetDriveIndex(uint32_t* index) override;
    VlResult Play(uint32_t track, bool loop) override;
    VlResult Stop() override;
    VlResult Pause() override;
    VlResult Resume() override;
    VlResult IsReady(bool* ready) override;
    VlResult IsPaused(bool* paused) override;
    VlResult SetVolume(uint32_t left, uint32_t right) override;
    VlResult SetPosition(uint32_t track, uint32_t offset) override;
    VlResult Poll() override;

private:
    // Sends without looking at the outcome; the reply is empty on failure.
    std::string Send(const std::string& command);

    CdDrive* mDrive;
    bool mPaused = false;
    bool mLoop = false;
    bool mActive = false;
    uint32_t mTrack = 0;
};

} // namespace Vl
