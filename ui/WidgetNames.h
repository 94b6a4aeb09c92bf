#pragma once
// Building a window's controls: the object name each control is found and tested by, and plain captions.
#include <QLabel>
#include <QString>
#include <QWidget>

namespace marovix {

// `widget`, named `objectName` (the control's name in the window, as the tests look it up).
template <class W>
W* named(W* widget, const QString& objectName) {
    widget->setObjectName(objectName);
    return widget;
}
template <class W>
W* named(W* widget, const char* objectName) {
    return named(widget, QString::fromUtf8(objectName));
}

// A label showing the UTF-8 `text`.
inline QLabel* caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

}  // namespace marovix
