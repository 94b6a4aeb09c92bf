#pragma once
// The race-attribute lists and the distance edits of a window that filters races (the strategy window's
// target races, the verification window): built alike, each window placing them and wiring their signals
// to its own model.
#include <QString>
#include <QStringList>
#include <array>

#include "core/race/RaceFilter.h"

class QHBoxLayout;
class QLabel;
class QListWidget;
class QSpinBox;
class QWidget;

namespace marovix {

// A multi-select list named `objectName` holding `items`, whose right button is the window's to answer
// (a custom context menu request).
QListWidget* multiSelectList(const QString& objectName, const QStringList& items, QWidget* parent);

struct RaceFilterControls {
    // The six lists (named "BashoList0" ...) with their items and captions, and KyoriEdit01/KyoriEdit02 with
    // their ranges and step in the row "距離" … "～" … "m".
    explicit RaceFilterControls(QWidget* parent);

    QListWidget* list(FilterListId id) const { return lists[static_cast<std::size_t>(id)]; }
    QLabel* caption(FilterListId id) const { return captions[static_cast<std::size_t>(id)]; }
    // Shows the filter's selected items and distance range; the controls send no signal meanwhile.
    void show(const RaceFilter& filter);

    std::array<QListWidget*, kFilterListCount> lists{};
    std::array<QLabel*, kFilterListCount> captions{};
    QSpinBox* kyoriFrom = nullptr;
    QSpinBox* kyoriTo = nullptr;
    QHBoxLayout* distanceRow = nullptr;
};

}  // namespace marovix
