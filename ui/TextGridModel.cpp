#include "ui/TextGridModel.h"

#include "ui/QtText.h"

namespace marovix {

TextGridModel::TextGridModel(const TextGrid& grid, QObject* parent) : QAbstractTableModel(parent), m_grid(grid) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, m_grid.rowCount() - 1);
}

int TextGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_grid.columnCount(); }

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return qs(m_grid.cell(index.column(), index.row() + 1));
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return qs(m_grid.cell(section, 0));
    return {};
}

void TextGridModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace marovix
