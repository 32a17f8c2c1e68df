// The registry keys and values Ostrel keeps, as it has always named them
// (the leading and trailing backslashes included).
#pragma once

namespace ostrel {

constexpr char kSettingsKey[] = "\\Software\\Kelmora\\Ostrel\\";
constexpr char kIsSetupValue[] = "IsSetup";
constexpr char kIntervalValue[] = "BackEveryNumTimes";
constexpr char kCounterValue[] = "NumTimesBacked";

constexpr char kRunKey[] = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";
constexpr char kRunValue[] = "Ostrel";

}  // namespace ostrel
