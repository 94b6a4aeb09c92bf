#pragma once
// Where a window stands on the screen, as its settings keep it.
namespace marovix {

struct WindowPlacement {
    int top = 0;
    int left = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

}  // namespace marovix
