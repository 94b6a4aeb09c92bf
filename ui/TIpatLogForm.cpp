#include "ui/TIpatLogForm.h"

#include <QVBoxLayout>

#include "core/app/MainModel.h"
#include "ui/QtText.h"

namespace marovix {

TIpatLogForm::TIpatLogForm(MainModel& model, QWidget* parent) : QWidget(parent, Qt::Window), m_model(model) {
    setObjectName(QStringLiteral("TIpatLogForm"));
    setWindowTitle(QStringLiteral("自動運転稼働状況ログ"));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("AutoNaviList"));
    layout->addWidget(m_list);
    setGeometry(300, 10, 600, 400);
    m_subscription = m_model.subscribe([this](StatePart part) {
        if (part == StatePart::LogLines) refresh();
    });
    refresh();
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

}  // namespace marovix
