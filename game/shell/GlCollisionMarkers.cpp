// Collision rectangle markers.
#include "GlCollisionMarkers.h"

#include "AzCollide.h"
#include "AzDrawBobCommand.h"
#include "AzDrawQueue.h"
#include "AzNullRect.h"

namespace {
constexpr float kMarkerDepth = -1.0f;
}

void DrawCollisionRect(AzNullRect rect)
{
    if (gCollisionRectImage == nullptr)
        return;
    AzPoint corner = rect.GetPosition();
    gDrawQueue.push(new AzDrawBobCommand(kMarkerDepth, gCollisionRectImage, corner.x, corner.y));
    gDrawQueue.push(new AzDrawBobCommand(kMarkerDepth, gCollisionRectImage, corner.x + rect.GetWidth() - 4,
                                         corner.y + rect.GetHeight() - 4));
}
