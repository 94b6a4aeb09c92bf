#include "core/app/PlacementClamp.h"

#include <algorithm>
#include <cstdint>

namespace marovix {
namespace {

// One side: the size cut to the screen's, the start moved so that start + size stays on it. Sums are
// taken in 64 bits, so that stored values near the limits of int cannot overflow.
void clampSide(int& start, int& size, int screenStart, int screenSize) {
    size = std::clamp(size, std::min(kMinimumWindowSide, screenSize), screenSize);
    const std::int64_t last = std::int64_t(screenStart) + screenSize - size;
    start = static_cast<int>(std::clamp<std::int64_t>(start, screenStart, last));
}

}  // namespace

WindowPlacement clampPlacement(const WindowPlacement& placement, const ScreenArea& screen) {
    WindowPlacement out = placement;
    clampSide(out.left, out.width, screen.left, screen.width);
    clampSide(out.top, out.height, screen.top, screen.height);
    return out;
}

}  // namespace marovix
