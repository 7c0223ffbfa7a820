// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/forms/controls.h"

#include "skin/figures/figureframe.h"
#include "skin/forms/clicklabel.h"

#include <QFrame>
#include <QImageReader>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

// Captions hang from the top of their control.
Qt::Alignment alignment(Align a) {
    switch (a) {
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// A push button with a loudspeaker and its sound waves in place of a caption.
class SpeakerButton final : public QPushButton {
  public:
    SpeakerButton(QColor ink, QWidget* parent) : QPushButton(parent), ink_(ink) {}

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // The drawing fills most of the button's shorter side, centred.
        const double side = 0.7 * std::min(width(), height());
        p.translate(width() / 2.0 - side / 2, height() / 2.0 - side / 2);
        p.scale(side / 10, side / 10);
        const QColor ink = isEnabled() ? ink_ : palette().color(QPalette::Disabled, QPalette::Text);
        QPainterPath cone;
        cone.moveTo(0.5, 3.5);
        cone.lineTo(2.5, 3.5);
        cone.lineTo(5.5, 0.8);
        cone.lineTo(5.5, 9.2);
        cone.lineTo(2.5, 6.5);
        cone.lineTo(0.5, 6.5);
        cone.closeSubpath();
        p.fillPath(cone, ink);
        p.setPen(QPen(ink, 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(4.2, 3.2, 3.6, 3.6), -50 * 16, 100 * 16);
        p.drawArc(QRectF(3.3, 1.3, 6.4, 7.4), -55 * 16, 110 * 16);
    }

  private:
    QColor ink_;
};

QWidget* asButton(QPushButton* button, std::optional<Rgb> back) {
    button->setAutoDefault(false);
    // Buttons act on a click or a tap only: with the focus, Space would press
    // them (FINE among them, ending the exercise with the session's tally).
    button->setFocusPolicy(Qt::NoFocus);
    setColour(button, QPalette::Button, back);
    return button;
}

} // namespace

void setColour(QWidget* widget, QPalette::ColorRole role, std::optional<Rgb> colour) {
    if (!colour)
        return;
    QPalette p = widget->palette();
    p.setColor(role, toQColor(*colour));
    widget->setPalette(p);
}

QFont toQFont(const FontDesign& font, float size) {
    // Asked for by the name of the face that stands in for it: the designs'
    // two faces are then one family to Qt, which looks up its fallback faces
    // (a search of every font on the machine) once instead of once for each.
    QFont f(QFont::substitute(toQString(font.face)));
    f.setPointSizeF(size);
    f.setBold(font.bold);
    return f;
}

void onClick(QWidget* control, QObject* context, std::function<void()> handler) {
    if (auto* button = qobject_cast<QPushButton*>(control))
        QObject::connect(button, &QPushButton::clicked, context, std::move(handler));
    else if (auto* label = qobject_cast<ClickLabel*>(control))
        QObject::connect(label, &ClickLabel::clicked, context, std::move(handler));
    else if (auto* figure = qobject_cast<FigureFrame*>(control))
        QObject::connect(figure, &FigureFrame::clicked, context, std::move(handler));
}

void paintBorder(QPainter& p, const QRect& edge, Rgb colour, int widthPixels) {
    const int outside = widthPixels / 2;
    const int inside = widthPixels - outside;
    const QRect r = edge.adjusted(-outside, -outside, inside, inside);
    const QColor c = toQColor(colour);
    p.fillRect(r.left(), r.top(), r.width(), widthPixels, c);
    p.fillRect(r.left(), r.bottom() - widthPixels + 1, r.width(), widthPixels, c);
    p.fillRect(r.left(), r.top(), widthPixels, r.height(), c);
    p.fillRect(r.right() - widthPixels + 1, r.top(), widthPixels, r.height(), c);
}

Picture::Picture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {}

void Picture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (pixels != readAt_) {
        QImageReader reader(resource_);
        reader.setScaledSize(pixels);
        image_ = reader.read(); // a picture that cannot be read leaves the control empty
        image_.setDevicePixelRatio(ratio);
        readAt_ = pixels;
    }
    QPainter(this).drawImage(rect(), image_);
}

QWidget* createLabel(std::string_view text, const FontDesign& font, std::optional<Rgb> back,
                     std::optional<Rgb> fore, bool opaque, Align align, QWidget* parent) {
    auto* label = new ClickLabel(parent);
    label->setText(toQString(text));
    label->setFont(toQFont(font, font.size));
    label->setAlignment(alignment(align));
    label->setWordWrap(false);
    label->setAutoFillBackground(opaque);
    if (opaque)
        setColour(label, QPalette::Window, back);
    setColour(label, QPalette::WindowText, fore);
    return label;
}

QWidget* createTextBox(std::optional<Rgb> fore, Align align, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(alignment(align) & Qt::AlignHorizontal_Mask);
    // Text boxes are no tab stops: the program puts the focus where the answer goes.
    edit->setFocusPolicy(Qt::ClickFocus);
    // A child's right click or Menu key would open an editing menu over the exercise.
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    setColour(edit, QPalette::Text, fore);
    return edit;
}

QWidget* createButton(std::string_view text, const FontDesign& font, std::optional<Rgb> back,
                      QWidget* parent) {
    auto* button = new QPushButton(toQString(text), parent);
    button->setFont(toQFont(font, font.size));
    return asButton(button, back);
}

QWidget* createFrame(std::optional<Rgb> back, int border, QWidget* parent) {
    if (border > 0) {
        auto* frame = new QFrame(parent);
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(border);
        frame->setAutoFillBackground(true);
        setColour(frame, QPalette::Window, back);
        return frame;
    }
    auto* figure = new FigureFrame(parent);
    if (back)
        figure->setBackground(toQColor(*back));
    return figure;
}

QWidget* createSpeaker(std::optional<Rgb> back, std::optional<Rgb> fore, QWidget* parent) {
    return asButton(new SpeakerButton(toQColor(fore.value_or(colour::kBlack)), parent), back);
}

QWidget* createPicture(std::string_view resource, QWidget* parent) {
    return new Picture(toQString(resource), parent);
}
