// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/widgets/modallayer.h"

#include <QEvent>
#include <QEventLoop>
#include <QPointer>

ModalLayer::ModalLayer(QWidget* window) : QWidget(window) {
    setObjectName(QStringLiteral("strato"));
    hide();
    if (window != nullptr) {
        setGeometry(window->rect());
        window->installEventFilter(this);
    }
}

void ModalLayer::exec(QWidget* content) {
    QPointer<QWidget> shown = content;
    QEventLoop loop;
    connect(content, &QObject::destroyed, &loop, &QEventLoop::quit);
    show();
    raise();
    content->setFocus(Qt::OtherFocusReason);
    if (shown)
        loop.exec();
}

bool ModalLayer::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        // Taken here: the window beneath never sees it. Taps and pens come as the
        // clicks Qt makes of them, so the same holds for them.
        event->accept();
        return true;
    default:
        return QWidget::event(event);
    }
}

bool ModalLayer::eventFilter(QObject* watched, QEvent* event) {
    // The layer follows the window's size.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

bool ModalLayer::focusNextPrevChild(bool) {
    // Tab and Backtab leave the keyboard where it is.
    return true;
}
