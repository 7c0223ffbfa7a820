// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/forms/form1window.h"

#include "core/accessibility/accessiblenames.h"
#include "core/exercise/tastierino.h"
#include "core/figures/piecelook.h"
#include "core/platform/speech.h"
#include "core/screen/twips.h"
#include "skin/figures/figureframe.h"
#include "skin/forms/classificawindow.h"
#include "skin/forms/controls.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTickMs = 1000;

bool hasTouchScreen() {
    const auto devices = QInputDevice::devices();
    return std::ranges::any_of(devices, [](const QInputDevice* d) {
        return d->type() == QInputDevice::DeviceType::TouchScreen;
    });
}

} // namespace

Form1Window::Form1Window(PlatformServices services, const ClassroomSettings& settings,
                         QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), services_(services),
      logic_(modulo_, {services.clock, services.random, services.pause, services.screen,
                       services.audio, *this, services.speech}),
      shown_(logic_.stage()) {
    logic_.setLetturaAutomatica(settings.autoRead);
    if (services_.speech)
        services_.speech->setOnAvailabilityChanged([this] {
            logic_.speechAvailabilityChanged();
            aggiorna();
        });
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString());
    // The caption is empty by design; a screen reader still names the window.
    setAccessibleName(toQString(kExerciseWindowName));
    setAutoFillBackground(true);
    // Touches come to the window first, so the pad shows from the first one on;
    // the window passes them on, and Qt turns each tap into a click.
    setAttribute(Qt::WA_AcceptTouchEvents);
    logic_.setPad(settings.pad, hasTouchScreen());
    creaControlli();
    collegaEventi();
    timer1_.setInterval(kTickMs);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        logic_.Timer1_Timer();
        aggiorna();
    });
    timer1_.start();
}

Form1Window::~Form1Window() {
    if (services_.speech)
        services_.speech->setOnAvailabilityChanged({});
}

void Form1Window::creaControlli() {
    for (const Form1ControlDesign& d : form1Design()) {
        QWidget* container = d.inFrame1 ? control(Ctl::Frame1) : this;
        QWidget* w = createControl(d, container);
        if (d.kind == ControlKind::TextBox)
            w->installEventFilter(this);
        widgets_[static_cast<std::size_t>(index(d.id))] = w;
    }
    // Labels are painted on their container's surface, beneath its frames,
    // boxes and buttons.
    for (const Form1ControlDesign& d : form1Design())
        if (d.kind == ControlKind::Label)
            control(d.id)->lower();
    for (int i = 0; i < 3; ++i) {
        segmentFrames_[static_cast<std::size_t>(i)] =
            static_cast<FigureFrame*>(control(kSegmentFrames[i]));
        rectangleFrames_[static_cast<std::size_t>(i)] =
            static_cast<FigureFrame*>(control(kRectangleFrames[i]));
    }
    // Nothing is placed yet: start() shows the first stage once the layout
    // has the window's size.
    shownOnce_ = false;
}

void Form1Window::collegaEventi() {
    auto onClick = [this](Ctl id, void (Form1::*handler)()) {
        ::onClick(control(id), this, [this, handler] {
            (logic_.*handler)();
            aggiorna();
        });
    };
    onClick(Ctl::VIA, &Form1::VIA_Click);
    onClick(Ctl::Command1, &Form1::Command1_Click);
    onClick(Ctl::FINE, &Form1::FINE_Click);
    onClick(Ctl::LEGGI, &Form1::LEGGI_Click);
    onClick(Ctl::FrSegmento1, &Form1::FrSegmento1_Click);
    onClick(Ctl::FrSegmento2, &Form1::FrSegmento2_Click);
    onClick(Ctl::FrSegmento3, &Form1::FrSegmento3_Click);
    onClick(Ctl::LbSegmento1, &Form1::LbSegmento1_Click);
    onClick(Ctl::LbSegmento2, &Form1::LbSegmento2_Click);
    onClick(Ctl::LbSegmento3, &Form1::LbSegmento3_Click);
    onClick(Ctl::LbRisposta1, &Form1::LbRisposta1_Click);
    onClick(Ctl::LbRisposta2, &Form1::LbRisposta2_Click);
    onClick(Ctl::LbRisposta3, &Form1::LbRisposta3_Click);
    onClick(Ctl::FrRet1, &Form1::FrRet1_Click);
    onClick(Ctl::FrRet2, &Form1::FrRet2_Click);
    onClick(Ctl::FrRet3, &Form1::FrRet3_Click);

    for (Ctl tasto : kTastierino)
        ::onClick(control(tasto), this, [this, tasto] {
            logic_.Tastierino_Click(tasto);
            aggiorna();
        });

    for (Ctl box : {Ctl::Text1, Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4}) {
        auto* edit = static_cast<QLineEdit*>(control(box));
        connect(edit, &QLineEdit::textEdited, this,
                [this, box](const QString& text) { logic_.setText(box, text.toStdString()); });
    }
}

