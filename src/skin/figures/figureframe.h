// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/widgets/clicktracker.h"

#include <QColor>
#include <QRect>
#include <QWidget>

#include <vector>

// A unit piece as it is painted: its rectangle in pixels inside the frame.
struct PaintedPiece {
    QRect rect;
    QColor fill;
    QColor border;
    friend bool operator==(const PaintedPiece&, const PaintedPiece&) = default;
};

// A figure frame: paints its background and its unit pieces, nothing else,
// and takes the clicks for the whole figure, pieces included.
class FigureFrame : public QWidget {
    Q_OBJECT
  public:
    explicit FigureFrame(QWidget* parent = nullptr);
    void setPieces(std::vector<PaintedPiece> pieces);
    const std::vector<PaintedPiece>& pieces() const { return pieces_; }
    void setBackground(const QColor& colour);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::vector<PaintedPiece> pieces_;
    QColor background_{Qt::white};
    ClickTracker clicks_;
};
