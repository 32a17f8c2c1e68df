// The load handler's error handler: every step of the load runs under it; an
// error is reported (a type mismatch excepted) and the load goes on with the
// next step.
#pragma once
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tarvex/store/notice.h"

namespace tarvex {

constexpr long kErrorTypeMismatch = 13;

// An error as the load reports it: a number and a description.
class LoadError : public std::runtime_error {
public:
    LoadError(long number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    long number() const { return number_; }

private:
    long number_;
};

// "Error Code: N" CR "Error Description: text", stop icon, "Tarvex (Error)".
Notice ErrorNotice(long number, const std::string& description);

// Runs every step in order; a step that throws is abandoned, reported
// through the notifier (not for a type mismatch) and the next step runs.
// Exceptions other than LoadError are reported too: std::bad_alloc as
// 7 "Out of memory", anything else as 51 "Internal error".
void RunLoadSteps(const std::vector<std::function<void()>>& steps, Notifier& notifier);

}  // namespace tarvex
