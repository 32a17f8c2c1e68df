#include "ostrel/setup/interval.h"

namespace ostrel {

std::uint32_t ReadUnsigned(const std::string& text) {
    std::string::size_type i = text.find_first_not_of(' ');
    std::uint64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        if (value > UINT32_MAX) return 0;
    }
    return static_cast<std::uint32_t>(value);
}

std::uint32_t ClampInterval(std::uint32_t reading) {
    // Two's complement view of the reading, without relying on the cast.
    std::int64_t n = reading < 0x80000000u ? std::int64_t{reading} : std::int64_t{reading} - 0x100000000;
    if (n < std::int64_t{kMinInterval}) return kMinInterval;
    if (n > std::int64_t{kMaxInterval}) return kMaxInterval;
    return static_cast<std::uint32_t>(n);
}

bool IsValidInterval(std::optional<std::uint32_t> interval) {
    return interval && *interval >= kMinInterval && *interval <= kMaxInterval;
}

}  // namespace ostrel
