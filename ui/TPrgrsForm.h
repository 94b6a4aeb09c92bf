#pragma once
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace marovix {

// The progress pop-up shown while a day is loaded: border-less, always on top.
class TPrgrsForm : public QWidget {
    Q_OBJECT
public:
    explicit TPrgrsForm(QWidget* parent = nullptr);
    void setText(const QString& text) { m_text->setText(text); }
    QProgressBar* progressBar() const { return m_bar; }

private:
    QLabel* m_text;
    QProgressBar* m_bar;
};

}  // namespace marovix
