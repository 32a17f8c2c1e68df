// The fixture base: what a case starts or changes is undone after it.
#include "driver.h"

#include <stdexcept>

namespace e2e {

Process& Case::launch(const std::string& exe, const std::string& args) {
    if (exe.empty()) throw std::runtime_error("no program to start: is its environment variable set?");
    auto p = Process::start(exe, args);
    if (!p) throw std::runtime_error("cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
    processes_.push_back(std::move(p));
    return *processes_.back();
}

void Case::keepKey(HKEY root, const std::string& key) { keys_.emplace_back(root, key); }

void Case::keepFile(const std::string& path) { files_.emplace_back(path); }

void Case::TearDown() {
    // Newest first, so a program started by an earlier one goes first.
    for (auto it = processes_.rbegin(); it != processes_.rend(); ++it) (*it)->kill();
    processes_.clear();
    for (auto it = keys_.rbegin(); it != keys_.rend(); ++it) it->restore();
    keys_.clear();
    for (auto it = files_.rbegin(); it != files_.rend(); ++it) it->restore();
    files_.clear();
}

}  // namespace e2e
