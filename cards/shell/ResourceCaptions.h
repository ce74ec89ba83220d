// Window, label, button and menu captions replaced by string-table texts named by number.
#pragma once

class QWidget;

namespace ResourceCaptions {

// The property a window or part carries its identifier in ("tag"), and its tool tip's.
inline constexpr const char* kTagProperty = "tag";
inline constexpr const char* kToolTipProperty = "toolTipId";
// Strings that name the font of a window and its parts.
inline constexpr int kFontNameString = 20;
inline constexpr int kFontSizeString = 21;

} // namespace ResourceCaptions

// The window's caption becomes the string its tag names; its font the strings
// 20 and 21; labels and other parts take the string their tag names, a
// menu item the string its current caption names. Every step that finds no
// number above 0 or no such string is skipped.
void ApplyResourceCaptions(QWidget* window);
