#pragma once

#include "results/classificalogic.h"

#include <QDialog>
#include <QTimer>

#include <array>
#include <optional>

class Clock;
class QLabel;
class QPushButton;
class QSvgWidget;
struct Modulo1;

namespace classifica {
struct Control;
}

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

    // What the load handler decided to show.
    const ClassificaView& view() const { return view_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    void creaControlli();
    QWidget* creaControllo(const classifica::Control& c);
    void creaPallini();
    QRect inPixel(float left, float top, float width, float height) const;
    // Auto-size labels follow their caption from the edge their alignment keeps.
    void adattaEtichetta(QLabel* label, const classifica::Control& c);
    void scriviEtichetta(QLabel* label, const std::string& text);

    Modulo1& modulo_;
    const Clock& clock_;
    double tpp_;
    ClassificaView view_;
    QTimer timer1_;
    QLabel* risultato_ = nullptr;
    QLabel* lbTrecord_ = nullptr;
    QLabel* lbNuovoRecord_ = nullptr;
    QPushButton* command1_ = nullptr;
    QSvgWidget* image1_ = nullptr;
    std::array<std::array<QWidget*, 10>, kRighe> pallini_{};
};
