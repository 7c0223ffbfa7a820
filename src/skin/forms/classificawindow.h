// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/results/classificalogic.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <functional>
#include <optional>

class Clock;
class QLabel;
struct Modulo1;

// The results window: a borderless dialog of fixed size, built from its design.
// Its load handler runs as it is made, so it grades, tallies and times the series
// once per opening; PROSEGUI closes and destroys it.
class ClassificaWindow : public QDialog {
    Q_OBJECT
  public:
    ClassificaWindow(Modulo1& modulo, const Clock& clock, double twipsPerPixel,
                     QWidget* owner = nullptr);
    ~ClassificaWindow() override;

    // Places the window at the top-left corner of the owner's screen, or with
    // its top edge `topTwips` below the screen's top.
    void collocaSulloSchermo(std::optional<double> topTwips);
    // Places the window again as it was placed, on its owner's screen as it is
    // now (after a change of screen).
    void collocaDiNuovo() { collocaSulloSchermo(topTwips_); }

    // What the load handler decided to show.
    const ClassificaView& view() const { return view_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    using Ctl = classifica::Ctl;
    QWidget* control(Ctl id) const { return widgets_[static_cast<std::size_t>(id)]; }

    void creaControlli();
    void creaPallini();
    QRect inPixel(float left, float top, float width, float height) const;
    // Auto-size labels follow their caption from the edge their alignment keeps.
    void adattaEtichetta(QLabel* label, const classifica::ClassificaControlDesign& c);
    void scriviEtichetta(Ctl id, const std::string& text);
    void applicaNomi();

    Modulo1& modulo_;
    const Clock& clock_;
    double tpp_;
    std::optional<double> topTwips_;
    ClassificaView view_;
    QTimer timer1_;
    std::array<QWidget*, classifica::kControlCount> widgets_{};
    std::array<std::array<QWidget*, classifica::kCircles>, kRighe> pallini_{};
};

// Opens the results window modally over `owner` and returns when the pupil has
// pressed PROSEGUI. The window is made afresh and destroyed at each opening.
// `topTwips` places its top edge; without it, it opens at the screen's top-left corner.
// `caricata` is told what the load handler decided, as the window opens.
void apriClassifica(Modulo1& modulo, const Clock& clock, QWidget* owner,
                    std::optional<double> topTwips, double twipsPerPixel,
                    const std::function<void(const ClassificaView&)>& caricata = {});
