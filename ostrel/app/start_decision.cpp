#include "ostrel/app/start_decision.h"

#include "ostrel/setup/interval.h"

namespace ostrel {

bool SetupDue(std::optional<std::uint32_t> is_setup, std::optional<std::uint32_t> interval) {
    return is_setup != 1u || !IsValidInterval(interval);
}

StartDecision DecideStart(std::optional<std::uint32_t> interval, std::optional<std::uint32_t> counter) {
    if (!IsValidInterval(interval)) return {StartKind::Idle, 0};
    if (!counter || *counter >= *interval) return {StartKind::Backup, 1};
    return {StartKind::Counting, *counter + 1};
}

}  // namespace ostrel
