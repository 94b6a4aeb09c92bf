#include "ui/TPrgrsForm.h"

#include <QVBoxLayout>

namespace marovix {

TPrgrsForm::TPrgrsForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("TPrgrsForm"));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("データを読み込んでいます"), this);
    m_text = new QLabel(this);
    m_bar = new QProgressBar(this);
    layout->addWidget(title);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    resize(320, 90);
}

}  // namespace marovix
