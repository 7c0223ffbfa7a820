// The design of the results window, and its opening.
#include "forms/classificaform.h"

#include "forms/classificawindow.h"
#include "results/classificalogic.h"

#include <QPointer>
#include <QScreen>

#include <stdexcept>

namespace classifica {
namespace {

constexpr FontDesign arial(float size, bool bold) {
    return {"Arial", size, bold};
}
constexpr FontDesign sansSerif(float size, bool bold) {
    return {"MS Sans Serif", size, bold};
}

using colour::kBlack;
using colour::kBlue;
using colour::kRed;
// The record labels carry this back colour, which never shows: they are transparent.
constexpr Rgb kRecordBack = colour::kLightYellow;
constexpr int kBorderPixels = 10;

using K = Kind;
constexpr std::optional<Rgb> kDefault{};

// clang-format off
constexpr std::array<Control, 12> kControls = {{
    {"LbOttimo", K::Label, 2976, 2496, 1308, 348, "OTTIMO", arial(14.25f, true), kOttimo, kBlack, true, true, false, Align::Right},
    {"LbDistinto", K::Label, 2976, 3024, 1308, 348, "DISTINTO", arial(13.5f, true), kDistinto, kBlack, true, true, false, Align::Right},
    {"LbBuono", K::Label, 2976, 3504, 1308, 348, "BUONO", arial(13.5f, true), kBuono, kBlack, true, true, false, Align::Right},
    {"LbSufficiente", K::Label, 2352, 3984, 1932, 348, "SUFFICIENTE", arial(13.5f, true), kSufficiente, kBlack, true, true, false, Align::Right},
    {"LbOccorre", K::Label, 912, 4512, 3372, 348, "OCCORRE ESERCITARSI", arial(13.5f, true), kOccorre, kBlack, true, true, false, Align::Right},
    {"Label5", K::Label, 960, 240, 5565, 360, "livello raggiunto nell'ultima serie di domande", sansSerif(13.5f, false), kDefault, kDefault, false, false, true},
    {"RISULTATO", K::Label, 2970, 810, 195, 840, "", arial(36, true), kBack, kDefault, true, true, true},
    {"Command1", K::Button, 540, 5490, 6156, 876, "PROSEGUI", sansSerif(18, true), kDefault, kDefault, true},
    {"LbTrecord", K::Label, 2025, 2520, 495, 330, "xxx", arial(14.25f, true), kRecordBack, kRed, true, false, true, Align::Right},
    {"LbNuovoRecord", K::Label, 180, 1980, 2655, 480, "nuovo record", arial(20.25f, true), kRecordBack, kRed, true, false, true},
    {"Shape1", K::Border, 90, 45, 7515, 6600, "", {}, kDefault, kBlue, true, false, false, Align::Left, kBorderPixels},
    {"Image1", K::Picture, 810, 540, 1560, 1440, "", {}, kDefault, kDefault, true},
}};

constexpr std::array<CircleRow, 5> kRows = {{
    {"ShOttimo", 2600, kOttimo},
    {"ShDistinto", 3100, kDistinto},
    {"ShBuono", 3600, kBuono},
    {"ShSufficiente", 4100, kSufficiente},
    {"ShOccorre", 4600, kOccorre},
}};
// clang-format on

} // namespace

const std::array<Control, 12>& controls() {
    return kControls;
}

const Control& control(std::string_view name) {
    for (const Control& c : kControls)
        if (c.name == name)
            return c;
    throw std::out_of_range("no such control on classificaform");
}

const std::array<CircleRow, 5>& circleRows() {
    return kRows;
}

} // namespace classifica

void apriClassifica(Modulo1& modulo, const Clock& clock, QWidget* owner,
                    std::optional<double> topTwips, double twipsPerPixel) {
    // Made afresh at each opening; it destroys itself when PROSEGUI closes it.
    QPointer<ClassificaWindow> window = new ClassificaWindow(modulo, clock, twipsPerPixel, owner);
    window->collocaSulloSchermo(topTwips);
    window->exec();
    delete window.data();
}
