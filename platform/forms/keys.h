#pragma once
// The keys the forms layer acts on, by their virtual-key codes, and the shift
// flags that come with a key (as the key events give them).

namespace forms {

inline constexpr int kKeyTab = 0x09;
inline constexpr int kKeyReturn = 0x0D;
inline constexpr int kKeySpace = 0x20;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyDown = 0x28;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

}  // namespace forms
