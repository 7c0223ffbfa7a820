// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/forms/controldesign.h"
#include "skin/forms/qtconvert.h"

#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <functional>
#include <optional>
#include <string_view>

// What both windows do with the controls of their designs: make the widget
// of each, colour it, and pass its clicks on.

// Sets `role` of the widget's palette to `colour`; nothing happens without one.
void setColour(QWidget* widget, QPalette::ColorRole role, std::optional<Rgb> colour);

// The font of a design at `size` points.
QFont toQFont(const FontDesign& font, float size);

// Runs `handler` on each click of a control made by createControl (buttons,
// labels, figure frames); other widgets take no clicks.
void onClick(QWidget* control, QObject* context, std::function<void()> handler);

// A rectangle outline with no fill, painted on a window's surface. A thick line
// is centred on the designed rectangle `edge` (in pixels), as the old toolkit
// drew it, so it reaches half a line beyond the rectangle on every side.
void paintBorder(QPainter& p, const QRect& edge, Rgb colour, int widthPixels);

// A picture of the design, stretched to fill the control. The drawing is read
// through Qt's image plugin for its format when the control is first painted,
// at the control's own size in device pixels, so that it stays as sharp as a
// drawing and nothing that reads pictures is loaded before one is shown.
class Picture final : public QWidget {
  public:
    Picture(const QString& resource, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString resource_;
    QImage image_;
    QSize readAt_; // the size last read, even if the reading failed
};

QWidget* createLabel(std::string_view text, const FontDesign& font, std::optional<Rgb> back,
                     std::optional<Rgb> fore, bool opaque, Align align, QWidget* parent);
QWidget* createTextBox(std::optional<Rgb> fore, Align align, QWidget* parent);
QWidget* createButton(std::string_view text, const FontDesign& font, std::optional<Rgb> back,
                      QWidget* parent);
QWidget* createFrame(std::optional<Rgb> back, int border, QWidget* parent);
// A button that shows a loudspeaker drawn in `fore` on `back`, scaled to its size.
QWidget* createSpeaker(std::optional<Rgb> back, std::optional<Rgb> fore, QWidget* parent);
QWidget* createPicture(std::string_view resource, QWidget* parent);

// The widget of a control as its design creates it, named after the control
// and inside `parent`; its place and size are the window's to set.
template <typename Id> QWidget* createControl(const ControlDesign<Id>& d, QWidget* parent) {
    QWidget* w = nullptr;
    switch (d.kind) {
    case ControlKind::Label:
        w = createLabel(d.text, d.font, d.back, d.fore, d.opaque, d.align, parent);
        break;
    case ControlKind::TextBox:
        w = createTextBox(d.fore, d.align, parent);
        break;
    case ControlKind::Button:
        w = createButton(d.text, d.font, d.back, parent);
        break;
    case ControlKind::Frame:
        w = createFrame(d.back, d.border, parent);
        break;
    case ControlKind::Border:
        return nullptr; // a decoration, painted by its window
    case ControlKind::Picture:
        w = createPicture(d.text, parent);
        break;
    case ControlKind::Speaker:
        w = createSpeaker(d.back, d.fore, parent);
        break;
    }
    w->setObjectName(toQString(d.name));
    // The window places and sizes every control itself; marked as sized, a
    // control is not measured (its font loaded) when it is first shown.
    w->setAttribute(Qt::WA_Resized);
    w->setVisible(d.visible);
    return w;
}
