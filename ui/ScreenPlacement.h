#pragma once
// Keeps a window the user can reach when it is shown where its settings put it.
#include "core/common/WindowPlacement.h"

class QWidget;

namespace marovix {

// `stored` kept on the screen it names (or the primary one when it names none): moved, and cut to the
// screen's size, just enough for the whole window to be on that screen's available area.
WindowPlacement onScreen(const WindowPlacement& stored);

// A shown window, frame included, moved and cut the same way onto its screen.
void keepOnScreen(QWidget& window);

}  // namespace marovix
