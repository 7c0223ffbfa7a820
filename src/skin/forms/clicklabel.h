// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/widgets/clicktracker.h"

#include <QLabel>

// A label that can be clicked, as the answer labels and segment labels are.
class ClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickLabel(QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    ClickTracker clicks_;
};
