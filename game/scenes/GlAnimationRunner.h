// Loads the objects an animation script names and queues one animation frame of it.
#pragma once

#include "GlAnimationElement.h"

#include <cstdint>

// Loads one object per element into the empty objects list; false if the list was not empty.
bool GlAnimationCreateBobs(const GlAnimationElements& elements, GlAnimationObjects& objects);
// Deletes the sprites and props, releases the sounds and empties the list.
bool GlAnimationDestroyBobs(const GlAnimationElements& elements, GlAnimationObjects& objects);
// Queues the draw commands of animation frame `frame` and starts the sounds that are due.
bool GlAnimationRun(GlAnimationElements& elements, int32_t frame, GlAnimationObjects& objects);
