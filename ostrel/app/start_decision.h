// What a start of Ostrel does, from the values of its settings key. A value
// that could not be read is std::nullopt: nothing is ever decided on an
// undefined number.
#pragma once
#include <cstdint>
#include <optional>

namespace ostrel {

// The setup dialog is due until IsSetup is exactly 1 and a usable interval
// is stored; a setup dismissed with Escape therefore comes back next start.
bool SetupDue(std::optional<std::uint32_t> is_setup, std::optional<std::uint32_t> interval);

enum class StartKind {
    Idle,      // no usable interval (setup dismissed): touch nothing, show nothing
    Counting,  // store the counter, show nothing
    Backup,    // store the counter, then back up and show the status window
};

struct StartDecision {
    StartKind kind;
    std::uint32_t counter;  // the NumTimesBacked to store (Counting and Backup)
};

// A counter at or above the interval, or no counter at all, makes a backup
// start and restarts the count at 1; below it, the counter advances.
StartDecision DecideStart(std::optional<std::uint32_t> interval, std::optional<std::uint32_t> counter);

}  // namespace ostrel
