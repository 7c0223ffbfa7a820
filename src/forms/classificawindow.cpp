#include "forms/classificawindow.h"

#include "forms/classificaform.h"
#include "forms/qtconvert.h"
#include "platform/clock.h"
#include "screen/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgWidget>

namespace {

constexpr const char* kPicture = ":/forms/target.svg";

void setColour(QWidget* w, QPalette::ColorRole role, Rgb colour) {
    QPalette p = w->palette();
    p.setColor(role, toQColor(colour));
    w->setPalette(p);
}

QFont toQFont(const FontDesign& f) {
    QFont font(toQString(f.face));
    font.setPointSizeF(f.size);
    font.setBold(f.bold);
    return font;
}

// One circle of a tally row: a filled disc of the row's colour, border included.
class CircleShape final : public QWidget {
  public:
    CircleShape(Rgb colour, QWidget* parent) : QWidget(parent), colour_(toQColor(colour)) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour_, 1));
        p.setBrush(colour_);
        p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }

  private:
    QColor colour_;
};

// A rectangle outline with no fill. A thick line is centred on the shape's
// edge, as the old toolkit drew it, so the widget reaches half a line beyond
// the designed rectangle on every side.
class BorderShape final : public QWidget {
  public:
    BorderShape(Rgb colour, int widthPixels, QWidget* parent)
        : QWidget(parent), colour_(toQColor(colour)), width_(widthPixels) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    // Places the outline on the designed rectangle `edge`, in pixels.
    void setEdge(const QRect& edge) {
        const int outside = width_ / 2;
        const int inside = width_ - outside;
        setGeometry(edge.adjusted(-outside, -outside, inside, inside));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r.left(), r.top(), r.width(), width_, colour_);
        p.fillRect(r.left(), r.bottom() - width_ + 1, r.width(), width_, colour_);
        p.fillRect(r.left(), r.top(), width_, r.height(), colour_);
        p.fillRect(r.right() - width_ + 1, r.top(), width_, r.height(), colour_);
    }

  private:
    QColor colour_;
    int width_;
};

} // namespace

ClassificaWindow::ClassificaWindow(Modulo1& modulo, const Clock& clock, double twipsPerPixel,
                                   QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), modulo_(modulo), clock_(clock),
      tpp_(twipsPerPixel), timer1_(this) {
    setObjectName(QStringLiteral("classificaform"));
    setWindowTitle(QStringLiteral("Form1"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(classifica::kWidth, tpp_), twipsToPixels(classifica::kHeight, tpp_));
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, classifica::kBack);

    creaControlli();
    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(classifica::kTimerIntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &ClassificaWindow::Timer1_Timer);

    Form_Load();
    timer1_.start();
}

ClassificaWindow::~ClassificaWindow() = default;

QRect ClassificaWindow::inPixel(float left, float top, float width, float height) const {
    const PixelRect r = toPixels(0, 0, left, top, width, height, tpp_);
    return {r.x, r.y, r.width, r.height};
}

void ClassificaWindow::creaControlli() {
    QWidget* border = nullptr;
    for (const classifica::Control& c : classifica::controls()) {
        QWidget* w = creaControllo(c);
        w->setObjectName(toQString(c.name));
        w->setGeometry(inPixel(c.left, c.top, c.width, c.height));
        if (auto* label = qobject_cast<QLabel*>(w))
            adattaEtichetta(label, c);
        if (auto* shape = dynamic_cast<BorderShape*>(w))
            shape->setEdge(inPixel(c.left, c.top, c.width, c.height));
        w->setVisible(c.visible);
        if (c.kind == classifica::Kind::Border)
            border = w;
    }
    creaPallini();
    // The border is drawn on the window's surface, beneath everything else,
    // and the button above the painted controls.
    if (border)
        border->lower();
    command1_->raise();
}

