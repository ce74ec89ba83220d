// Debug markers for the acts' collision rectangles (the setting ShowCollisionRects).
#pragma once

class AzNullRect;

// Queues the marker picture, in front of everything, at the rectangle's
// top-left corner and 4 pixels inside its bottom-right corner; nothing when
// the marker is not loaded.
void DrawCollisionRect(AzNullRect rect);
