// Resource numbers of the shell's own pictures (the buttons carry theirs as resource bases).
#pragma once

namespace ShellPictures {

inline constexpr int kSplash = 100;      // 512 x 384, the start-up window
inline constexpr int kAbout = 110;       // 512 x 384, the about window
inline constexpr int kLogin = 120;       // 430 x 272, behind the login window's list and buttons
inline constexpr int kMainWindow = 130;  // 640 x 480, behind everything in the main window
inline constexpr int kLeftPanel = 140;   // 100 x 480, the left button column
inline constexpr int kRightPanel = 150;  // 90 x 480, the right button column

} // namespace ShellPictures