QWidget* ClassificaWindow::creaControllo(const classifica::Control& c) {
    switch (c.kind) {
    case classifica::Kind::Label: {
        auto* label = new QLabel(toQString(c.text), this);
        label->setFont(toQFont(c.font));
        label->setWordWrap(false);
        label->setAlignment((c.align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                            Qt::AlignTop);
        label->setAutoFillBackground(c.opaque);
        if (c.opaque && c.back)
            setColour(label, QPalette::Window, *c.back);
        if (c.fore)
            setColour(label, QPalette::WindowText, *c.fore);
        if (c.name == "RISULTATO")
            risultato_ = label;
        else if (c.name == "LbTrecord")
            lbTrecord_ = label;
        else if (c.name == "LbNuovoRecord")
            lbNuovoRecord_ = label;
        return label;
    }
    case classifica::Kind::Button: {
        command1_ = new QPushButton(toQString(c.text), this);
        command1_->setFont(toQFont(c.font));
        // PROSEGUI never holds the focus, so Space cannot press it; Enter
        // presses it as the window's default button.
        command1_->setFocusPolicy(Qt::NoFocus);
        command1_->setAutoDefault(false);
        command1_->setDefault(true);
        connect(command1_, &QPushButton::clicked, this, &ClassificaWindow::Command1_Click);
        return command1_;
    }
    case classifica::Kind::Border:
        return new BorderShape(c.fore.value_or(Rgb{}), c.borderPixels, this);
    case classifica::Kind::Picture:
        image1_ = new QSvgWidget(QString::fromLatin1(kPicture), this);
        return image1_;
    }
    return new QWidget(this);
}

void ClassificaWindow::creaPallini() {
    const auto& rows = classifica::circleRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int k = 1; k <= classifica::kCircles; ++k) {
            auto* circle = new CircleShape(rows[r].colour, this);
            circle->setObjectName(toQString(rows[r].name) + QString::number(k));
            circle->setGeometry(inPixel(
                classifica::kCircleLeft + classifica::kCircleStep * static_cast<float>(k - 1),
                rows[r].top, classifica::kCircleSize, classifica::kCircleSize));
            pallini_[r][static_cast<std::size_t>(k - 1)] = circle;
        }
    }
}

void ClassificaWindow::adattaEtichetta(QLabel* label, const classifica::Control& c) {
    const QRect designed = inPixel(c.left, c.top, c.width, c.height);
    if (!c.autoSize || label->text().isEmpty()) {
        label->setGeometry(designed);
        return;
    }
    const QSize size = label->sizeHint();
    const int left =
        c.align == Align::Right ? designed.right() + 1 - size.width() : designed.left();
    label->setGeometry(left, designed.top(), size.width(), size.height());
}

void ClassificaWindow::scriviEtichetta(QLabel* label, const std::string& text) {
    label->setText(QString::fromStdString(text));
    adattaEtichetta(label, classifica::control(label->objectName().toStdString()));
}

void ClassificaWindow::collocaSulloSchermo(std::optional<double> topTwips) {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    QPoint corner = screen ? screen->geometry().topLeft() : QPoint();
    if (topTwips)
        corner.ry() += twipsToPixels(*topTwips, tpp_);
    move(corner);
}

void ClassificaWindow::Form_Load() {
    view_ = caricaClassifica(modulo_, clock_.seconds());

    image1_->setVisible(view_.imageVisible);
    for (std::size_t r = 0; r < pallini_.size(); ++r)
        for (std::size_t k = 0; k < pallini_[r].size(); ++k)
            pallini_[r][k]->setVisible(static_cast<int>(k) < view_.dots[r]);

    timer1_.setInterval(view_.blinkIntervalMs);
    if (view_.risultatoBack)
        setColour(risultato_, QPalette::Window, *view_.risultatoBack);
    scriviEtichetta(risultato_, view_.risultato);

    scriviEtichetta(lbNuovoRecord_, view_.nuovoRecord);
    scriviEtichetta(lbTrecord_, view_.trecord);
    lbTrecord_->setVisible(view_.trecordVisible);
}

void ClassificaWindow::Timer1_Timer() {
    risultato_->setVisible(risultato_->isHidden());
}

void ClassificaWindow::Command1_Click() {
    timer1_.stop();
    close();
}

void ClassificaWindow::keyPressEvent(QKeyEvent* event) {
    // Only PROSEGUI leaves the window: Escape does nothing, and a held Enter
    // key (still down from the last answer) does not press PROSEGUI by itself.
    if (event->key() == Qt::Key_Escape ||
        ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
         event->isAutoRepeat())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ClassificaWindow::closeEvent(QCloseEvent* event) {
    // Alt+F4 or a desktop's close button would leave without PROSEGUI.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
