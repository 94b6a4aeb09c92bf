#include "ui/RaceFilterControls.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>

#include "ui/QtText.h"
#include "ui/WidgetNames.h"

namespace marovix {

QListWidget* multiSelectList(const QString& objectName, const QStringList& items, QWidget* parent) {
    auto* list = named(new QListWidget(parent), objectName);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->addItems(items);
    return list;
}

RaceFilterControls::RaceFilterControls(QWidget* parent) {
    for (int id = 0; id < kFilterListCount; ++id) {
        const auto listId = static_cast<FilterListId>(id);
        QStringList items;
        for (std::string_view item : filterListItems(listId)) items << qs(std::string(item));
        lists[static_cast<std::size_t>(id)] = multiSelectList(qs(std::string(filterListName(listId))), items, parent);
        captions[static_cast<std::size_t>(id)] = new QLabel(qs(std::string(filterListCaption(listId))), parent);
    }
    kyoriFrom = named(new QSpinBox(parent), "KyoriEdit01");
    kyoriTo = named(new QSpinBox(parent), "KyoriEdit02");
    kyoriFrom->setRange(kKyoriEdit01Range.minimum, kKyoriEdit01Range.maximum);
    kyoriTo->setRange(kKyoriEdit02Range.minimum, kKyoriEdit02Range.maximum);
    distanceRow = new QHBoxLayout;
    distanceRow->addWidget(marovix::caption("距離", parent));
    distanceRow->addWidget(kyoriFrom);
    distanceRow->addWidget(marovix::caption("～", parent));
    distanceRow->addWidget(kyoriTo);
    distanceRow->addWidget(marovix::caption("m", parent));
    distanceRow->addStretch();
    for (QSpinBox* edit : {kyoriFrom, kyoriTo}) edit->setSingleStep(kKyoriStep);
}

void RaceFilterControls::show(const RaceFilter& filter) {
    for (int id = 0; id < kFilterListCount; ++id) {
        QListWidget* widget = lists[static_cast<std::size_t>(id)];
        const std::vector<bool>& selected = filter.list(static_cast<FilterListId>(id));
        const QSignalBlocker block(widget);
        for (int item = 0; item < widget->count(); ++item)
            widget->item(item)->setSelected(static_cast<std::size_t>(item) < selected.size() &&
                                            selected[static_cast<std::size_t>(item)]);
    }
    const QSignalBlocker blockFrom(kyoriFrom);
    const QSignalBlocker blockTo(kyoriTo);
    kyoriFrom->setValue(filter.kyoriFrom);
    kyoriTo->setValue(filter.kyoriTo);
}

}  // namespace marovix
