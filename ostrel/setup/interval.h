// The interval N of the setup dialog: back up once every N starts, 1 to 50.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace ostrel {

constexpr std::uint32_t kMinInterval = 1;
constexpr std::uint32_t kMaxInterval = 50;

// The edit box's text read as an unsigned decimal number: blanks before
// the digits are skipped, reading stops at the first non-digit; no digits,
// or a number above 4294967295, read as 0.
std::uint32_t ReadUnsigned(const std::string& text);

// The reading taken as a signed 32-bit number and clamped to 1..50, so that
// readings of 2^31 and above (negative as signed) give 1, not 50.
std::uint32_t ClampInterval(std::uint32_t reading);

bool IsValidInterval(std::optional<std::uint32_t> interval);

}  // namespace ostrel