void Form1Window::start(bool fullScreen) {
    logic_.Form_Load();
    // The primary screen, wherever it lies on the desktop: its own corner, not
    // the desktop's, so that nothing falls off a smaller screen beside it.
    setScreen(QGuiApplication::primaryScreen());
    setGeometry(areaSchermo(QGuiApplication::primaryScreen()));
    // A hidden window gets its resize event only when it shows. The layout
    // takes the size now, so that the first stage shown is already the one
    // for this screen and each control's font is loaded once, at its size here.
    adattaAllaFinestra();
    if (fullScreen)
        showFullScreen();
    else
        show();
    connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* screen) {
        osservaSchermo(screen);
        seguiSchermo();
    });
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, &Form1Window::seguiSchermo);
    osservaSchermo(screen());
}

QSize Form1Window::misuraSchermo() const {
    const double tpp = services_.screen.twipsPerPixel();
    return {twipsToPixels(services_.screen.widthTwips(), tpp),
            twipsToPixels(services_.screen.heightTwips(), tpp)};
}

void Form1Window::osservaSchermo(QScreen* screen) {
    disconnect(screenWatch_);
    if (screen != nullptr)
        screenWatch_ = connect(screen, &QScreen::geometryChanged, this, &Form1Window::seguiSchermo);
}

QRect Form1Window::areaSchermo(const QScreen* screen) const {
    return {screen != nullptr ? screen->geometry().topLeft() : QPoint(), misuraSchermo()};
}

void Form1Window::seguiSchermo() {
    const QRect area = areaSchermo(screen());
    // The resize runs the resize pass, which lays the question out again. The
    // window system may have resized the window before the screen told its new
    // size: the exercise is laid out again all the same, as a pixel may now
    // hold other twips.
    if (geometry() != area)
        setGeometry(area);
    else
        adattaAllaFinestra();
}

bool Form1Window::event(QEvent* event) {
    // A finger, or the pen of a board that reports itself as a tablet.
    if (event->type() == QEvent::TouchBegin || event->type() == QEvent::TabletPress) {
        logic_.touched();
        aggiorna();
        // Not taken: Qt then turns the touch or the pen into the click the
        // controls handle.
        event->ignore();
        return false;
    }
    return QWidget::event(event);
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (Ctl box : {Ctl::Text1, Ctl::Inp1, Ctl::Inp2, Ctl::Inp3, Ctl::Inp4})
            if (watched == control(box))
                return keyPress(box, static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1Window::keyPress(Ctl box, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    // A held Enter repeats: only a fresh press judges an answer.
    if (event->isAutoRepeat())
        return true;
    int tasto = kTastoInvio;
    logic_.setText(box, static_cast<QLineEdit*>(control(box))->text().toStdString());
    logic_.KeyPress(box, tasto);
    aggiorna();
    return true;
}

void Form1Window::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    adattaAllaFinestra();
}

void Form1Window::adattaAllaFinestra() {
    const double tpp = services_.screen.twipsPerPixel();
    logic_.setWindowSize(width() * tpp, height() * tpp);
    logic_.Form_Resize();
    aggiorna();
    // An open results window keeps its place on the screen as it is now.
    if (ClassificaWindow* results = classificaAperta())
        results->colloca(logic_.classificaTop(), tpp);
}

ClassificaWindow* Form1Window::classificaAperta() const {
    ClassificaWindow* results = findChild<ClassificaWindow*>();
    return results != nullptr && results->isVisible() ? results : nullptr;
}

void Form1Window::closeEvent(QCloseEvent* event) {
    // Only FINE ends the exercise: a close asked by the window system (Alt+F4,
    // a desktop's close button) would lose the session's tally, so it is refused.
    // Closes from inside the program, as when the desktop session ends, go on.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    logic_.Form_Unload();
    event->accept();
    termina();
}

void Form1Window::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (paintedOnce_)
        return;
    paintedOnce_ = true;
    // After the first picture is on screen, not while it is being painted.
    QTimer::singleShot(0, this, [this] { logic_.Form_Paint(); });
}

void Form1Window::aggiorna() {
    const Stage& stage = logic_.stage();
    for (Ctl id : controlsToShow(shownOnce_ ? &shown_ : nullptr, stage))
        applicaControllo(id);
    if (!shownOnce_ || shown_.back != stage.back) {
        QPalette p = palette();
        p.setColor(QPalette::Window, toQColor(stage.back));
        setPalette(p);
    }
    if (!shownOnce_ || figuresChanged(shown_, stage))
        applicaFigure();
    shown_ = stage;
    shownOnce_ = true;
    applicaNomi();
    applicaFuoco();
}

