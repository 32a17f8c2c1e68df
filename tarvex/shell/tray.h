// The tray record and the mouse messages its callback carries.
#pragma once
#include <array>
#include <cstdint>

namespace tarvex {

// The two icons: the form hidden (the tray's usual icon) and shown.
enum class TrayIcon { Hidden, Shown };
enum class TrayOp { Add, Modify, Delete };

// The record's fixed fields, as Shell_NotifyIconA gets them on every
// Windows version the panel runs on (the 88-byte first version).
struct TrayRecord {
    static constexpr std::uint32_t kSize = 88;
    static constexpr std::uint32_t kId = 1;
    static constexpr std::uint32_t kFlags = 7;             // message, icon and tip
    static constexpr std::uint32_t kCallbackMessage = 512;  // arrives as a mouse move
    static constexpr std::size_t kTipSize = 64;

    TrayIcon icon = TrayIcon::Hidden;
    std::array<char, kTipSize> tip{};
};

// "Tarvex 2.0.8", a NUL, and spaces to the end of the field.
std::array<char, TrayRecord::kTipSize> TrayTipField();

// The mouse messages the callback acts on; every other one is ignored.
constexpr unsigned kTrayLeftDown = 513;
constexpr unsigned kTrayRightUp = 517;
constexpr unsigned kTrayRightDoubleClick = 518;

}  // namespace tarvex
