#include "ui/TIpatLogForm.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/app/MainModel.h"
#include "ui/QtText.h"

namespace marovix {

TIpatLogForm::TIpatLogForm(MainModel& model, QWidget* parent) : QWidget(parent, Qt::Window), m_model(model) {
    setObjectName(QStringLiteral("TIpatLogForm"));
    setWindowTitle(QStringLiteral("自動運転稼働状況ログ"));
    auto* layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("IpatLogPages"));
    layout->addWidget(m_tabs);

    m_list = new QListWidget(m_tabs);
    m_list->setObjectName(QStringLiteral("AutoNaviList"));
    m_tabs->addTab(m_list, QStringLiteral("自動運転ログ"));

    auto* ipatPage = new QWidget(m_tabs);
    auto* ipatLayout = new QVBoxLayout(ipatPage);
    auto* buttons = new QHBoxLayout;
    auto* update = new QPushButton(QStringLiteral("更新"), ipatPage);
    update->setObjectName(QStringLiteral("LogUpdateBtn"));
    connect(update, &QPushButton::clicked, this, [this] { m_model.LogUpdateBtnClick(); });
    buttons->addWidget(update);
    buttons->addStretch();
    ipatLayout->addLayout(buttons);
    m_ipatList = new QListWidget(ipatPage);
    m_ipatList->setObjectName(QStringLiteral("IPATLogListBox"));
    ipatLayout->addWidget(m_ipatList);
    m_tabs->addTab(ipatPage, QStringLiteral("IPATログ"));

    const WindowPlacement placement = m_model.ipatLogPlacement();
    setGeometry(placement.left, placement.top, placement.width, placement.height);
    m_subscription = m_model.subscribe([this](StatePart part) {
        if (part == StatePart::LogLines) refresh();
        if (part == StatePart::IpatLog) refreshIpatLog();
    });
    refresh();
    refreshIpatLog();
}

void TIpatLogForm::refresh() {
    const auto& lines = m_model.state().autoNaviList;
    if (m_list->count() != static_cast<int>(lines.size())) {
        m_list->clear();
        for (const auto& line : lines) m_list->addItem(qs(line));
    }
    int selected = m_model.state().autoNaviSelected;
    if (selected >= 0 && selected < m_list->count()) {
        m_list->setCurrentRow(selected);
        m_list->scrollToItem(m_list->item(selected));
    }
}

void TIpatLogForm::refreshIpatLog() {
    m_ipatList->clear();
    for (const auto& line : m_model.state().ipatLogList) m_ipatList->addItem(qs(line));
}

void TIpatLogForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) return;
    if (isActiveWindow()) {
        // The stored placement, applied once it is activated; the user's moves are stored as it loses it.
        if (m_placed) return;
        const WindowPlacement placement = m_model.ipatLogPlacement();
        setGeometry(placement.left, placement.top, placement.width, placement.height);
        m_placed = true;
    } else if (m_placed) {
        const QRect area = geometry();
        m_model.storeIpatLogPlacement({area.top(), area.left(), area.width(), area.height()});
    }
}

}  // namespace marovix
