// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/figures/figureframe.h"

#include <QMouseEvent>
#include <QPainter>

FigureFrame::FigureFrame(QWidget* parent) : QWidget(parent) {}

void FigureFrame::setPieces(std::vector<PaintedPiece> pieces) {
    if (pieces == pieces_)
        return;
    pieces_ = std::move(pieces);
    update();
}

void FigureFrame::setBackground(const QColor& colour) {
    if (colour == background_)
        return;
    background_ = colour;
    update();
}

void FigureFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    for (const PaintedPiece& piece : pieces_) {
        if (piece.rect.isEmpty())
            continue;
        painter.fillRect(piece.rect, piece.fill);
        // A one-pixel border inside the piece, as the old shapes drew it.
        painter.setPen(piece.border);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(piece.rect.adjusted(0, 0, -1, -1));
    }
}

void FigureFrame::mousePressEvent(QMouseEvent* event) {
    clicks_.press(event);
}

void FigureFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.release(event, rect()))
        emit clicked();
}
