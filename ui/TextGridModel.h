#pragma once
#include <QAbstractTableModel>

#include <functional>

#include "core/common/CellStyle.h"
#include "core/common/TextGrid.h"

namespace marovix {

// Shows a core TextGrid: row 0 of the grid is the heading row, the others are the table's rows.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `style` paints a cell (column, row of the grid, row 0 the heading row); it may be empty.
    TextGridModel(const TextGrid& grid, std::function<CellStyle(int column, int row)> style, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Call after the core changed the grid.
    void refresh();
    const TextGrid& grid() const { return m_grid; }

private:
    const TextGrid& m_grid;
    std::function<CellStyle(int, int)> m_style;
};

}  // namespace marovix
