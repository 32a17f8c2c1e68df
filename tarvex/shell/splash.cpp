#include "tarvex/shell/splash.h"

namespace tarvex {

SplashMode SplashModeFor(const std::string& logo) {
    if (logo.empty() || logo == "1") return SplashMode::Timed;
    if (logo == "0") return SplashMode::Skip;
    return SplashMode::Design;
}

Notice RecipeNotice() {
    // A title, eight ingredients, one line of instructions and a credit.
    return {JoinLines({"Tuner's Midnight Chili", "",
                       "1 lb ground beef", "1 onion, chopped", "2 cloves garlic",
                       "1 can kidney beans", "1 can crushed tomatoes", "2 tbsp chili powder",
                       "1 tsp cumin", "Salt and pepper", "",
                       "Brown the beef with the onion and garlic, add the rest and simmer for an hour.",
                       "", "From the Tarvex kitchen"}),
            kNoticeInfo, "Tarvex (Recipe)"};
}

}  // namespace tarvex
