// What the splash form does with the splash option, and its hidden message.
#pragma once
#include <string>

#include "tarvex/store/notice.h"

namespace tarvex {

enum class SplashMode {
    Timed,   // "" or "1": the product texts, then the main form after two seconds
    Skip,    // "0": straight to the main form
    Design,  // anything else: the design texts, waiting for a key or a click
};

constexpr unsigned kSplashMillis = 2000;

SplashMode SplashModeFor(const std::string& logo);

// The notice a double-click on the logo shows.
Notice RecipeNotice();

}  // namespace tarvex
