#pragma once
// The window messages the programs and the simulation exchange, with their
// Win32 numbers.
#include <cstdint>

namespace platform::msg {

inline constexpr std::uint32_t kActivate = 0x0006;
inline constexpr std::uint32_t kPaint = 0x000F;
inline constexpr std::uint32_t kClose = 0x0010;
inline constexpr std::uint32_t kQueryEndSession = 0x0011;
inline constexpr std::uint32_t kEndSession = 0x0016;
inline constexpr std::uint32_t kSetIcon = 0x0080;
inline constexpr std::uint32_t kNcDestroy = 0x0082;
inline constexpr std::uint32_t kNotify = 0x004E;
inline constexpr std::uint32_t kKeyDown = 0x0100;
inline constexpr std::uint32_t kChar = 0x0102;
inline constexpr std::uint32_t kCommand = 0x0111;
inline constexpr std::uint32_t kTimer = 0x0113;
inline constexpr std::uint32_t kMouseMove = 0x0200;
inline constexpr std::uint32_t kLButtonDown = 0x0201;
inline constexpr std::uint32_t kLButtonUp = 0x0202;
inline constexpr std::uint32_t kLButtonDblClk = 0x0203;
inline constexpr std::uint32_t kRButtonDown = 0x0204;
inline constexpr std::uint32_t kRButtonUp = 0x0205;
inline constexpr std::uint32_t kHotKey = 0x0312;
// WM_APP + 1: the notification-area icon's callback as the platform layer has
// the shell deliver it (see shell::NotifyIcon), apart from every message the
// window system sends on its own.
inline constexpr std::uint32_t kTrayCallback = 0x8001;
// Messages registered by name (RegisterWindowMessage) lie from here to 0xFFFF.
inline constexpr std::uint32_t kFirstRegistered = 0xC000;
inline constexpr bool IsRegistered(std::uint32_t message) { return message >= kFirstRegistered && message <= 0xFFFF; }

// Notification codes of WM_COMMAND.
inline constexpr int kBnClicked = 0;
inline constexpr int kStnClicked = 0;
inline constexpr int kEnChange = 0x0300;

}  // namespace platform::msg
