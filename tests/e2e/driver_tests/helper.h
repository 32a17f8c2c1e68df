// The self-test's helper program (helper/helper.cpp), started per case.
#pragma once

#include "driver.h"

namespace e2e {

class HelperCase : public Case {
protected:
    Process& helper(const std::string& args) { return launch(exeFromEnv("E2E_HELPER_EXE"), args); }
};

}  // namespace e2e
