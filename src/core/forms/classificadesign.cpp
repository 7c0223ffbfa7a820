// SPDX-License-Identifier: GPL-3.0-or-later
// The design of the results window.
#include "core/forms/classificadesign.h"

namespace classifica {
namespace {

using colour::kBlack;
using colour::kBlue;
using colour::kRed;
// The record labels carry this back colour, which never shows: they are transparent.
constexpr Rgb kRecordBack = colour::kLightYellow;
constexpr int kBorderPixels = 10;
constexpr std::string_view kPicture = ":/forms/target.svg";

// clang-format off
constexpr std::array<ClassificaControlDesign, kControlCount> kControls = {{
    {.id = Ctl::LbOttimo, .name = "LbOttimo", .kind = ControlKind::Label, .left = 2976, .top = 2496, .width = 1308, .height = 348, .text = "OTTIMO", .font = arial(14.25f, true), .back = kOttimo, .fore = kBlack, .visible = true, .opaque = true, .align = Align::Right},
    {.id = Ctl::LbDistinto, .name = "LbDistinto", .kind = ControlKind::Label, .left = 2976, .top = 3024, .width = 1308, .height = 348, .text = "DISTINTO", .font = arial(13.5f, true), .back = kDistinto, .fore = kBlack, .visible = true, .opaque = true, .align = Align::Right},
    {.id = Ctl::LbBuono, .name = "LbBuono", .kind = ControlKind::Label, .left = 2976, .top = 3504, .width = 1308, .height = 348, .text = "BUONO", .font = arial(13.5f, true), .back = kBuono, .fore = kBlack, .visible = true, .opaque = true, .align = Align::Right},
    {.id = Ctl::LbSufficiente, .name = "LbSufficiente", .kind = ControlKind::Label, .left = 2352, .top = 3984, .width = 1932, .height = 348, .text = "SUFFICIENTE", .font = arial(13.5f, true), .back = kSufficiente, .fore = kBlack, .visible = true, .opaque = true, .align = Align::Right},
    {.id = Ctl::LbOccorre, .name = "LbOccorre", .kind = ControlKind::Label, .left = 912, .top = 4512, .width = 3372, .height = 348, .text = "OCCORRE ESERCITARSI", .font = arial(13.5f, true), .back = kOccorre, .fore = kBlack, .visible = true, .opaque = true, .align = Align::Right},
    {.id = Ctl::Label5, .name = "Label5", .kind = ControlKind::Label, .left = 960, .top = 240, .width = 5565, .height = 360, .text = "livello raggiunto nell'ultima serie di domande", .font = sansSerif(13.5f, false), .autoSize = true},
    {.id = Ctl::RISULTATO, .name = "RISULTATO", .kind = ControlKind::Label, .left = 2970, .top = 810, .width = 195, .height = 840, .font = arial(36, true), .back = kBack, .visible = true, .opaque = true, .autoSize = true},
    {.id = Ctl::Command1, .name = "Command1", .kind = ControlKind::Button, .left = 540, .top = 5490, .width = 6156, .height = 876, .text = "PROSEGUI", .font = sansSerif(18, true), .visible = true},
    {.id = Ctl::LbTrecord, .name = "LbTrecord", .kind = ControlKind::Label, .left = 2025, .top = 2520, .width = 495, .height = 330, .text = "xxx", .font = arial(14.25f, true), .back = kRecordBack, .fore = kRed, .visible = true, .autoSize = true, .align = Align::Right},
    {.id = Ctl::LbNuovoRecord, .name = "LbNuovoRecord", .kind = ControlKind::Label, .left = 180, .top = 1980, .width = 2655, .height = 480, .text = "nuovo record", .font = arial(20.25f, true), .back = kRecordBack, .fore = kRed, .visible = true, .autoSize = true},
    {.id = Ctl::Shape1, .name = "Shape1", .kind = ControlKind::Border, .left = 90, .top = 45, .width = 7515, .height = 6600, .fore = kBlue, .visible = true, .border = kBorderPixels},
    {.id = Ctl::Image1, .name = "Image1", .kind = ControlKind::Picture, .left = 810, .top = 540, .width = 1560, .height = 1440, .text = kPicture, .visible = true},
}};

constexpr std::array<CircleRow, 5> kRows = {{
    {"ShOttimo", 2600, kOttimo},
    {"ShDistinto", 3100, kDistinto},
    {"ShBuono", 3600, kBuono},
    {"ShSufficiente", 4100, kSufficiente},
    {"ShOccorre", 4600, kOccorre},
}};
// clang-format on
static_assert(inIdOrder(kControls));

} // namespace

const std::array<ClassificaControlDesign, kControlCount>& controls() {
    return kControls;
}

const ClassificaControlDesign& design(Ctl id) {
    return kControls[static_cast<std::size_t>(id)];
}

const std::array<CircleRow, 5>& circleRows() {
    return kRows;
}

} // namespace classifica
