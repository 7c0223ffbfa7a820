// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/exercise/form1.h"
#include "core/settings/classroomsettings.h"
#include "skin/platform/systemplatform.h"

#include <QMetaObject>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class ClassificaWindow;
class FigureFrame;
class QLabel;
class QLineEdit;
class QScreen;

// The exercise window: builds the controls of the design, hands the pupil's
// clicks and keys to the logic, and shows the stage the logic leaves.
class Form1Window : public QWidget, private Form1View {
    Q_OBJECT
  public:
    explicit Form1Window(PlatformServices services, const ClassroomSettings& settings = {},
                         QWidget* parent = nullptr);
    ~Form1Window() override;

    // Runs the load handler and shows the window over the whole screen (or, for
    // tests, as a plain window of the screen's size).
    void start(bool fullScreen = true);

    Form1& logic() { return logic_; }
    // Shows the stage as the logic left it (after driving the logic directly).
    void showStage() { aggiorna(); }
    Modulo1& modulo() { return modulo_; }
    QWidget* control(Ctl id) const { return widgets_[static_cast<std::size_t>(index(id))]; }

    // What ends the program; tests replace it to see that FINE asks for the end.
    void setTerminator(std::function<void()> terminator) { terminator_ = std::move(terminator); }

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void aggiorna() override;
    void mostraClassifica(std::optional<double> topTwips) override;
    void termina() override;

    void creaControlli();
    void collegaEventi();
    void applicaControllo(Ctl id);
    void applicaFigure();
    void applicaFuoco();
    void applicaNomi();
    bool keyPress(Ctl box, QKeyEvent* event);
    // Fills the screen the window is on again, after a change of resolution,
    // a rotation, a projector plugged in or out, or a move to another screen.
    void seguiSchermo();
    void osservaSchermo(QScreen* screen);
    // The size of the screen in pixels, as the screen service gives it.
    QSize misuraSchermo() const;
    // Where the window stands to fill `screen`: at the screen's own corner.
    QRect areaSchermo(const QScreen* screen) const;
    // Lays the exercise out for the window's present size and shows it.
    void adattaAllaFinestra();
    // The results window while it is open over the exercise, or nothing.
    ClassificaWindow* classificaAperta() const;

    PlatformServices services_;
    Modulo1 modulo_;
    Form1 logic_;
    std::array<QWidget*, kControlCount> widgets_{};
    std::array<FigureFrame*, 3> segmentFrames_{};
    std::array<FigureFrame*, 3> rectangleFrames_{};
    QTimer timer1_;
    Stage shown_; // the stage as last applied to the widgets
    bool shownOnce_ = false;
    bool paintedOnce_ = false;
    std::function<void()> terminator_;
    QMetaObject::Connection screenWatch_;
};
