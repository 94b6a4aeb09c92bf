#pragma once
// The views of any window model's named grids and labels, addressed by that window's own ids: a grid is
// shown through TextGridModel in a table view, a label is painted from its core Label. Each widget is
// bound once and kept, so a repaint never looks a widget up by name.
#include <QTableView>
#include <QWidget>

#include <array>
#include <functional>

#include "core/common/CellStyle.h"
#include "core/common/Label.h"
#include "core/common/TextGrid.h"
#include "ui/TextGridModel.h"

namespace marovix {

// Paints a core label onto its widget: the text when the widget is a QLabel and `withText` (an indicator
// keeps a text of its own), then the text and background colours.
void paintLabel(QWidget* widget, const Label& label, bool withText = true);
// Shows the grid's column widths on its view; a width of -1 hides the column.
void applyColumnWidths(QTableView* view, const TextGrid& grid);
// The look every grid of the system shares: a small monospaced font, no row header, no editing, headings
// painted in the colour of the heading cell's style.
void styleGridView(QTableView* view, const CellStyle& heading);

template <class GridId, class LabelId>
class WindowViews {
public:
    // A table view named `name` under `parent` showing `grid`, its cells painted by `style` (may be empty).
    QTableView* addGrid(GridId id, const QString& name, const TextGrid& grid,
                        std::function<CellStyle(int column, int row)> style, QWidget* parent) {
        auto* view = new QTableView(parent);
        view->setObjectName(name);
        const CellStyle heading = style ? style(0, 0) : CellStyle{};
        auto* model = new TextGridModel(grid, std::move(style), view);
        view->setModel(model);
        styleGridView(view, heading);
        applyColumnWidths(view, grid);
        m_grids[static_cast<std::size_t>(id)] = GridView{view, model};
        return view;
    }
    // The widget that shows label `id`.
    void addLabel(LabelId id, QWidget* widget, bool withText = true) {
        m_labels[static_cast<std::size_t>(id)] = LabelView{widget, withText};
    }

    // After the core changed a grid: its rows and column widths shown again.
    void refreshGrid(GridId id) {
        const GridView& grid = m_grids[static_cast<std::size_t>(id)];
        if (!grid.model) return;
        grid.model->refresh();
        applyColumnWidths(grid.view, grid.model->grid());
    }
    // Every bound label painted from `labels`.
    void paintLabels(const LabelSet<LabelId>& labels) {
        for (std::size_t i = 0; i < m_labels.size(); ++i)
            if (m_labels[i].widget)
                paintLabel(m_labels[i].widget, labels[static_cast<LabelId>(i)], m_labels[i].withText);
    }
    QTableView* gridView(GridId id) const { return m_grids[static_cast<std::size_t>(id)].view; }

private:
    struct GridView {
        QTableView* view = nullptr;
        TextGridModel* model = nullptr;
    };
    struct LabelView {
        QWidget* widget = nullptr;
        bool withText = true;
    };
    std::array<GridView, static_cast<std::size_t>(GridId::Count)> m_grids{};
    std::array<LabelView, static_cast<std::size_t>(LabelId::Count)> m_labels{};
};

}  // namespace marovix
