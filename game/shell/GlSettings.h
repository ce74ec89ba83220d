// The game's settings from "gl.config": display switches, media folder and the tuning of both acts.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

struct GlSettings {
    bool FullScreen = true;
    bool PlayCD = true;
    bool ShowFrameRate = false;
    bool ShowCollisionRects = false;
    int32_t GiftAcceleration = 180;
    int32_t CitySpeed = 105;
    int32_t CitySpeedNear = 120;
    int32_t SleighSpeed = 150;
    int32_t CloudSpeed = 60;
    int32_t MaxAddCloudSpeed = 30;
    int32_t CloudSpacing = 100;
    int32_t LandmarkSpeed = 9;
    int32_t PenguinFlyerOdds = 30;
    int32_t StormCloudZapOdds = 15;
    int32_t FrostineOdds = 20;
    int32_t GiftFallOdds = 75;
    int32_t FlyerShootOdds = 30;
    int32_t FlyerAcceleration = 500;
    int32_t FlyerLeaveOdds = 25;
    int32_t StormCloudSpeed = 30;
    int32_t StormCloudWander = 75;
    float FlyerGunDamage = 0.1f;
    float StormCloudDamage = 0.2f;
    float HitOnHeadDamage = 0.1f;
    float SnowballDamage = 0.2f;
    std::string MediaPath = "default";
    // A window that loses the focus pauses the game and mutes it.
    bool PauseOnFocusLoss = true;
};

// The process-wide settings: defaults until LoadSettings, constant afterwards.
const GlSettings& Settings();

// Applies every key of the file (relative to the working directory) and
// answers true; false, changing nothing, when it cannot be opened.
// A line whose value is not a number of its key's type, or a MediaPath line
// longer than 254 characters, is skipped with a warning naming the file and
// line (on standard error, or on the given stream), and reading goes on
// with the next line.
bool LoadSettings(const std::string& fileName);
bool LoadSettings(const std::string& fileName, std::ostream& warnings);

// Back to the defaults; for tests.
void ResetSettings();
