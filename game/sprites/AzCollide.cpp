// Rectangle collision with its debugging markers.
#include "AzCollide.h"

#include "AzDrawBobCommand.h"
#include "AzDrawQueue.h"
#include "AzNullRect.h"

#include <cstdint>

AzBlitterObject* gCollisionRectImage = nullptr;

namespace {

constexpr float kMarkerDepth = -1.0f;

struct Edges {
    int64_t left;
    int64_t top;
    int64_t right;
    int64_t bottom;
};

Edges EdgesOf(AzNullRect& rect)
{
    const AzPoint position = rect.GetPosition();
    return {position.x, position.y, int64_t{position.x} + rect.GetWidth() - 1, int64_t{position.y} + rect.GetHeight() - 1};
}

void PushMarkers(const Edges& r)
{
    gDrawQueue.push(new AzDrawBobCommand(kMarkerDepth, gCollisionRectImage, static_cast<int32_t>(r.right - 3),
                                         static_cast<int32_t>(r.top)));
    gDrawQueue.push(new AzDrawBobCommand(kMarkerDepth, gCollisionRectImage, static_cast<int32_t>(r.left),
                                         static_cast<int32_t>(r.bottom - 3)));
}

} // namespace

namespace az {

bool Collide(AzNullRect a, AzNullRect b)
{
    const Edges ea = EdgesOf(a);
    const Edges eb = EdgesOf(b);
    if (gCollisionRectImage) {
        PushMarkers(ea);
        PushMarkers(eb);
    }
    return !(ea.right < eb.left || eb.right < ea.left || ea.bottom < eb.top || eb.bottom < ea.top);
}

} // namespace az
