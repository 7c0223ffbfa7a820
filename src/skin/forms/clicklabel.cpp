// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/forms/clicklabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    clicks_.press(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.release(event, rect()))
        emit clicked();
}
