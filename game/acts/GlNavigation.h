// The globe between the acts: the player turns it, walks the selection along the flags and picks the next city.
#pragma once

#include "GlAlphabets.h"
#include "GlInterfaceRun.h"
#include "GlKeyPress.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class AzBlitterObject;
class AzBobSprite;
struct CityEntry;

namespace Vl {
class Sound;
}

class GlNavigation : public GlInterfaceRun {
public:
    // The selection's shrink-and-grow animation, shared by every navigation screen.
    struct SelectionMotion {
        bool moving = false;
        bool movingLeft = false;
        bool leaving = false;
        uint32_t startTime = 0;
    };

    GlNavigation();
    ~GlNavigation() override;
    bool RunFrame() override;
    void Load() override;

    // Reads "navig\config.txt" on the first call of a program run, then builds
    // a tour if none is in progress; the globe starts on face 1, first entry.
    void LoadCityData();
    // The city list is read again by the next LoadCityData (tests run many games in one process).
    static void ForgetCityData();

    int32_t GetFace() const { return mFace; }
    int32_t GetSelection() const { return mSelection; }
    // The selected entry of the current face, or null.
    const CityEntry* GetSelectedEntry() const;
    bool IsActive() const { return mActive; }
    bool IsSpinning() const { return mSpinning; }
    bool IsSpinningRight() const { return mSpinRight; }
    static const SelectionMotion& GetSelectionMotion();
    // The globe frame a spin shows t ticks after its start, and the face it
    // turns to; both wrapped.
    static int32_t SpinFrame(int32_t face, bool right, int32_t ticks);
    static int32_t SpinTarget(int32_t face, bool right);
    // The picture frame of the selection's zoom: 6 at rest, 3 down to 0
    // while it leaves, 0 up to 6 while it arrives.
    static int32_t ZoomFrame(bool moving, bool leaving, int32_t ticks);

private:
    void PlayFirstFrameSounds();
    void RunChoice();
    void RunFace(bool left, bool right);
    void RunSpin();
    void ReadFaceKeys(bool left, bool right);
    void DrawEntries();
    void DrawSelectedArrow(bool goLeft);
    void DrawSelectedPlace(const CityEntry& entry);
    void DrawArrows();
    void DrawName(const std::string& name, const std::string& description);
    void StepSelection(bool left);
    bool TourHasCities() const;
    void LoadPictures();
    void AttachPictures(bool attach);
    std::vector<CityEntry>& FaceList();
    int32_t FrameCount(const std::unique_ptr<AzBobSprite>& sprite) const;

    GlAlphabets mFonts;
    std::unique_ptr<AzBlitterObject> mBackground;
    std::unique_ptr<AzBobSprite> mGlobe;
    std::unique_ptr<AzBobSprite> mSnowCloud;
    std::unique_ptr<AzBobSprite> mWhiteFlag;
    std::unique_ptr<AzBobSprite> mRedFlag;
    std::unique_ptr<AzBobSprite> mCornerRing;
    std::unique_ptr<AzBobSprite> mCityRing;
    std::unique_ptr<AzBobSprite> mDeliveredGift;
    std::unique_ptr<AzBobSprite> mArrowLeft;
    std::unique_ptr<AzBobSprite> mArrowRight;
    // The city pictures by file name, for the tour's cities and the North Pole.
    std::map<std::string, std::unique_ptr<AzBobSprite>> mPictures;
    Vl::Sound* mSpaceSound = nullptr;
    Vl::Sound* mNorthPoleVoice = nullptr;
    Vl::Sound* mWelcomeVoice = nullptr;
    Vl::Sound* mNoGiftsVoice = nullptr;
    Vl::Sound* mSelectSound = nullptr;
    Vl::Sound* mArrowSound = nullptr;
    Vl::Sound* mSpinSound = nullptr;
    GlKeyPress mKeys;
    bool mFirstFrameDone = false;
    bool mPicturesAttached = false;
    int32_t mFace = 1;
    int32_t mSelection = 0;
    bool mActive = true;
    bool mSpinning = false;
    bool mSpinRight = false;
    uint32_t mSpinStart = 0;
};