void Form1Window::applicaNomi() {
    // A name also tells what a control shows, so it follows every change of the stage.
    for (const Form1ControlDesign& d : form1Design()) {
        const QString name = QString::fromStdString(::accessibleName(d.id, logic_.stage()));
        if (control(d.id)->accessibleName() != name)
            control(d.id)->setAccessibleName(name);
    }
}

void Form1Window::applicaFuoco() {
    // An open results window keeps the keyboard until it closes.
    if (classificaAperta() != nullptr)
        return;
    // The keyboard belongs to the box that waits for an answer and to nothing
    // else, so keys typed while no box waits do nothing.
    QWidget* box = logic_.stage().focus ? control(*logic_.stage().focus) : nullptr;
    if (box && box->isVisibleTo(this) && box->isEnabled()) {
        if (focusWidget() != box)
            box->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* current = focusWidget()) {
        current->clearFocus();
    }
}

void Form1Window::applicaControllo(Ctl id) {
    const Stage& stage = logic_.stage();
    const Form1ControlDesign& d = design(id);
    const ControlState& c = stage[id];
    QWidget* w = control(id);
    const double tpp = services_.screen.twipsPerPixel();

    const PixelRect r = controlPixels(stage, id, tpp);

    // A text box lays its text out, and so loads the font, as soon as it gets
    // one: a hidden control takes its font when it shows.
    const QFont font = toQFont(d.font, std::max(1.0f, c.geometry.fontSize));
    if (c.visible && w->font() != font)
        w->setFont(font);

    const QString text = QString::fromStdString(c.text);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text() != text)
            label->setText(text);
        if (d.opaque)
            setColour(label, QPalette::Window, c.back);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text() != text)
            button->setText(text);
    }

    if (d.autoSize) {
        // Auto-size labels keep their left and top edge and follow their text.
        // Measuring a text loads its font: a hidden label is measured when it
        // shows (a change of the stage, so it comes back here), and an empty
        // one with no background of its own shows nothing and takes no room.
        w->move(r.x, r.y);
        if (c.visible && (d.opaque || !text.isEmpty()))
            w->adjustSize();
        else if (c.visible)
            w->resize(0, 0);
    } else {
        w->setGeometry(r.x, r.y, std::max(0, r.width), std::max(0, r.height));
    }
    if (w->isEnabled() != c.enabled)
        w->setEnabled(c.enabled);
    if (w->isVisibleTo(w->parentWidget()) != c.visible)
        w->setVisible(c.visible);
}

void Form1Window::applicaFigure() {
    const Stage& stage = logic_.stage();
    const double tpp = services_.screen.twipsPerPixel();
    auto painted = [tpp](const ScalableGeometry& frame, const PieceGeometry& p, PieceLook look) {
        const PixelRect r = toPixels(frame.left, frame.top, p.left, p.top, p.width, p.height, tpp);
        return PaintedPiece{QRect(r.x, r.y, r.width, r.height), toQColor(look.fill),
                            toQColor(look.border)};
    };

    for (std::size_t f = 0; f < 3; ++f) {
        const ScalableGeometry& frame = stage[kSegmentFrames[f]].geometry;
        std::vector<PaintedPiece> pieces;
        const auto& seg = stage.segmenti[f].pieces;
        for (std::size_t i = 0; i < seg.size(); ++i)
            if (seg[i].visible)
                pieces.push_back(painted(frame, seg[i], segmentPieceLook(static_cast<int>(i))));
        segmentFrames_[f]->setPieces(std::move(pieces));
    }

    for (std::size_t f = 0; f < 3; ++f) {
        const ScalableGeometry& frame = stage[kRectangleFrames[f]].geometry;
        const RectangleFigure& fig = stage.rettangoli[f];
        std::vector<PaintedPiece> pieces;
        auto side = [&](const std::array<PieceGeometry, 8>& arr, RectangleSide which) {
            for (std::size_t i = 0; i < arr.size(); ++i)
                if (arr[i].visible)
                    pieces.push_back(
                        painted(frame, arr[i], rectanglePieceLook(which, static_cast<int>(i))));
        };
        side(fig.altezza1, RectangleSide::Altezza1);
        side(fig.altezza2, RectangleSide::Altezza2);
        side(fig.base1, RectangleSide::Base1);
        side(fig.base2, RectangleSide::Base2);
        rectangleFrames_[f]->setPieces(std::move(pieces));
    }
}

void Form1Window::mostraClassifica(std::optional<double> topTwips) {
    // Inside this window, which fills the screen: the screen's corner is the window's.
    apriClassifica(
        modulo_, services_.clock, this, topTwips, services_.screen.twipsPerPixel(),
        [this](const ClassificaView& view) { logic_.classificaCaricata(letturaClassifica(view)); });
    // Back from the results window, the pupil types on into the waiting box.
    applicaFuoco();
}

void Form1Window::termina() {
    if (terminator_)
        terminator_();
    else
        QCoreApplication::quit();
}
