#include "ui/TextGridModel.h"

#include <QColor>
#include <QFont>
#include <QPalette>

#include "ui/QtText.h"

namespace marovix {

TextGridModel::TextGridModel(const TextGrid& grid, std::function<CellStyle(int, int)> style, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid), m_style(std::move(style)) {}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, m_grid.rowCount() - 1);
}

int TextGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_grid.columnCount(); }

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int column = index.column();
    const int row = index.row() + 1;
    if (role == Qt::DisplayRole) return qs(m_grid.cell(column, row));
    if (!m_style) return {};
    const CellStyle style = m_style(column, row);
    switch (role) {
        case Qt::BackgroundRole:
            if (style.toolTipBackground) return QPalette().brush(QPalette::ToolTipBase);
            if (style.background) return QColor(QRgb(*style.background));
            return {};
        case Qt::ForegroundRole: return style.color ? QVariant(QColor(QRgb(*style.color))) : QVariant();
        case Qt::FontRole: {
            if (!style.bold) return {};
            QFont font;
            font.setBold(true);
            return font;
        }
        case Qt::TextAlignmentRole:
            return int(Qt::AlignVCenter | (style.align == CellStyle::Align::Left ? Qt::AlignLeft : Qt::AlignHCenter));
        default: return {};
    }
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) return qs(m_grid.cell(section, 0));
    if (role == Qt::BackgroundRole && m_style) {
        const CellStyle style = m_style(section, 0);
        if (style.background) return QColor(QRgb(*style.background));
    }
    return {};
}

void TextGridModel::refresh() {
    beginResetModel();
    endResetModel();
}

}  // namespace marovix
