#include "ui/TPrgrsForm.h"

#include <QVBoxLayout>

#include "ui/QtText.h"

namespace marovix {

TPrgrsForm::TPrgrsForm(MainModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TPrgrsForm"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(qs(ProgressPopup::kTitle), this);
    m_text = new QLabel(this);
    m_secondLine = new QLabel(this);
    m_bar = new QProgressBar(this);
    layout->addWidget(title);
    layout->addWidget(m_text);
    layout->addWidget(m_secondLine);
    layout->addWidget(m_bar);
    resize(320, 110);
    m_subscription = model.subscribe([this, &model](StatePart part) {
        if (part == StatePart::Progress) show(model.state().progress);
    });
}

void TPrgrsForm::show(const ProgressPopup& popup) {
    if (!popup.visible) {
        hide();
        return;
    }
    m_text->setText(qs(popup.text));
    m_secondLine->setText(qs(popup.secondLine));
    m_bar->setRange(0, popup.maximum);
    m_bar->setValue(popup.position);
    if (!isVisible()) {
        if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
        QWidget::show();
    }
}

}  // namespace marovix
