// The panel's name and version, said once.
#pragma once

namespace tarvex {

constexpr const char* kAppTitle = "Tarvex";
constexpr int kVersionMajor = 2;
constexpr int kVersionMinor = 0;
constexpr int kVersionRevision = 8;
constexpr const char* kVersionText = "2.0.8";  // major.minor.revision
constexpr const char* kHelpFile = "TARVEX.HLP";

}  // namespace tarvex
