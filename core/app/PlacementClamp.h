#pragma once
// Keeps a window where the user can reach it: a stored placement that puts it off every screen (a top of
// -99999, a height of 999999999, a screen since removed) is brought onto the available screen area.
#include "core/app/MainState.h"

namespace marovix {

// The part of a screen a window may take (without task bars), in the same coordinates as the placement.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A window is never made smaller than this on a side (unless the screen is).
inline constexpr int kMinimumWindowSide = 100;

// The placement inside `screen`: width and height cut to the screen's (and raised to kMinimumWindowSide),
// then left and top moved just far enough for the whole window to be on it. A placement already inside
// comes back unchanged. REQUIRES: screen.width > 0 and screen.height > 0.
WindowPlacement clampPlacement(const WindowPlacement& placement, const ScreenArea& screen);

}  // namespace marovix
