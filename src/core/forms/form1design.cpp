// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/forms/form1design.h"

namespace {

using namespace colour;
constexpr Rgb kAnswerBack = kLightCyan;

// FINE and CLASSIFICA stand this far down the bottom bar Frame1, which
// starts this far down the window.
constexpr float kFrame1Top = 8055;
constexpr float kBarButtonTop = 180;

// The number pad fills the free corner between the boxes of the four-step
// question and the right edge, under the feedback message (which shows while
// the pad is away) and above the bottom bar, where a small child at a
// wall-mounted board reaches it. Its keys are a little taller than VIA, with
// gaps a fingertip wide between them; the last column is wider, to hold INVIO
// in the buttons' font.
constexpr float kPadLeft = 7000;
constexpr float kPadKeyWidth = 546;
constexpr float kPadWideKeyWidth = 1400;
constexpr float kPadKeyHeight = 660;
constexpr float kPadGap = 150;
constexpr int kPadRows = 2;
// A key's height and a gap stay clear between the pad's bottom row and FINE
// or CLASSIFICA, so that a tap a little low on INVIO never ends the exercise.
// Every screen stretches the heights alike, so the clearance holds on all.
constexpr float kPadClearance = kPadKeyHeight + kPadGap;
constexpr float kPadTop = kFrame1Top + kBarButtonTop - kPadClearance - kPadRows * kPadKeyHeight -
                          (kPadRows - 1) * kPadGap;
constexpr FontDesign kPadFont = arial(21.75f, true);

constexpr Form1ControlDesign padKey(Ctl id, std::string_view name, std::string_view text, int row,
                                    int column) {
    return {.id = id,
            .name = name,
            .kind = ControlKind::Button,
            .left = kPadLeft + static_cast<float>(column) * (kPadKeyWidth + kPadGap),
            .top = kPadTop + static_cast<float>(row) * (kPadKeyHeight + kPadGap),
            .width = column < 5 ? kPadKeyWidth : kPadWideKeyWidth,
            .height = kPadKeyHeight,
            .text = text,
            .font = kPadFont};
}

// clang-format off
constexpr std::array<Form1ControlDesign, kControlCount> kDesign = {{
    {.id = Ctl::Frame1, .name = "Frame1", .kind = ControlKind::Frame, .left = 0, .top = kFrame1Top, .width = 12075, .height = 990, .back = kBlue, .visible = true, .border = 1},
    {.id = Ctl::avviso, .name = "avviso", .kind = ControlKind::Label, .left = 0, .top = 0, .width = 11955, .height = 645, .text = "avviso", .font = arial(24, true), .back = form1::kAvvisoBack, .fore = kBlue, .visible = true, .opaque = true, .align = Align::Center},
    {.id = Ctl::VIA, .name = "VIA", .kind = ControlKind::Button, .inFrame1 = true, .left = 180, .top = kBarButtonTop, .width = 1455, .height = 645, .text = "VIA", .font = arial(21.75f, true), .visible = true},
    {.id = Ctl::FINE, .name = "FINE", .kind = ControlKind::Button, .inFrame1 = true, .left = 9225, .top = kBarButtonTop, .width = 1785, .height = 645, .text = "FINE", .font = arial(21.75f, true), .visible = true},
    {.id = Ctl::gratifica, .name = "gratifica", .kind = ControlKind::Label, .left = 7245, .top = 5625, .width = 195, .height = 840, .font = arial(36, true), .fore = kRed, .visible = true, .autoSize = true},
    {.id = Ctl::LbRisposte, .name = "LbRisposte", .kind = ControlKind::Label, .inFrame1 = true, .left = 3645, .top = 270, .width = 1635, .height = 480, .text = "risposte", .font = arial(20.25f, true), .fore = kYellow, .visible = true, .autoSize = true, .align = Align::Center},
    {.id = Ctl::LbErrori, .name = "LbErrori", .kind = ControlKind::Label, .inFrame1 = true, .left = 5625, .top = 270, .width = 1110, .height = 480, .text = "errori", .font = arial(20.25f, true), .fore = kRed, .visible = true, .autoSize = true, .align = Align::Center},
    {.id = Ctl::LbCodice, .name = "LbCodice", .kind = ControlKind::Label, .inFrame1 = true, .left = 11040, .top = 270, .width = 945, .height = 360, .text = "codice", .font = arial(15.75f), .back = kLightGrey, .fore = kWhite, .visible = true, .autoSize = true, .align = Align::Center},
    {.id = Ctl::LbTempo, .name = "LbTempo", .kind = ControlKind::Label, .inFrame1 = true, .left = 1890, .top = 270, .width = 1440, .height = 480, .text = "TEMPO", .font = arial(20.25f, true), .visible = true, .autoSize = true, .align = Align::Center},
    {.id = Ctl::Command1, .name = "Command1", .kind = ControlKind::Button, .inFrame1 = true, .left = 7065, .top = kBarButtonTop, .width = 2100, .height = 645, .text = "CLASSIFICA", .font = sansSerif(13.5f, true), .back = kLightGreen, .visible = true},
    {.id = Ctl::LbSegmento1, .name = "LbSegmento1", .kind = ControlKind::Label, .left = 2900, .top = 1200, .width = 3570, .height = 705, .text = "   1° segmento", .back = kGrey, .visible = true},
    {.id = Ctl::LbSegmento2, .name = "LbSegmento2", .kind = ControlKind::Label, .left = 2900, .top = 2200, .width = 3615, .height = 705, .text = "   2° segmento", .visible = true},
    {.id = Ctl::LbSegmento3, .name = "LbSegmento3", .kind = ControlKind::Label, .left = 2900, .top = 3200, .width = 3615, .height = 705, .text = "   3° segmento", .back = kGrey, .visible = true},
    {.id = Ctl::LbDOMANDA, .name = "LbDOMANDA", .kind = ControlKind::Label, .left = 200, .top = 4500, .width = 11940, .height = 555, .font = arial(14.25f), .back = form1::kBack, .visible = true},
    {.id = Ctl::Text1, .name = "Text1", .kind = ControlKind::TextBox, .left = 8280, .top = 4300, .width = 1275, .height = 600, .font = arial(24, true), .visible = true, .align = Align::Center},
    {.id = Ctl::LbRisposta1, .name = "LbRisposta1", .kind = ControlKind::Label, .left = 1250, .top = 5300, .width = 1410, .height = 555, .font = arial(18, true), .back = kAnswerBack, .opaque = true},
    {.id = Ctl::LbRisposta2, .name = "LbRisposta2", .kind = ControlKind::Label, .left = 3000, .top = 5300, .width = 1410, .height = 555, .font = arial(18, true), .back = kAnswerBack, .opaque = true},
    {.id = Ctl::LbRisposta3, .name = "LbRisposta3", .kind = ControlKind::Label, .left = 4750, .top = 5300, .width = 1410, .height = 555, .font = arial(18, true), .back = kAnswerBack, .opaque = true},
    {.id = Ctl::LbSub1, .name = "LbSub1", .kind = ControlKind::Label, .left = 195, .top = 4995, .width = 4815, .height = 330, .text = "Quanto misura l'unità frazionaria?         ", .font = arial(14.25f), .autoSize = true},
    {.id = Ctl::LbSub2, .name = "LbSub2", .kind = ControlKind::Label, .left = 195, .top = 5600, .width = 4785, .height = 330, .text = "Quanto misura il primo segmento?      ", .font = arial(14.25f), .autoSize = true},
    {.id = Ctl::LbSub3, .name = "LbSub3", .kind = ControlKind::Label, .left = 195, .top = 6200, .width = 4875, .height = 330, .text = "Quanto misura il secondo segmento?  ", .font = arial(14.25f), .autoSize = true},
    {.id = Ctl::LbSub4, .name = "LbSub4", .kind = ControlKind::Label, .left = 195, .top = 6800, .width = 4845, .height = 330, .text = "Quanto misura il terzo segmento?        ", .font = arial(14.25f), .autoSize = true},
    {.id = Ctl::Inp1, .name = "Inp1", .kind = ControlKind::TextBox, .left = 5625, .top = 5000, .width = 1200, .height = 400, .font = arial(18), .fore = kDarkRed, .align = Align::Center},
    {.id = Ctl::Inp2, .name = "Inp2", .kind = ControlKind::TextBox, .left = 5625, .top = 5600, .width = 1200, .height = 400, .font = arial(18), .fore = kBlack, .align = Align::Center},
    {.id = Ctl::Inp3, .name = "Inp3", .kind = ControlKind::TextBox, .left = 5625, .top = 6200, .width = 1200, .height = 400, .font = arial(18), .fore = kBlack, .align = Align::Center},
    {.id = Ctl::Inp4, .name = "Inp4", .kind = ControlKind::TextBox, .left = 5625, .top = 6800, .width = 1200, .height = 400, .font = arial(18), .fore = kBlack, .align = Align::Center},
    {.id = Ctl::FrRet1, .name = "FrRet1", .kind = ControlKind::Frame, .left = 4500, .top = 1200, .width = 3225, .height = 3270, .back = form1::kBack},
    {.id = Ctl::FrRet2, .name = "FrRet2", .kind = ControlKind::Frame, .left = 300, .top = 1200, .width = 3225, .height = 3270, .back = form1::kBack},
    {.id = Ctl::FrRet3, .name = "FrRet3", .kind = ControlKind::Frame, .left = 8000, .top = 1200, .width = 3225, .height = 3270, .back = form1::kBack},
    {.id = Ctl::FrSegmento1, .name = "FrSegmento1", .kind = ControlKind::Frame, .left = 3000, .top = 1500, .width = 855, .height = 3855, .back = kWhite},
    {.id = Ctl::FrSegmento3, .name = "FrSegmento3", .kind = ControlKind::Frame, .left = 3000, .top = 3500, .width = 855, .height = 3855, .back = kWhite},
    {.id = Ctl::FrSegmento2, .name = "FrSegmento2", .kind = ControlKind::Frame, .left = 3000, .top = 2500, .width = 855, .height = 3855, .back = kWhite},
    {.id = Ctl::LEGGI, .name = "LEGGI", .kind = ControlKind::Speaker, .left = 11160, .top = 4470, .width = 780, .height = 645, .back = kPaleYellow, .fore = kBlue},
    padKey(Ctl::Tasto1, "Tasto1", "1", 0, 0),
    padKey(Ctl::Tasto2, "Tasto2", "2", 0, 1),
    padKey(Ctl::Tasto3, "Tasto3", "3", 0, 2),
    padKey(Ctl::Tasto4, "Tasto4", "4", 0, 3),
    padKey(Ctl::Tasto5, "Tasto5", "5", 0, 4),
    padKey(Ctl::TastoCancella, "TastoCancella", "←", 0, 5), // as on the keyboard's Backspace
    padKey(Ctl::Tasto6, "Tasto6", "6", 1, 0),
    padKey(Ctl::Tasto7, "Tasto7", "7", 1, 1),
    padKey(Ctl::Tasto8, "Tasto8", "8", 1, 2),
    padKey(Ctl::Tasto9, "Tasto9", "9", 1, 3),
    padKey(Ctl::Tasto0, "Tasto0", "0", 1, 4),
    padKey(Ctl::INVIO, "INVIO", "INVIO", 1, 5),
}};
// clang-format on
static_assert(inIdOrder(kDesign));

} // namespace

const std::array<Form1ControlDesign, kControlCount>& form1Design() {
    return kDesign;
}

const Form1ControlDesign& design(Ctl id) {
    return kDesign[static_cast<std::size_t>(index(id))];
}
