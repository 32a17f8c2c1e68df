// GoogleTest's customisation point, taken in place of the stock empty one
// by the Windows trees. The -win32 runtime of mingw-w64 has no std::mutex,
// which GoogleTest's Notification needs; this one serves its only user,
// GoogleTest's own thread helper, which the tests here never start.
#ifndef GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
#define GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
public:
    Notification() = default;
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { notified_ = true; }
    void WaitForNotification() {
        while (!notified_) {
        }
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing

#endif  // GOOGLETEST_INCLUDE_GTEST_INTERNAL_CUSTOM_GTEST_PORT_H_
