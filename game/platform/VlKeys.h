// Virtual-key codes: the game asks for keys by these numbers on every platform.
#pragma once

namespace Vl {

constexpr int kVK_Back = 0x08;
constexpr int kVK_Return = 0x0D;
constexpr int kVK_Shift = 0x10;
constexpr int kVK_Escape = 0x1B;
constexpr int kVK_Space = 0x20;
constexpr int kVK_Left = 0x25;
constexpr int kVK_Up = 0x26;
constexpr int kVK_Right = 0x27;
constexpr int kVK_Down = 0x28;
constexpr int kVK_Snapshot = 0x2C; // Print Screen
constexpr int kVK_0 = 0x30; // '0' .. '9' are 0x30 .. 0x39
constexpr int kVK_A = 0x41; // 'A' .. 'Z' are 0x41 .. 0x5A
constexpr int kVK_F10 = 0x79;
constexpr int kVK_F11 = 0x7A;
constexpr int kVK_F12 = 0x7B;
constexpr int kVK_Count = 256;

} // namespace Vl
