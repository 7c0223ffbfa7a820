#include "forms/form1design.h"

namespace {

constexpr FontDesign kDefaultFont{};
constexpr FontDesign arial(float size, bool bold = false) {
    return {"Arial", size, bold};
}

using namespace colour;
constexpr Rgb kAnswerBack = kLightCyan;

using K = ControlKind;

// clang-format off
constexpr std::array<ControlDesign, kControlCount> kDesign = {{
    {Ctl::Frame1, "Frame1", K::Frame, false, 0, 8055, 12075, 990, "", kDefaultFont, kBlue, {}, true, false, false, Align::Left, true},
    {Ctl::avviso, "avviso", K::Label, false, 0, 0, 11955, 645, "avviso", arial(24, true), form1::kAvvisoBack, kBlue, true, true, false, Align::Center},
    {Ctl::VIA, "VIA", K::Button, true, 180, 180, 1455, 645, "VIA", arial(21.75f, true), {}, {}, true},
    {Ctl::FINE, "FINE", K::Button, true, 9225, 180, 1785, 645, "FINE", arial(21.75f, true), {}, {}, true},
    {Ctl::gratifica, "gratifica", K::Label, false, 7245, 5625, 195, 840, "", arial(36, true), {}, kRed, true, false, true},
    {Ctl::LbRisposte, "LbRisposte", K::Label, true, 3645, 270, 1635, 480, "risposte", arial(20.25f, true), {}, kYellow, true, false, true, Align::Center},
    {Ctl::LbErrori, "LbErrori", K::Label, true, 5625, 270, 1110, 480, "errori", arial(20.25f, true), {}, kRed, true, false, true, Align::Center},
    {Ctl::LbCodice, "LbCodice", K::Label, true, 11040, 270, 945, 360, "codice", arial(15.75f), kLightGrey, kWhite, true, false, true, Align::Center},
    {Ctl::LbTempo, "LbTempo", K::Label, true, 1890, 270, 1440, 480, "TEMPO", arial(20.25f, true), {}, {}, true, false, true, Align::Center},
    {Ctl::Command1, "Command1", K::Button, true, 7065, 180, 2100, 645, "CLASSIFICA", FontDesign{"MS Sans Serif", 13.5f, true}, kLightGreen, {}, true},
    {Ctl::LbSegmento1, "LbSegmento1", K::Label, false, 2900, 1200, 3570, 705, "   1° segmento", kDefaultFont, kGrey, {}, true},
    {Ctl::LbSegmento2, "LbSegmento2", K::Label, false, 2900, 2200, 3615, 705, "   2° segmento", kDefaultFont, {}, {}, true},
    {Ctl::LbSegmento3, "LbSegmento3", K::Label, false, 2900, 3200, 3615, 705, "   3° segmento", kDefaultFont, kGrey, {}, true},
    {Ctl::LbDOMANDA, "LbDOMANDA", K::Label, false, 200, 4500, 11940, 555, "", arial(14.25f), form1::kBack, {}, true},
    {Ctl::Text1, "Text1", K::TextBox, false, 8280, 4300, 1275, 600, "", arial(24, true), {}, {}, true, false, false, Align::Center},
    {Ctl::LbRisposta1, "LbRisposta1", K::Label, false, 1250, 5300, 1410, 555, "", arial(18, true), kAnswerBack, {}, false, true},
    {Ctl::LbRisposta2, "LbRisposta2", K::Label, false, 3000, 5300, 1410, 555, "", arial(18, true), kAnswerBack, {}, false, true},
    {Ctl::LbRisposta3, "LbRisposta3", K::Label, false, 4750, 5300, 1410, 555, "", arial(18, true), kAnswerBack, {}, false, true},
    {Ctl::LbSub1, "LbSub1", K::Label, false, 195, 4995, 4815, 330, "Quanto misura l'unità frazionaria?         ", arial(14.25f), {}, {}, false, false, true},
    {Ctl::LbSub2, "LbSub2", K::Label, false, 195, 5600, 4785, 330, "Quanto misura il primo segmento?      ", arial(14.25f), {}, {}, false, false, true},
    {Ctl::LbSub3, "LbSub3", K::Label, false, 195, 6200, 4875, 330, "Quanto misura il secondo segmento?  ", arial(14.25f), {}, {}, false, false, true},
    {Ctl::LbSub4, "LbSub4", K::Label, false, 195, 6800, 4845, 330, "Quanto misura il terzo segmento?        ", arial(14.25f), {}, {}, false, false, true},
    {Ctl::Inp1, "Inp1", K::TextBox, false, 5625, 5000, 1200, 400, "", arial(18), {}, kDarkRed, false, false, false, Align::Center},
    {Ctl::Inp2, "Inp2", K::TextBox, false, 5625, 5600, 1200, 400, "", arial(18), {}, kBlack, false, false, false, Align::Center},
    {Ctl::Inp3, "Inp3", K::TextBox, false, 5625, 6200, 1200, 400, "", arial(18), {}, kBlack, false, false, false, Align::Center},
    {Ctl::Inp4, "Inp4", K::TextBox, false, 5625, 6800, 1200, 400, "", arial(18), {}, kBlack, false, false, false, Align::Center},
    {Ctl::FrRet1, "FrRet1", K::Frame, false, 4500, 1200, 3225, 3270, "", kDefaultFont, form1::kBack, {}, false},
    {Ctl::FrRet2, "FrRet2", K::Frame, false, 300, 1200, 3225, 3270, "", kDefaultFont, form1::kBack, {}, false},
    {Ctl::FrRet3, "FrRet3", K::Frame, false, 8000, 1200, 3225, 3270, "", kDefaultFont, form1::kBack, {}, false},
    {Ctl::FrSegmento1, "FrSegmento1", K::Frame, false, 3000, 1500, 855, 3855, "", kDefaultFont, kWhite, {}, false},
    {Ctl::FrSegmento3, "FrSegmento3", K::Frame, false, 3000, 3500, 855, 3855, "", kDefaultFont, kWhite, {}, false},
    {Ctl::FrSegmento2, "FrSegmento2", K::Frame, false, 3000, 2500, 855, 3855, "", kDefaultFont, kWhite, {}, false},
}};
// clang-format on

} // namespace

const std::array<ControlDesign, kControlCount>& form1Design() {
    return kDesign;
}

const ControlDesign& design(Ctl id) {
    return kDesign[static_cast<std::size_t>(index(id))];
}
