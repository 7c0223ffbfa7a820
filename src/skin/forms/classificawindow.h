// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/results/classificalogic.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class Clock;
class QLabel;
struct Modulo1;

// The results window: a borderless panel of fixed size, built from its design,
// shown inside the exercise window on a modal layer (or, for pictures of it, on
// its own). Its load handler runs as it is made, so it grades, tallies and
// times the series once per opening; PROSEGUI closes and destroys it.
class ClassificaWindow : public QWidget {
    Q_OBJECT
  public:
    ClassificaWindow(Modulo1& modulo, const Clock& clock, double twipsPerPixel,
                     QWidget* parent = nullptr);
    ~ClassificaWindow() override;

    // Places the window at the top-left corner of the exercise window, which
    // fills the screen, or with its top edge `topTwips` below it; sized at
    // `twipsPerPixel`, the screen's, which a change of screen may change.
    void colloca(std::optional<double> topTwips, double twipsPerPixel);

    // What the load handler decided to show.
    const ClassificaView& view() const { return view_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    using Ctl = classifica::Ctl;
    QWidget* control(Ctl id) const { return widgets_[static_cast<std::size_t>(id)]; }

    void creaControlli();
    void creaPallini();
    // Gives the window and every control its designed place and size in pixels.
    void disponi();
    QRect inPixel(float left, float top, float width, float height) const;
    // Auto-size labels follow their caption from the edge their alignment keeps.
    void adattaEtichetta(QLabel* label, const classifica::ClassificaControlDesign& c);
    void scriviEtichetta(Ctl id, const std::string& text);
    void applicaNomi();

    Modulo1& modulo_;
    const Clock& clock_;
    double tpp_;
    ClassificaView view_;
    QTimer timer1_;
    std::array<QWidget*, classifica::kControlCount> widgets_{};
    std::array<std::array<QWidget*, classifica::kCircles>, kRighe> pallini_{};
};

// Opens the results window on a modal layer over the window `owner`, which
// fills the screen, and returns when the pupil has pressed PROSEGUI. The window
// is made afresh and destroyed at each opening. `topTwips` places its top edge;
// without it, it opens at the screen's top-left corner. `caricata` is told what
// the load handler decided, as the window opens.
void apriClassifica(Modulo1& modulo, const Clock& clock, QWidget* owner,
                    std::optional<double> topTwips, double twipsPerPixel,
                    const std::function<void(const ClassificaView&)>& caricata = {});
