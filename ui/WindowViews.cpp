#include "ui/WindowViews.h"

#include <QHeaderView>
#include <QLabel>

#include "ui/QtText.h"

namespace marovix {
namespace {

QString hexColour(Rgb rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

}  // namespace

void paintLabel(QWidget* widget, const Label& label, bool withText) {
    if (auto* text = qobject_cast<QLabel*>(widget); text && withText) text->setText(qs(label.text));
    QString style;
    if (label.color) style += QStringLiteral("color: %1;").arg(hexColour(*label.color));
    if (label.background) style += QStringLiteral("background-color: %1;").arg(hexColour(*label.background));
    if (widget->styleSheet() != style) widget->setStyleSheet(style);
    if (label.background) widget->setAutoFillBackground(true);
}

void applyColumnWidths(QTableView* view, const TextGrid& grid) {
    for (int c = 0; c < grid.columnCount(); ++c) {
        const int width = grid.columnWidth(c);
        view->setColumnHidden(c, width < 0);
        if (width >= 0) view->setColumnWidth(c, width);
    }
}

void styleGridView(QTableView* view, const CellStyle& heading) {
    if (heading.background) {
        view->horizontalHeader()->setStyleSheet(
            QStringLiteral("QHeaderView::section { background-color: %1; }").arg(hexColour(*heading.background)));
    }
    view->verticalHeader()->hide();
    // The grids' widths are those of a small monospaced font: the race card's columns are 20 to 130 pixels.
    QFont font(QStringLiteral("Noto Sans Mono CJK JP"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(11);
    view->setFont(font);
    view->horizontalHeader()->setFont(font);
    view->horizontalHeader()->setMinimumSectionSize(10);
    view->verticalHeader()->setDefaultSectionSize(20);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

}  // namespace marovix
