// The collision test of two rectangles and its on-screen markers.
#pragma once

class AzBlitterObject;
class AzNullRect;

// The marker picture drawn at collision rectangles' corners; null unless the shell loaded
// it because the setting ShowCollisionRects is on. The shell owns it.
extern AzBlitterObject* gCollisionRectImage;

namespace az {

// Both rectangles cover their edge pixels, so rectangles that share an edge pixel collide.
// With the marker loaded, four markers go onto the draw queue in front of everything.
bool Collide(AzNullRect a, AzNullRect b);

} // namespace az
