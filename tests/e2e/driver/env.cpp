// Waiting and the test environment.
#include "driver.h"

#include <cstdlib>
#include <thread>

namespace e2e {

bool waitUntil(const std::function<bool()>& cond, Ms timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (cond()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(Ms(25));
    }
}

std::string windowsPath(const std::string& unixPath) {
    if (unixPath.size() >= 2 && unixPath[1] == ':') return unixPath;
    // Wine maps the unix root to drive Z:.
    std::string out = "Z:";
    for (char c : unixPath) out += c == '/' ? '\\' : c;
    return out;
}

std::string exeFromEnv(const char* var) {
    const char* value = std::getenv(var);
    return value && *value ? windowsPath(value) : std::string();
}

}  // namespace e2e
