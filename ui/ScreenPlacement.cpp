#include "ui/ScreenPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include "core/app/PlacementClamp.h"

namespace marovix {

WindowPlacement onScreen(const WindowPlacement& stored) {
    const QRect wanted(stored.left, stored.top, stored.width, stored.height);
    QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen || screen->availableGeometry().isEmpty()) return stored;
    const QRect area = screen->availableGeometry();
    return clampPlacement(stored, ScreenArea{area.left(), area.top(), area.width(), area.height()});
}

void keepOnScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    const WindowPlacement placed = onScreen({frame.y(), frame.x(), frame.width(), frame.height()});
    if (placed == WindowPlacement{frame.y(), frame.x(), frame.width(), frame.height()}) return;
    window.resize(placed.width - (frame.width() - inner.width()), placed.height - (frame.height() - inner.height()));
    window.move(placed.left, placed.top);
}

}  // namespace marovix
