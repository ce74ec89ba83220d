// Signal connections between the category buttons, the thumbnail strip and the canvas.
#include "ComposeWiring.h"

#include "CanvasControl.h"
#include "MiddleButtonsControl.h"
#include "ThumbNailScroller.h"

namespace ComposeWiring {

void Connect(MiddleButtonsControl* buttons, ThumbNailScroller* strip, CanvasControl* canvas, QLabel* thumbName,
             std::function<int()> userLevel)
{
    QObject::connect(buttons, &MiddleButtonsControl::PickCategory, strip,
                     [strip, userLevel](int category) { strip->ShowImagesofType(category, userLevel ? userLevel() : 0); });
    QObject::connect(strip, &ThumbNailScroller::ThumbNailSelected, canvas, &CanvasControl::AddGraphic);
    strip->SetCaptionLabel(thumbName);
    canvas->SetCaptionLabel(thumbName);
}

void ShowFirstCategory(MiddleButtonsControl* buttons, ThumbNailScroller* strip, int userLevel)
{
    strip->ShowImagesofType(1, userLevel);
    buttons->SelectButton(1);
}

} // namespace ComposeWiring
