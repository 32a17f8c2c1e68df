#include "tarvex/store/load_errors.h"

#include <new>

namespace tarvex {

Notice ErrorNotice(long number, const std::string& description) {
    const std::string code = "Error Code: " + std::to_string(number);
    const std::string what = "Error Description: " + description;
    return {JoinLines({code.c_str(), what.c_str()}), kNoticeStop, kTitleError};
}

void RunLoadSteps(const std::vector<std::function<void()>>& steps, Notifier& notifier) {
    for (const auto& step : steps) {
        try {
            step();
        } catch (const LoadError& error) {
            if (error.number() != kErrorTypeMismatch)
                notifier.Show(ErrorNotice(error.number(), error.what()));
        } catch (const std::bad_alloc&) {
            notifier.Show(ErrorNotice(7, "Out of memory"));
        } catch (...) {
            notifier.Show(ErrorNotice(51, "Internal error"));
        }
    }
}

}  // namespace tarvex
