// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// What a voice must say to read a text of the windows aloud in Italian. A
// speech engine reads "10/8" as "dieci barra otto", "1°" as "uno grado" and
// "cm" letter by letter, so the text is first written out the way a teacher
// would read it:
// - whole numbers in words: "80" → "ottanta";
// - decimals with their comma: "4,8" → "quattro virgola otto";
// - fractions: "10/8" → "dieci ottavi", "1/2" → "un mezzo";
// - ordinals: "1° segmento" → "primo segmento"; "n°" → "numero";
// - units: "cm" → "centimetri" ("un centimetro" after 1), mm and dm alike;
// - one of a counted thing in its gender: "1 serie" → "una serie", "1 segmento"
//   → "un segmento";
// - words in capitals in small letters ("INVIO" → "invio"), so they are not
//   spelled out; a run of "!" as one, blanks collapsed and trimmed.
// Other text goes through as it is.
std::string spokenItalian(std::string_view text);

// The masculine ordinal of a whole number from 1: "primo", "ottavo",
// "undicesimo".
std::string ordinalWord(long long n);

// A whole number in Italian words: 0 → "zero", 23 → "ventitré", 108 →
// "centotto", 2000 → "duemila". Negative numbers start with "meno"; beyond
// nine hundred ninety-nine million the digits are read one by one.
std::string numberWords(long long n);

// Adds `sentence` to `text` after a blank, closed by a full stop unless it ends
// with a mark of its own, so that the voice pauses between the parts. An empty
// sentence adds nothing.
void appendSentence(std::string& text, std::string_view sentence);
