// Runs an animation script frame by frame: loads its objects, queues its pictures, starts its sounds.
#include "GlAnimationRunner.h"

#include "GlScreenState.h"

#include "AzBlitterObject.h"
#include "AzBobSprite.h"
#include "AzDrawBobCommand.h"
#include "AzDrawBobSpriteCommand.h"
#include "AzDrawQueue.h"
#include "AzLoaders.h"
#include "VlChannelPack.h"
#include "VlLog.h"
#include "VlSound.h"

namespace {

// The sprite frame (from 0) that a sprite action shows at this animation frame, or -1 for none.
int32_t SpriteFrame(const GlAnimationAction& action, int32_t frame, const AzBobSprite& sprite)
{
    int64_t index = int64_t(frame) - int64_t(action.start);
    if (action.loop) {
        const int32_t count = sprite.GetFrameCount();
        if (count <= 0)
            return -1;
        index %= count;
    }
    // A sequence shorter than the sprite or the action shows nothing for the frames it lacks.
    if (index < 0 || index >= int64_t(action.frames.size()))
        return -1;
    return action.frames[static_cast<size_t>(index)] - 1;
}

void QueueAction(const GlAnimationElement& element, const GlAnimationAction& action, int32_t frame,
                 const GlAnimationObject& object)
{
    const float depth = static_cast<float>(action.depth);
    if (element.kind == GlAnimationElement::kSprite && object.sprite != nullptr) {
        const int32_t spriteFrame = SpriteFrame(action, frame, *object.sprite);
        if (spriteFrame >= 0)
            gDrawQueue.push(new AzDrawBobSpriteCommand(depth, object.sprite, action.x, action.y, spriteFrame));
    } else if (element.kind == GlAnimationElement::kProp && object.prop != nullptr) {
        gDrawQueue.push(new AzDrawBobCommand(depth, object.prop, action.x, action.y));
    }
}

} // namespace

bool GlAnimationCreateBobs(const GlAnimationElements& elements, GlAnimationObjects& objects)
{
    if (!objects.empty()) {
        azLog() << "GlAnimationCreateBobs bob vector isn't empty" << "\n" << std::flush;
        return false;
    }
    for (const GlAnimationElement& element : elements) {
        GlAnimationObject object;
        switch (element.kind) {
        case GlAnimationElement::kSprite:
            object.sprite = az::LoadBobSprite(element.fileName);
            break;
        case GlAnimationElement::kProp:
            object.prop = az::LoadBlitterObject(element.fileName);
            break;
        default:
            Vlu::SoundCreateAndLoad(&object.sound, element.fileName);
            break;
        }
        objects.push_back(object);
    }
    return true;
}

bool GlAnimationDestroyBobs(const GlAnimationElements& elements, GlAnimationObjects& objects)
{
    if (elements.size() != objects.size()) {
        azLog() << "GlAnimationDestroyBobs vectors aren't the same size" << "\n" << std::flush;
        return false;
    }
    for (GlAnimationObject& object : objects) {
        delete object.sprite;
        delete object.prop;
        if (object.sound != nullptr)
            object.sound->Release();
    }
    objects.clear();
    return true;
}

bool GlAnimationRun(GlAnimationElements& elements, int32_t frame, GlAnimationObjects& objects)
{
    if (elements.size() != objects.size()) {
        azLog() << "GlAnimationRun vectors aren't the same size" << "\n" << std::flush;
        return false;
    }
    for (size_t i = 0; i < elements.size(); ++i) {
        GlAnimationElement& element = elements[i];
        const GlAnimationObject& object = objects[i];
        for (GlAnimationAction& action : element.actions) {
            if (frame >= action.start && frame <= action.end)
                QueueAction(element, action, frame, object);
            // Once per loaded animation, even if the frame number is later moved back.
            if (element.kind == GlAnimationElement::kSound && frame >= action.start && !action.played) {
                if (gChannelPack != nullptr && object.sound != nullptr)
                    gChannelPack->Play(object.sound, 0, true, false);
                action.played = true;
            }
        }
    }
    return true;
}
