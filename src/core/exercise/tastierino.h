// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/forms/form1design.h"
#include "core/settings/classroomsettings.h"

#include <array>
#include <optional>
#include <string>

// The on-screen number pad. Each key stands for a key of the keyboard and sends
// its key code to the key press handler of the box that waits, as the keyboard
// would; the keys themselves are controls of the window's design.

// The key code of Backspace.
constexpr int kTastoCancella = 8;

// The keys of the pad, in the design's order.
constexpr std::array<Ctl, 12> kTastierino = {
    Ctl::Tasto1, Ctl::Tasto2, Ctl::Tasto3, Ctl::Tasto4, Ctl::Tasto5, Ctl::TastoCancella,
    Ctl::Tasto6, Ctl::Tasto7, Ctl::Tasto8, Ctl::Tasto9, Ctl::Tasto0, Ctl::INVIO,
};

// The key code a key of the pad sends: the digit of its caption, Backspace or
// Enter. Nothing for a control that is no key of the pad.
std::optional<int> codiceTasto(Ctl tasto);

// Whether the pad shows. Only while a box waits for a typed answer (not in an
// answer's pause, when the feedback message shows in its place), and then as
// the classroom is set up: automatic shows it on a system with a touch screen
// or once a touch has come.
bool tastierinoVisibile(PadMode mode, bool touch, bool boxWaits);

// Takes the last character off a box's text, as Backspace does; a character
// written in several bytes goes whole.
void cancellaUltimo(std::string& text);
