// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMouseEvent>
#include <QRect>

// Tells a click from the mouse events of a widget: the left button pressed
// on it and released while still over it, as a button takes a click.
class ClickTracker {
  public:
    void press(const QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

    // True when this release ends a click inside `area`.
    bool release(const QMouseEvent* event, const QRect& area) {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           area.contains(event->position().toPoint());
        pressed_ = false;
        return click;
    }

  private:
    bool pressed_ = false;
};
