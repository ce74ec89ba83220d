// The composition parts the main window holds. Until the canvas, strip, category
// buttons and text window are built, stand-ins of their size and calls take their place.
#pragma once

#include "PlaceholderCanvas.h"
#include "PlaceholderMiddleButtons.h"
#include "PlaceholderTextWindow.h"
#include "PlaceholderThumbNailScroller.h"

using CanvasPart = PlaceholderCanvas;
using ThumbNailPart = PlaceholderThumbNailScroller;
using MiddleButtonsPart = PlaceholderMiddleButtons;
using TextWindowPart = PlaceholderTextWindow;
