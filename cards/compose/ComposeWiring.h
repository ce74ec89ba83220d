// How the main window joins the composition parts: category buttons to the strip, strip to canvas.
#pragma once

#include <functional>

class CanvasControl;
class MiddleButtonsControl;
class QLabel;
class ThumbNailScroller;

namespace ComposeWiring {

// PickCategory(c) shows category c for the level `userLevel` answers at that moment;
// ThumbNailSelected(item, background) places the item on the canvas; the strip's captions and
// the canvas's PDF notice go to the caption line `thumbName`.
void Connect(MiddleButtonsControl* buttons, ThumbNailScroller* strip, CanvasControl* canvas, QLabel* thumbName,
             std::function<int()> userLevel);

// The player flow on activation with a player: category 1 for the level, then button 1 selected,
// which shows category 1 once more through its event.
void ShowFirstCategory(MiddleButtonsControl* buttons, ThumbNailScroller* strip, int userLevel);

} // namespace ComposeWiring
