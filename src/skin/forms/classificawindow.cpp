// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/forms/classificawindow.h"

#include "core/accessibility/accessiblenames.h"
#include "core/platform/clock.h"
#include "core/screen/twips.h"
#include "skin/forms/controls.h"
#include "skin/widgets/modallayer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

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

} // namespace

ClassificaWindow::ClassificaWindow(Modulo1& modulo, const Clock& clock, double twipsPerPixel,
                                   QWidget* parent)
    : QWidget(parent, parent != nullptr ? Qt::Widget : Qt::Window | Qt::FramelessWindowHint),
      modulo_(modulo), clock_(clock), tpp_(twipsPerPixel), timer1_(this) {
    setObjectName(QStringLiteral("classificaform"));
    setWindowTitle(QStringLiteral("Form1"));
    // The designed caption is never drawn; a screen reader names the window for
    // what it shows.
    setAccessibleName(toQString(kResultsWindowName));
    setAttribute(Qt::WA_DeleteOnClose);
    // The keys come here: Enter presses PROSEGUI.
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, classifica::kBack);

    creaControlli();
    disponi();
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
    for (const classifica::ClassificaControlDesign& d : classifica::controls())
        if (!isDecoration(d.kind)) // a decoration is painted by the window itself
            widgets_[static_cast<std::size_t>(d.id)] = createControl(d, this);
    creaPallini();
    // The button goes above the painted controls.
    auto* command1 = static_cast<QPushButton*>(control(Ctl::Command1));
    // PROSEGUI never holds the focus, so Space cannot press it; Enter
    // presses it as the window's default button.
    command1->setDefault(true);
    onClick(command1, this, [this] { Command1_Click(); });
    command1->raise();
}

void ClassificaWindow::creaPallini() {
    const auto& rows = classifica::circleRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int k = 1; k <= classifica::kCircles; ++k) {
            auto* circle = new CircleShape(rows[r].colour, this);
            circle->setObjectName(toQString(rows[r].name) + QString::number(k));
            pallini_[r][static_cast<std::size_t>(k - 1)] = circle;
        }
    }
}

void ClassificaWindow::disponi() {
    setFixedSize(twipsToPixels(classifica::kWidth, tpp_), twipsToPixels(classifica::kHeight, tpp_));
    for (const classifica::ClassificaControlDesign& d : classifica::controls()) {
        QWidget* w = control(d.id);
        if (w == nullptr)
            continue; // a decoration, painted at the new scale by paintEvent
        w->setGeometry(inPixel(d.left, d.top, d.width, d.height));
        if (auto* label = qobject_cast<QLabel*>(w))
            adattaEtichetta(label, d);
    }
    const auto& rows = classifica::circleRows();
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int k = 1; k <= classifica::kCircles; ++k)
            pallini_[r][static_cast<std::size_t>(k - 1)]->setGeometry(inPixel(
                classifica::kCircleLeft + classifica::kCircleStep * static_cast<float>(k - 1),
                rows[r].top, classifica::kCircleSize, classifica::kCircleSize));
}

void ClassificaWindow::adattaEtichetta(QLabel* label,
                                       const classifica::ClassificaControlDesign& c) {
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

void ClassificaWindow::scriviEtichetta(Ctl id, const std::string& text) {
    auto* label = static_cast<QLabel*>(control(id));
    label->setText(QString::fromStdString(text));
    adattaEtichetta(label, classifica::design(id));
}

void ClassificaWindow::colloca(std::optional<double> topTwips, double twipsPerPixel) {
    if (twipsPerPixel != tpp_) {
        tpp_ = twipsPerPixel;
        disponi();
    }
    move(0, topTwips ? twipsToPixels(*topTwips, tpp_) : 0);
}

void ClassificaWindow::Form_Load() {
    view_ = caricaClassifica(modulo_, clock_.seconds());

    control(Ctl::Image1)->setVisible(view_.imageVisible);
    for (std::size_t r = 0; r < pallini_.size(); ++r)
        for (std::size_t k = 0; k < pallini_[r].size(); ++k)
            pallini_[r][k]->setVisible(static_cast<int>(k) < view_.dots[r]);

    timer1_.setInterval(view_.blinkIntervalMs);
    setColour(control(Ctl::RISULTATO), QPalette::Window, view_.risultatoBack);
    scriviEtichetta(Ctl::RISULTATO, view_.risultato);

    scriviEtichetta(Ctl::LbNuovoRecord, view_.nuovoRecord);
    scriviEtichetta(Ctl::LbTrecord, view_.trecord);
    control(Ctl::LbTrecord)->setVisible(view_.trecordVisible);
    applicaNomi();
}

void ClassificaWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The decorations, on the window's surface beneath every control.
    QPainter p(this);
    for (const classifica::ClassificaControlDesign& d : classifica::controls())
        if (isDecoration(d.kind))
            paintBorder(p, inPixel(d.left, d.top, d.width, d.height),
                        d.fore.value_or(colour::kBlack), d.border);
}

void ClassificaWindow::applicaNomi() {
    for (const classifica::ClassificaControlDesign& d : classifica::controls())
        if (control(d.id))
            control(d.id)->setAccessibleName(QString::fromStdString(::accessibleName(d.id, view_)));
    for (std::size_t r = 0; r < pallini_.size(); ++r)
        for (std::size_t k = 0; k < pallini_[r].size(); ++k)
            pallini_[r][k]->setAccessibleName(
                QString::fromStdString(accessibleDotName(r, static_cast<int>(k) + 1)));
}

void ClassificaWindow::Timer1_Timer() {
    QWidget* risultato = control(Ctl::RISULTATO);
    risultato->setVisible(risultato->isHidden());
}

void ClassificaWindow::Command1_Click() {
    timer1_.stop();
    close();
}

void ClassificaWindow::keyPressEvent(QKeyEvent* event) {
    // Only PROSEGUI leaves the window: Enter presses it, but a held Enter key
    // (still down from the last answer) does not press it by itself. No key
    // reaches the exercise beneath.
    event->accept();
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat())
        static_cast<QPushButton*>(control(Ctl::Command1))->click();
}

void apriClassifica(Modulo1& modulo, const Clock& clock, QWidget* owner,
                    std::optional<double> topTwips, double twipsPerPixel,
                    const std::function<void(const ClassificaView&)>& caricata) {
    // Made afresh at each opening; it destroys itself when PROSEGUI closes it.
    auto* layer = new ModalLayer(owner);
    auto* window = new ClassificaWindow(modulo, clock, twipsPerPixel, layer);
    window->colloca(topTwips, twipsPerPixel);
    if (caricata)
        caricata(window->view());
    layer->exec(window);
    delete layer;
#ifdef __GLIBC__
    // Hand the memory of the closed window back to the system, so that a
    // morning of series does not leave the heap larger than it needs.
    malloc_trim(0);
#endif
}
